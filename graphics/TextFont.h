// One face at one size turned into a texture per character, drawn as one quad per character; the glyphs
// are also kept together in one atlas, so that a whole text goes to the driver in one call.
#pragma once

#include "graphics/GlyphAtlas.h"
#include "platform/GlyphFace.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Vorn {

struct TextQuads;

struct FontColour {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

// Character codes are Windows-1252 bytes. Codes 32 to 254 have glyphs; tab moves the pen, every other
// control character (and 255) neither draws nor advances. Each glyph sits in a side x side cell whose
// baseline is CellHeight(size) rows below the top, and is drawn one texel per pixel with the pen at the
// bottom-left of the cell.
class TextFont {
public:
    static constexpr int MaxSize = 256;
    static constexpr int GlyphCount = 255;
    static constexpr int FirstGlyph = 32;
    static constexpr int LastGlyph = 254;
    static constexpr int PrintLimit = 255;

    TextFont() = default;
    ~TextFont();
    TextFont(const TextFont&) = delete;
    TextFont& operator=(const TextFont&) = delete;

    // Renders every glyph; needs a current GL context. An empty face means the default face; the size is
    // clamped to MaxSize. Throws std::runtime_error when no font file can be opened.
    void Create(const std::string& face, int size, bool bold, bool italic, bool underline, double offsetX,
                double offsetY);
    // The default face at the default size, no styles, no offset.
    void CreateDefault();
    // Draws and answers the pen's x after the last character. Draws nothing before Create.
    double DrawText(double x, double y, const char* text) const;
    // printf-formatted DrawText; output past PrintLimit characters is cut.
    double PrintText(double x, double y, const char* format, ...) const __attribute__((format(printf, 4, 5)));
    void Release();

    bool Created() const { return created; }
    unsigned int Side() const { return side; }
    // Code 255 has no glyph: empty metrics and no texture.
    const platform::GlyphMetrics& Metrics(unsigned char code) const {
        return code < GlyphCount ? metrics[code] : noGlyph;
    }
    // Replaces what the face said about one character (to tighten or widen its spacing); code 255 keeps
    // its empty metrics.
    void SetMetrics(unsigned char code, const platform::GlyphMetrics& replacement) {
        if (code < GlyphCount)
            metrics[code] = replacement;
    }
    unsigned int Texture(unsigned char code) const { return code < GlyphCount ? textures[code] : 0; }
    // How far DrawText moves the pen to the right over the text, tabs left out (they depend on where the
    // pen stands).
    double Advance(const char* text) const;
    // Zero when the glyphs are too large for one atlas (then they are drawn one by one).
    unsigned int AtlasTexture() const { return atlas.Texture(); }

    // Off, every character is drawn from its own texture with calls of its own: the picture the one
    // call per text must equal.
    static void SetOneCallPerText(bool on) { oneCallPerText = on; }

    // The smallest power of two from 4 to 256 that holds a clamped size.
    static unsigned int GlyphSide(int size);
    // The em height the glyphs are rendered at, and the baseline's row in the cell.
    static int CellHeight(int size);
    // The luminance-alpha image (side x side pairs, row 0 the top of the cell) of one glyph; all empty
    // when the glyph does not fit a size x size cell.
    static std::vector<std::uint8_t> LayOutGlyph(const platform::GlyphBitmap& glyph, int size,
                                                 unsigned int side);

    FontColour colour;
    bool underline = false;
    bool shadow = false;
    FontColour shadowColour{0, 0, 0, 191};
    double shadowOffsetX = 1.0;
    double shadowOffsetY = 1.0;
    double offsetX = 0;
    double offsetY = 0;

private:
    void RenderGlyphs(const platform::GlyphFace& face, int size);
    // Draws the quad at once, or adds it to quads in the colour given when quads is not null.
    void DrawQuad(unsigned char code, double x, double y, TextQuads* quads, const FontColour& tint) const;
    void DrawUnderline(double x, double y, const char* text, TextQuads* quads) const;
    void DrawQuads(const TextQuads& quads) const;

    static inline bool oneCallPerText = true;
    static inline const platform::GlyphMetrics noGlyph{};

    std::array<unsigned int, GlyphCount> textures{};
    std::array<platform::GlyphMetrics, GlyphCount> metrics{};
    GlyphAtlas atlas;
    unsigned int side = 0;
    bool created = false;
};

} // namespace Vorn
