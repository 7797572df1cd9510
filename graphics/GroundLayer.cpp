// Drawing the ground, its edge and what lies beyond, and painting it for the minimap.
#include "graphics/GroundLayer.h"

#include "graphics/TextureStore.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

constexpr const char* beyondTextureName = "ground_beyond";
// The edge line, pale so it reads on grass, earth and rock alike, with a dark rim beyond it for snow.
constexpr float edgeColour[3] = {0.92f, 0.86f, 0.62f};
constexpr float edgeRimColour[3] = {0.05f, 0.05f, 0.06f};
constexpr float edgeWidthPixels = 2;
constexpr float edgeRimWidthPixels = 5;
// The largest mipmap side read back for the minimap: the ground textures are far smaller.
constexpr int largestReadSide = 4096;
// The colour of a ground whose texture cannot be read.
constexpr int plainGround[3] = {70, 96, 44};

// Image textures are made clamped, and the ground tiles. Set once: changing a texture's state every
// frame costs the software renderer a fresh look at the whole texture.
void MakeRepeating(unsigned int texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    // Ground needs no blend between mipmap levels (its texels are noise): one level read, not two.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
}

using LevelImage = GroundImage;

// One mipmap level of the texture as GL holds it; empty when there is none or it is implausibly large.
LevelImage ReadLevel(unsigned int texture, int level) {
    LevelImage image;
    if (texture == 0)
        return image;
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &height);
    if (width < 1 || height < 1 || width > largestReadSide || height > largestReadSide)
        return image;
    image.width = width;
    image.height = height;
    image.rgba.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, image.rgba.data());
    return image;
}

// The mipmap level of the texture whose texels come nearest to `texelsPerTile` across one repeat.
LevelImage ReadMipmap(unsigned int texture, float texelsPerTile) {
    if (texture == 0)
        return {};
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    int level = 0;
    while ((width >> level) > 1 && (height >> level) > 1 && (width >> (level + 1)) >= texelsPerTile)
        ++level;
    return ReadLevel(texture, level);
}

// Every mipmap level GL holds, largest first, up to the first it cannot read.
std::vector<LevelImage> ReadLevels(unsigned int texture) {
    std::vector<LevelImage> levels;
    for (int level = 0; level < 16; ++level) {
        LevelImage image = ReadLevel(texture, level);
        if (image.Empty())
            break;
        levels.push_back(std::move(image));
        if (levels.back().width == 1 && levels.back().height == 1)
            break;
    }
    return levels;
}

// Where the view's corners fall on the map under the current matrices, the screen pixels one world unit
// spans, and (when the camera neither turns nor shears the map) where world points fall in the window.
// False when the matrices cannot be undone (then the caller keeps its box).
bool ViewOnMap(GroundLayer::Box& box, float& pixelsPerUnit, GroundMesh::WindowMap& window, bool& upright) {
    GLfloat modelview[16];
    GLfloat projection[16];
    GLint viewport[4];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    // Window x and y of world (x, y, 0, 1) are an affine map: the product's first two rows, in pixels.
    double rows[2][3];
    for (int r = 0; r < 2; ++r) {
        const double half = 0.5 * viewport[2 + r];
        for (int c = 0; c < 3; ++c) {
            const int column = c == 2 ? 3 : c;
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += double(projection[k * 4 + r]) * double(modelview[column * 4 + k]);
            rows[r][c] = sum * half;
        }
    }
    const double determinant = rows[0][0] * rows[1][1] - rows[0][1] * rows[1][0];
    if (!std::isfinite(determinant) || std::abs(determinant) < 1e-12)
        return false;
    pixelsPerUnit = static_cast<float>(std::sqrt(std::abs(determinant)));
    upright = std::abs(rows[0][1]) <= 1e-9 * std::abs(rows[0][0]) &&
              std::abs(rows[1][0]) <= 1e-9 * std::abs(rows[1][1]);
    window = {rows[0][0],
              rows[1][1],
              viewport[0] + 0.5 * viewport[2] + rows[0][2],
              viewport[1] + 0.5 * viewport[3] + rows[1][2],
              {viewport[0], viewport[1], viewport[2], viewport[3]}};
    float left = INFINITY, bottom = INFINITY, right = -INFINITY, top = -INFINITY;
    for (const double cornerX : {-1.0, 1.0})
        for (const double cornerY : {-1.0, 1.0}) {
            // The corner in pixels from the viewport's centre, less the translation, through the inverse.
            const double px = cornerX * 0.5 * viewport[2] - rows[0][2];
            const double py = cornerY * 0.5 * viewport[3] - rows[1][2];
            const auto x = static_cast<float>((rows[1][1] * px - rows[0][1] * py) / determinant);
            const auto y = static_cast<float>((rows[0][0] * py - rows[1][0] * px) / determinant);
            left = std::min(left, x);
            right = std::max(right, x);
            bottom = std::min(bottom, y);
            top = std::max(top, y);
        }
    box = {left, bottom, right, top};
    return std::isfinite(left) && std::isfinite(right) && std::isfinite(bottom) && std::isfinite(top);
}

// The window boxes on the map, less the half block by which the grid's lines move when snapped: a square
// inside one stays under the box wherever its corners are drawn. A side on the viewport's edge reaches past
// it, since nothing beyond the window is seen either.
std::vector<GroundMesh::Box> CoveredOnMap(std::span<const GroundLayer::Box> covered,
                                          const GroundMesh::WindowMap& window) {
    const int* viewport = window.viewport;
    const double margin = GroundMesh::blockPixels / 2;
    const auto low = [margin](double side, double edge) { return side <= edge ? -INFINITY : side + margin; };
    const auto high = [margin](double side, double edge) { return side >= edge ? INFINITY : side - margin; };
    std::vector<GroundMesh::Box> onMap;
    for (const GroundLayer::Box& box : covered) {
        const double left = low(box.left, viewport[0]);
        const double right = high(box.right, viewport[0] + viewport[2]);
        const double bottom = low(box.bottom, viewport[1]);
        const double top = high(box.top, viewport[1] + viewport[3]);
        if (!(left < right && bottom < top))
            continue;
        const double x0 = (left - window.offsetX) / window.scaleX;
        const double x1 = (right - window.offsetX) / window.scaleX;
        const double y0 = (bottom - window.offsetY) / window.scaleY;
        const double y1 = (top - window.offsetY) / window.scaleY;
        onMap.push_back({static_cast<float>(std::min(x0, x1)), static_cast<float>(std::min(y0, y1)),
                         static_cast<float>(std::max(x0, x1)), static_cast<float>(std::max(y0, y1))});
    }
    return onMap;
}

// Whether every texel of the texture's largest level has full alpha; false when it cannot be read.
bool IsOpaque(unsigned int texture) {
    const LevelImage image = ReadLevel(texture, 0);
    if (image.Empty())
        return false;
    for (std::size_t alpha = 3; alpha < image.rgba.size(); alpha += 4)
        if (image.rgba[alpha] != 255)
            return false;
    return true;
}

std::uint32_t Word(int red, int green, int blue) {
    const auto byte = [](int value) { return static_cast<std::uint32_t>(std::clamp(value, 0, 255)); };
    return byte(blue) | byte(green) << 8 | byte(red) << 16 | 0xFF000000u;
}

} // namespace

void GroundLayer::Choose(const GroundLook& chosen, float halfMapWidth, float halfMapHeight) {
    look = chosen;
    halfWidth = halfMapWidth;
    halfHeight = halfMapHeight;
    groundTexture = textureStore.FindTexture(look.texture);
    detailTexture = textureStore.FindTexture(look.detail);
    beyondTexture = textureStore.FindTexture(beyondTextureName);
    for (unsigned int texture : {groundTexture, detailTexture, beyondTexture})
        MakeRepeating(texture);
    beyondOpaque = IsOpaque(beyondTexture);
    GroundColours colours;
    colours.levels = ReadLevels(groundTexture);
    colours.detail = ReadLevel(detailTexture, 0);
    colours.groundTile = groundTile;
    colours.detailTile = detailTile;
    colours.tint[0] = look.red;
    colours.tint[1] = look.green;
    colours.tint[2] = look.blue;
    for (int c = 0; c < 3; ++c)
        colours.plain[c] = static_cast<float>(plainGround[c]);
    mesh.Choose(std::move(colours));
}

GroundLayer::Box GroundLayer::MapPart(Box view, float halfMapWidth, float halfMapHeight) {
    return {std::max(view.left, -halfMapWidth), std::max(view.bottom, -halfMapHeight),
            std::min(view.right, halfMapWidth), std::min(view.top, halfMapHeight)};
}

// A band below and above the map across the whole view, then the strips left and right of it.
std::vector<GroundLayer::Box> GroundLayer::BeyondParts(Box view, float halfMapWidth, float halfMapHeight) {
    const Box map = MapPart(view, halfMapWidth, halfMapHeight);
    if (map.Empty())
        return {view};
    std::vector<Box> parts;
    const auto add = [&parts](Box box) {
        if (!box.Empty())
            parts.push_back(box);
    };
    add({view.left, view.bottom, view.right, map.bottom});
    add({view.left, map.top, view.right, view.top});
    add({view.left, map.bottom, map.left, map.top});
    add({map.right, map.bottom, view.right, map.top});
    return parts;
}

// The ground is opaque and covers the map: blending stays off, so the renderer need not read what lies
// under it.
void GroundLayer::DrawGround(float centreX, float centreY, float radius, const GroundMesh::Hidden& hidden,
                             std::span<const Box> covered) const {
    Box view{centreX - radius, centreY - radius, centreX + radius, centreY + radius};
    Box screen = view;
    float pixelsPerUnit = 0;
    GroundMesh::WindowMap window;
    bool upright = false;
    if (ViewOnMap(screen, pixelsPerUnit, window, upright))
        view = {std::max(view.left, screen.left), std::max(view.bottom, screen.bottom),
                std::min(view.right, screen.right), std::min(view.top, screen.top)};
    else
        pixelsPerUnit = 1;
    const std::vector<GroundMesh::Box> coveredOnMap =
        upright ? CoveredOnMap(covered, window) : std::vector<GroundMesh::Box>{};
    GroundMesh::Hidden unseen = hidden;
    if (!coveredOnMap.empty())
        unseen = [&coveredOnMap, &hidden](const GroundMesh::Box& square) {
            const auto under = [&square](const GroundMesh::Box& box) {
                return square.left >= box.left && square.right <= box.right && square.bottom >= box.bottom &&
                       square.top <= box.top;
            };
            return std::any_of(coveredOnMap.begin(), coveredOnMap.end(), under) || (hidden && hidden(square));
        };
    mesh.Draw({view.left, view.bottom, view.right, view.top},
              {-halfWidth, -halfHeight, halfWidth, halfHeight}, pixelsPerUnit, unseen,
              upright ? &window : nullptr);
    glEnable(GL_BLEND);
}

void GroundLayer::DrawBeyond(float centreX, float centreY, float radius) const {
    const Box view{centreX - radius, centreY - radius, centreX + radius, centreY + radius};
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    if (beyondOpaque)
        glDisable(GL_BLEND);
    for (const Box& part : BeyondParts(view, halfWidth, halfHeight))
        DrawTiled(beyondTexture, part, beyondTile);
    glEnable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    DrawEdge();
}

void GroundLayer::DrawTiled(unsigned int texture, const Box& box, float tile) const {
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2f(box.left / tile, box.bottom / tile);
    glVertex2f(box.left, box.bottom);
    glTexCoord2f(box.right / tile, box.bottom / tile);
    glVertex2f(box.right, box.bottom);
    glTexCoord2f(box.right / tile, box.top / tile);
    glVertex2f(box.right, box.top);
    glTexCoord2f(box.left / tile, box.top / tile);
    glVertex2f(box.left, box.top);
    glEnd();
}

// Line widths are pixels, so the edge keeps its weight at every zoom.
void GroundLayer::DrawEdge() const {
    GLfloat lineWidth = 1;
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    const auto loop = [this](const float(&colour)[3], float width) {
        glLineWidth(width);
        glColor4f(colour[0], colour[1], colour[2], 1);
        glBegin(GL_LINE_LOOP);
        glVertex2f(-halfWidth, -halfHeight);
        glVertex2f(halfWidth, -halfHeight);
        glVertex2f(halfWidth, halfHeight);
        glVertex2f(-halfWidth, halfHeight);
        glEnd();
    };
    loop(edgeRimColour, edgeRimWidthPixels);
    loop(edgeColour, edgeWidthPixels);
    glLineWidth(lineWidth);
}

std::vector<std::uint32_t> GroundLayer::MinimapPicture(int size) const {
    if (size < 1 || size > largestReadSide || !(halfWidth > 0) || !(halfHeight > 0))
        return {};
    const float texelWidth = 2 * halfWidth / static_cast<float>(size);
    const float texelHeight = 2 * halfHeight / static_cast<float>(size);
    const float texelSide = std::max(texelWidth, texelHeight);
    const LevelImage ground = ReadMipmap(groundTexture, groundTile / texelSide);
    const LevelImage detail = ReadMipmap(detailTexture, detailTile / texelSide);
    std::vector<std::uint32_t> picture(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            const float x = (static_cast<float>(column) + 0.5f) * texelWidth - halfWidth;
            const float y = (static_cast<float>(row) + 0.5f) * texelHeight - halfHeight;
            float colour[3] = {static_cast<float>(plainGround[0]), static_cast<float>(plainGround[1]),
                               static_cast<float>(plainGround[2])};
            if (!ground.rgba.empty()) {
                const std::uint8_t* texel = ground.TexelAt(x, y, groundTile);
                for (int c = 0; c < 3; ++c)
                    colour[c] = texel[c];
            }
            const float tint[3] = {look.red, look.green, look.blue};
            // Half the detail's strength: on a picture this small its blotches would read as a pattern.
            const float shade =
                detail.rgba.empty() ? 1.0f : 0.5f + 0.5f * detail.TexelAt(x, y, detailTile)[0] / 127.5f;
            for (int c = 0; c < 3; ++c)
                colour[c] *= tint[c] * shade;
            picture[static_cast<std::size_t>(row * size + column)] =
                Word(static_cast<int>(colour[0]), static_cast<int>(colour[1]), static_cast<int>(colour[2]));
        }
    }
    const std::uint32_t edge =
        Word(static_cast<int>(edgeColour[0] * 255), static_cast<int>(edgeColour[1] * 255),
             static_cast<int>(edgeColour[2] * 255));
    for (int i = 0; i < size; ++i) {
        picture[static_cast<std::size_t>(i)] = edge;
        picture[static_cast<std::size_t>((size - 1) * size + i)] = edge;
        picture[static_cast<std::size_t>(i * size)] = edge;
        picture[static_cast<std::size_t>(i * size + size - 1)] = edge;
    }
    return picture;
}

} // namespace Vorn
