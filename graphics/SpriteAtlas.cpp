// Pictures of drawings rendered once into one texture through a framebuffer object.
#define GL_GLEXT_PROTOTYPES
#include "graphics/SpriteAtlas.h"

#include "graphics/DrawingDisplay.h"
#include "platform/DrawingDiscard.h"
#include "platform/GlContext.h"
#include "visuals/Drawing.h"
#include "visuals/DrawingStep.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

namespace Vorn {

namespace {

// Smoothed lines reach a pixel beyond their width; a blank texel more keeps the filtering of one picture
// from reading its neighbour's.
constexpr int margin = 3;

std::uint32_t Packed(SpriteAtlas::ColourBytes colour) {
    return std::uint32_t{colour[0]} << 24 | std::uint32_t{colour[1]} << 16 | std::uint32_t{colour[2]} << 8 |
           colour[3];
}

// Texels of a picture, inclusive, counted from its square's lower left corner.
struct TexelBox {
    int left, bottom, right, top;
};

// The texels of a size x size picture (rows from the bottom, RGBA) that are not blank; none when all are.
std::optional<TexelBox> ColouredTexels(const std::vector<std::uint8_t>& picture, int size) {
    std::optional<TexelBox> box;
    for (int row = 0; row < size; ++row)
        for (int column = 0; column < size; ++column) {
            const std::size_t at = (static_cast<std::size_t>(row) * static_cast<std::size_t>(size) +
                                    static_cast<std::size_t>(column)) *
                                   4;
            if ((picture[at] | picture[at + 1] | picture[at + 2] | picture[at + 3]) == 0)
                continue;
            if (!box) {
                box = TexelBox{column, row, column, row};
                continue;
            }
            box->left = std::min(box->left, column);
            box->right = std::max(box->right, column);
            box->bottom = std::min(box->bottom, row);
            box->top = std::max(box->top, row);
        }
    return box;
}

bool HasFramebuffers() {
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version != nullptr && version[0] >= '3' && version[0] <= '9')
        return true;
    const auto* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return extensions != nullptr &&
           std::string_view(extensions).find("GL_ARB_framebuffer_object") != std::string_view::npos;
}

} // namespace

SpriteAtlas::~SpriteAtlas() {
    Release();
}

bool SpriteAtlas::Prepare(float newScale) {
    if (!platform::GlContext::IsAnyCurrent())
        return false;
    if (contextSerial != platform::GlContext::Serial()) {
        // Made in a context since destroyed: the names died with it.
        texture = framebuffer = 0;
        unavailable = false;
        Empty();
    }
    if (texture == 0 && !Make())
        return false;
    if (newScale != scale) {
        Empty();
        scale = newScale;
    }
    return true;
}

bool SpriteAtlas::MadeInCurrentContext() const {
    return texture != 0 && contextSerial == platform::GlContext::Serial();
}

bool SpriteAtlas::UnavailableInCurrentContext() const {
    return unavailable && contextSerial == platform::GlContext::Serial();
}

bool SpriteAtlas::Make() {
    contextSerial = platform::GlContext::Serial();
    if (unavailable || !HasFramebuffers()) {
        unavailable = true;
        return false;
    }
    GLint previousTexture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousTexture);
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, side, side, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(previousTexture));

    GLint previousFramebuffer = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &previousFramebuffer);
    // The blank must be there whether or not the frame that makes the atlas is drawn.
    const platform::PixelsNeeded cleared;
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (complete) {
        // Filtering at a picture's edge reads the texels round it: blank, never whatever memory held.
        glPushAttrib(GL_COLOR_BUFFER_BIT | GL_SCISSOR_BIT | GL_VIEWPORT_BIT);
        glDisable(GL_SCISSOR_TEST);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
        glPopAttrib();
    }
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(previousFramebuffer));
    if (!complete) {
        Release();
        unavailable = true;
        return false;
    }
    return true;
}

const SpriteAtlas::Sprite* SpriteAtlas::Find(const Drawing& drawing, ColourBytes colour) const {
    const auto found = sprites.find({drawing.Serial(), Packed(colour)});
    return found == sprites.end() ? nullptr : &found->second;
}

const SpriteAtlas::Sprite* SpriteAtlas::Render(const Drawing& drawing, ColourBytes colour) {
    if (texture == 0 || DrawingList(drawing) == 0 || !(scale > 0))
        return nullptr;
    const float across = 2 * drawing.Reach() * scale + 2 * margin;
    if (!(across < side))
        return nullptr;
    // Odd, so the drawing's origin falls on a texel's centre: a turret a pixel wide still covers that
    // centre, as on the window it covers the centre of the pixel the tank stands on.
    const int size = 2 * static_cast<int>(std::ceil(across / 2)) + 1;
    int x = 0;
    int y = 0;
    if (!Reserve(size, x, y))
        return nullptr;
    Sprite sprite;
    Paint(drawing, colour, x, y, size, sprite);
    ++renderedCount;
    return &sprites.insert_or_assign({drawing.Serial(), Packed(colour)}, sprite).first->second;
}

bool SpriteAtlas::Reserve(int size, int& x, int& y) {
    if (rowX + size > side) {
        rowX = 0;
        rowY += rowHeight;
        rowHeight = 0;
    }
    if (rowY + size > side)
        return false;
    x = rowX;
    y = rowY;
    rowX += size;
    rowHeight = std::max(rowHeight, size);
    return true;
}

// Everything the picture changes is saved and restored: this runs in the middle of a frame.
void SpriteAtlas::Paint(const Drawing& drawing, ColourBytes colour, int x, int y, int size,
                        Sprite& sprite) const {
    const platform::PixelsNeeded painted;
    GLint previousFramebuffer = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &previousFramebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glPushAttrib(GL_VIEWPORT_BIT | GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_CURRENT_BIT | GL_SCISSOR_BIT);
    glViewport(0, 0, side, side);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, side, 0, side, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    glEnable(GL_SCISSOR_TEST);
    glScissor(x, y, size, size);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glTranslatef(static_cast<float>(x) + static_cast<float>(size) / 2,
                 static_cast<float>(y) + static_cast<float>(size) / 2, 0);
    glScalef(scale, scale, 1);
    glColor4ubv(colour.data());
    glCallList(DrawingList(drawing));
    glGetFloatv(GL_CURRENT_COLOR, sprite.colourAfter.data());
    std::vector<std::uint8_t> picture(static_cast<std::size_t>(size) * static_cast<std::size_t>(size) * 4);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, size, size, GL_RGBA, GL_UNSIGNED_BYTE, picture.data());
    glPopClientAttrib();

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    glBindFramebuffer(GL_FRAMEBUFFER, static_cast<GLuint>(previousFramebuffer));
    Bound(drawing, x, y, size, picture, sprite);
}

// The box of the drawing's vertices, widened by what the renderer draws beyond them: half a line's width
// (the driver draws none thinner than a pixel), a pixel of smoothing, and a blank texel more, so that the
// filter reading round a turned quad's edge finds only blank texels. Whole texels, within the square, and
// no wider than the texels the picture really colours with a blank one round them: small on the window,
// the widening is most of the quad, and the smoothing reaches less far than it allows.
void SpriteAtlas::Bound(const Drawing& drawing, int x, int y, int size,
                        const std::vector<std::uint8_t>& picture, Sprite& sprite) const {
    float lowX = 0, lowY = 0, highX = 0, highY = 0;
    for (const DrawingStep& step : drawing.Steps()) {
        if (step.kind != DrawingStep::Kind::Vertex)
            continue;
        lowX = std::min(lowX, static_cast<float>(step.x));
        lowY = std::min(lowY, static_cast<float>(step.y));
        highX = std::max(highX, static_cast<float>(step.x));
        highY = std::max(highY, static_cast<float>(step.y));
    }
    GLfloat lineWidth = 1;
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    const float pad = std::max(lineWidth, 1.0f) / 2 + 2;
    const float centreX = static_cast<float>(x) + static_cast<float>(size) / 2;
    const float centreY = static_cast<float>(y) + static_cast<float>(size) / 2;
    const auto texels = [&](float centre, float units, float outwards, int low, int high) {
        const float at = centre + units * scale + outwards * pad;
        const float whole = outwards < 0 ? std::floor(at) : std::ceil(at);
        return std::clamp(whole, static_cast<float>(low), static_cast<float>(high));
    };
    float left = texels(centreX, lowX, -1, x, x + size);
    float right = texels(centreX, highX, 1, x, x + size);
    float bottom = texels(centreY, lowY, -1, y, y + size);
    float top = texels(centreY, highY, 1, y, y + size);
    if (const std::optional<TexelBox> coloured = ColouredTexels(picture, size)) {
        left = std::max(left, static_cast<float>(x + coloured->left - 1));
        right = std::min(right, static_cast<float>(x + coloured->right + 2));
        bottom = std::max(bottom, static_cast<float>(y + coloured->bottom - 1));
        top = std::min(top, static_cast<float>(y + coloured->top + 2));
    }

    constexpr float texel = 1.0f / side;
    sprite.square = {static_cast<float>(x) * texel, static_cast<float>(y) * texel,
                     static_cast<float>(x + size) * texel, static_cast<float>(y + size) * texel};
    sprite.content = {left * texel, bottom * texel, right * texel, top * texel};
    sprite.contentUnits = {(left - centreX) / scale, (bottom - centreY) / scale, (right - centreX) / scale,
                           (top - centreY) / scale};
}

void SpriteAtlas::Empty() {
    sprites.clear();
    rowX = rowY = rowHeight = 0;
    scale = 0;
}

void SpriteAtlas::Release() {
    if (contextSerial == platform::GlContext::Serial() && platform::GlContext::IsAnyCurrent()) {
        if (framebuffer != 0)
            glDeleteFramebuffers(1, &framebuffer);
        if (texture != 0)
            glDeleteTextures(1, &texture);
    }
    texture = framebuffer = 0;
    Empty();
}

} // namespace Vorn
