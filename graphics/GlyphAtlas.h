// Every glyph of a text font in one texture, so that a whole text is drawn with one call.
#pragma once

#include <cstdint>
#include <vector>

namespace Vorn {

// Fills the texture with a square luminance-alpha image, clamped at its edges and filtered linearly as
// every glyph texture is (needs a current GL context).
void UploadGlyphTexture(unsigned texture, unsigned side, const std::vector<std::uint8_t>& image);

// The glyphs stand in a 16 x 16 grid of cells, each one blank texel wider on every side than a glyph:
// filtering at a glyph's edge then reads blank texels, as it reads the blank border of a glyph's own
// clamped texture, so a text looks the same drawn from either. The atlas is a power of two on a side.
class GlyphAtlas {
public:
    // The largest atlas made; fonts whose glyphs need more are drawn a glyph at a time.
    static constexpr unsigned largestSide = 2048;

    struct Box {
        float left, right, top, bottom;
    };

    GlyphAtlas() = default;
    GlyphAtlas(const GlyphAtlas&) = delete;
    GlyphAtlas& operator=(const GlyphAtlas&) = delete;
    ~GlyphAtlas();

    // Starts an empty atlas for glyphs side x side; false, with no atlas, when it would be too large.
    bool Begin(unsigned glyphSide);
    // Copies one glyph's luminance-alpha image (side x side pairs, row 0 the top) into its cell.
    void Put(unsigned char code, const std::vector<std::uint8_t>& glyph);
    // Makes the texture from the image (needs a current GL context) and lets the image go.
    void Upload();
    void Release();

    // Zero when there is no atlas.
    unsigned Texture() const { return texture; }
    // The glyph's texture coordinates: left and right edge, top and bottom row.
    Box Cell(unsigned char code) const;

private:
    unsigned texture = 0;
    unsigned side = 0;
    unsigned width = 0;
    std::vector<std::uint8_t> image;
};

} // namespace Vorn
