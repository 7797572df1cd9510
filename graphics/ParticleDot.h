// Particle quads smaller than a pixel ("dots"): which pixel one lights and with what colour, so that it
// can be drawn as a single-pixel point instead of two textured triangles.
//
// Far out, a battle's dust and exhaust are thousands of quads a fraction of a pixel across. The software
// driver sets up, bins and shades each of its two triangles at full cost, to light at most one pixel. A
// quad no wider than dotSide lights exactly the pixel centres inside it (at most one), and a mipmapped
// texture drawn that small is read at its 1 x 1 level whatever its turn. Filtered, that level's texel is
// blended with the texture's border by how far from the quad's middle the centre lies (the shipped
// sprites clamp to a transparent border, so a dot fades towards its edges). That sample times the quad's
// colour is the pixel's colour, and a point there with that colour gives the same pixel.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace Vorn {

using DotColour = std::array<std::uint8_t, 4>;

struct DotCorner {
    float x, y;
};

// The widest side, in window pixels, at which a square quad reads only its texture's last mipmap level:
// the sampler's level comes from the texels per pixel along the window's axes, which a quad turned by 45
// degrees shortens by the square root of 2.
inline constexpr float dotSide = 0.70710678f;

// For a square quad with its corners (window pixels) in order round it: whether it is a dot, and if so
// the pixel centre it covers, if any, and where that lies on the quad: from corner 0 (0) to corner 1 (1)
// along the quad, and from corner 0 to corner 3 across it.
struct DotCover {
    bool dot = false;
    bool coversACentre = false;
    float centreX = 0;
    float centreY = 0;
    float along = 0;
    float across = 0;
};
DotCover CoverOfDot(const DotCorner (&corners)[4]);

// What a texture shows of itself on a dot: its 1 x 1 mipmap level, and whether filtering blends it
// with the border colour along either axis.
struct DotTexture {
    DotColour texel{};
    DotColour border{};
    bool blendsBorder[2] = {};
};

// Empty when the texture's filtering could read any other level there (no mipmaps, levels or detail
// limited, a negative bias). Learned once per texture for each generation of the texture store: the
// textures drawn must be the store's. Needs a current GL context; binds the texture it asks about.
std::optional<DotTexture> DotTextureOf(unsigned int texture);

// The colour a dot gives the centre at (along, across) on it: its tint times the texture's sample there,
// as the driver modulates them.
DotColour DotColourAt(const DotTexture& texture, const DotColour& tint, float along, float across);

} // namespace Vorn
