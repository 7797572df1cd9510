// Which pixel a dot lights, and the colour its texture gives it there.
#include "graphics/ParticleDot.h"

#include "graphics/TextureStore.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace Vorn {

namespace {

// The driver places corners on a grid of 1/256 pixel before it decides which centres a triangle covers.
constexpr float subpixels = 256;

struct Fixed {
    std::int64_t x, y;
};

Fixed Snapped(float x, float y) {
    return {std::llround(x * subpixels), std::llround(y * subpixels)};
}

// Whether p lies inside the edge from a to b of a counter-clockwise polygon. A centre exactly on the edge
// belongs to the polygon on one side only: the edges running down or, level, to the left take it.
bool InsideEdge(Fixed a, Fixed b, Fixed p) {
    const std::int64_t across = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    if (across != 0)
        return across > 0;
    return b.y < a.y || (b.y == a.y && b.x < a.x);
}

bool CoversPoint(const DotCorner (&corners)[4], float x, float y) {
    Fixed fixed[4];
    for (int i = 0; i < 4; ++i)
        fixed[i] = Snapped(corners[i].x, corners[i].y);
    std::int64_t twiceArea = 0;
    for (int i = 0; i < 4; ++i) {
        const Fixed& a = fixed[i];
        const Fixed& b = fixed[(i + 1) % 4];
        twiceArea += a.x * b.y - b.x * a.y;
    }
    if (twiceArea == 0)
        return false;
    if (twiceArea < 0)
        std::reverse(std::begin(fixed), std::end(fixed));
    const Fixed centre = Snapped(x, y);
    for (int i = 0; i < 4; ++i)
        if (!InsideEdge(fixed[i], fixed[(i + 1) % 4], centre))
            return false;
    return true;
}

// The filtering settings that let the sampler reach only the last level when texels per pixel reach the
// level 0 size: mipmapped, every level there, no detail limit below the last, no negative bias.
bool ReadsOnlyTheLastLevel(int lastLevel, GLint minFilter) {
    GLint baseLevel = 0, maxLevel = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, &baseLevel);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, &maxLevel);
    GLfloat maxDetail = 0, textureBias = 0, unitBias = 0;
    glGetTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_MAX_LOD, &maxDetail);
    glGetTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_LOD_BIAS, &textureBias);
    glGetTexEnvfv(GL_TEXTURE_FILTER_CONTROL, GL_TEXTURE_LOD_BIAS, &unitBias);
    const bool mipmapped = minFilter == GL_NEAREST_MIPMAP_NEAREST || minFilter == GL_LINEAR_MIPMAP_NEAREST ||
                           minFilter == GL_NEAREST_MIPMAP_LINEAR || minFilter == GL_LINEAR_MIPMAP_LINEAR;
    return mipmapped && baseLevel == 0 && maxLevel >= lastLevel &&
           maxDetail >= static_cast<float>(lastLevel) && textureBias + unitBias >= 0;
}

// Level by level down to 1 x 1; a chain that stops short (mipmaps never made) has none.
std::optional<int> LastLevel() {
    constexpr int mostLevels = 16;
    for (int level = 0; level < mostLevels; ++level) {
        GLint width = 0, height = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &height);
        if (width <= 0 || height <= 0)
            return std::nullopt;
        if (width == 1 && height == 1)
            return level;
    }
    return std::nullopt;
}

// A linear filter on a 1 x 1 level reads the border beside the texel where the wrap clamps to it.
bool BlendsBorder(GLenum wrapName, GLint minFilter) {
    GLint wrap = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, wrapName, &wrap);
    const bool linear = minFilter == GL_LINEAR_MIPMAP_NEAREST || minFilter == GL_LINEAR_MIPMAP_LINEAR;
    return linear && (wrap == GL_CLAMP || wrap == GL_CLAMP_TO_BORDER);
}

std::optional<DotTexture> ReadDotTexture(unsigned int texture) {
    if (texture == 0)
        return std::nullopt;
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint minFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    const std::optional<int> last = LastLevel();
    if (!last || !ReadsOnlyTheLastLevel(*last, minFilter))
        return std::nullopt;
    DotTexture read;
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, *last, GL_RGBA, GL_UNSIGNED_BYTE, read.texel.data());
    glPopClientAttrib();
    GLfloat border[4] = {};
    glGetTexParameterfv(GL_TEXTURE_2D, GL_TEXTURE_BORDER_COLOR, border);
    for (std::size_t i = 0; i < read.border.size(); ++i)
        read.border[i] = static_cast<std::uint8_t>(std::lround(std::clamp(border[i], 0.0f, 1.0f) * 255));
    read.blendsBorder[0] = BlendsBorder(GL_TEXTURE_WRAP_S, minFilter);
    read.blendsBorder[1] = BlendsBorder(GL_TEXTURE_WRAP_T, minFilter);
    return read;
}

// The linear filter's weight of the one texel at a coordinate between 0 and 1: its centre lies at 0.5.
float TexelWeight(float at) {
    return 1 - std::min(std::abs(at - 0.5f), 1.0f);
}

} // namespace

DotCover CoverOfDot(const DotCorner (&corners)[4]) {
    const float sideX = corners[1].x - corners[0].x;
    const float sideY = corners[1].y - corners[0].y;
    const float otherX = corners[3].x - corners[0].x;
    const float otherY = corners[3].y - corners[0].y;
    const float longest = std::max(sideX * sideX + sideY * sideY, otherX * otherX + otherY * otherY);
    if (!(longest <= dotSide * dotSide))
        return {};
    // No point of a quad this small lies further than half a pixel from its middle, so the only centre it
    // can cover is the one of the pixel its middle falls in.
    const float middleX = (corners[0].x + corners[2].x) / 2;
    const float middleY = (corners[0].y + corners[2].y) / 2;
    DotCover cover;
    cover.dot = true;
    cover.centreX = std::floor(middleX) + 0.5f;
    cover.centreY = std::floor(middleY) + 0.5f;
    cover.coversACentre = CoversPoint(corners, cover.centreX, cover.centreY);
    const float determinant = sideX * otherY - sideY * otherX;
    if (cover.coversACentre && determinant != 0) {
        const float dx = cover.centreX - corners[0].x;
        const float dy = cover.centreY - corners[0].y;
        cover.along = (dx * otherY - dy * otherX) / determinant;
        cover.across = (sideX * dy - sideY * dx) / determinant;
    }
    return cover;
}

std::optional<DotTexture> DotTextureOf(unsigned int texture) {
    // Drawing happens on the main thread only.
    static std::uint64_t generation = 0;
    static std::unordered_map<unsigned int, std::optional<DotTexture>> learned;
    if (generation != textureStore.Generation()) {
        learned.clear();
        generation = textureStore.Generation();
    }
    const auto found = learned.find(texture);
    if (found != learned.end())
        return found->second;
    return learned[texture] = ReadDotTexture(texture);
}

DotColour DotColourAt(const DotTexture& texture, const DotColour& tint, float along, float across) {
    const float weight = (texture.blendsBorder[0] ? TexelWeight(along) : 1.0f) *
                         (texture.blendsBorder[1] ? TexelWeight(across) : 1.0f);
    DotColour colour{};
    for (std::size_t i = 0; i < colour.size(); ++i) {
        const float sample = static_cast<float>(texture.texel[i]) * weight +
                             static_cast<float>(texture.border[i]) * (1 - weight);
        colour[i] = static_cast<std::uint8_t>(std::lround(static_cast<float>(tint[i]) * sample / 255));
    }
    return colour;
}

} // namespace Vorn
