// One face at one size turned into a texture per character, drawn as one quad per character or as one
// array of quads from the atlas.
#include "graphics/TextFont.h"

#include "graphics/FontNames.h"
#include "platform/GlContext.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace Vorn {

// The quads of one text, for one call; kept between texts so that drawing allocates nothing.
struct TextQuads {
    std::vector<float> positions;
    std::vector<float> coordinates;
    std::vector<std::uint8_t> colours;

    void Clear() {
        positions.clear();
        coordinates.clear();
        colours.clear();
    }
};

namespace {

TextQuads& SharedQuads() {
    static TextQuads quads;
    return quads;
}

constexpr unsigned char tab = 9;
constexpr unsigned char underscore = 95;
constexpr unsigned char noBreakSpace = 160;
// Wider than any screen even at a pixel a stroke; a face with huge advances and a tiny "_" would otherwise
// lay millions of quads under one line.
constexpr double maxUnderlineStrokes = 8192;

// Grey levels 0 to 64 onto alpha: full ink stays full, the rest is stretched by four.
std::uint8_t AlphaOf(std::uint8_t grey) {
    return grey >= 64 ? 255 : static_cast<std::uint8_t>(grey * 4);
}

bool HasInk(unsigned char code) {
    return code >= 33 && code <= TextFont::LastGlyph && code != noBreakSpace;
}

bool Advances(unsigned char code) {
    return code >= TextFont::FirstGlyph && code <= TextFont::LastGlyph;
}

void SetColour(const FontColour& colour) {
    glColor4ub(colour.r, colour.g, colour.b, colour.a);
}

} // namespace

TextFont::~TextFont() {
    Release();
}

unsigned int TextFont::GlyphSide(int size) {
    unsigned int glyphSide = 4;
    while (glyphSide < static_cast<unsigned int>(std::clamp(size, 0, MaxSize))) {
        glyphSide *= 2;
    }
    return glyphSide;
}

int TextFont::CellHeight(int size) {
    return static_cast<int>(static_cast<float>(size) * 0.8f);
}

std::vector<std::uint8_t> TextFont::LayOutGlyph(const platform::GlyphBitmap& glyph, int size,
                                                unsigned int side) {
    std::vector<std::uint8_t> image(static_cast<std::size_t>(side) * side * 2, 0);
    const platform::GlyphMetrics& m = glyph.metrics;
    const bool fits = glyph.grey.size() <= static_cast<std::size_t>(size) * size && m.blackBoxX <= size &&
                      m.blackBoxY <= size;
    if (!fits || glyph.pitch <= 0) {
        return image;
    }
    const int rows = static_cast<int>(glyph.grey.size()) / glyph.pitch;
    for (int r = 0; r < rows; ++r) {
        const int row = CellHeight(size) + r - m.originY;
        if (row < 0 || row >= size) {
            continue;
        }
        for (int c = 0; c < glyph.pitch; ++c) {
            const int column = c + m.originX;
            if (column < 0 || column >= static_cast<int>(side)) {
                continue;
            }
            const std::size_t at = (static_cast<std::size_t>(row) * side + column) * 2;
            image[at] = 255;
            image[at + 1] = AlphaOf(glyph.grey[static_cast<std::size_t>(r) * glyph.pitch + c]);
        }
    }
    return image;
}

void TextFont::Create(const std::string& face, int size, bool bold, bool italic, bool underlined, double x,
                      double y) {
    Release();
    colour = FontColour{};
    shadow = false;
    shadowColour = FontColour{0, 0, 0, 191};
    shadowOffsetX = 1.0;
    shadowOffsetY = 1.0;
    metrics.fill({});
    underline = underlined;
    offsetX = x;
    offsetY = y;
    // Below one pixel there is nothing to render; the store refuses such sizes before they get here.
    const int clamped = std::clamp(size, 1, MaxSize);
    const platform::GlyphFace glyphs(face.empty() ? FontNames::defaultFace : face, CellHeight(clamped), bold,
                                     italic);
    glGenTextures(GlyphCount, textures.data());
    created = true;
    RenderGlyphs(glyphs, clamped);
}

void TextFont::CreateDefault() {
    Create(FontNames::defaultFace, FontNames::defaultSize, false, false, false, 0, 0);
}

void TextFont::RenderGlyphs(const platform::GlyphFace& face, int size) {
    side = GlyphSide(size);
    const bool atlased = atlas.Begin(side);
    const std::vector<std::uint8_t> empty(static_cast<std::size_t>(side) * side * 2, 0);
    for (int code = FirstGlyph; code <= LastGlyph; ++code) {
        const platform::GlyphBitmap glyph = face.Render(static_cast<unsigned char>(code));
        metrics[code] = glyph.metrics;
        const bool blank = code == ' ' || code == noBreakSpace;
        const std::vector<std::uint8_t> image = blank ? empty : LayOutGlyph(glyph, size, side);
        UploadGlyphTexture(textures[code], side, image);
        if (atlased)
            atlas.Put(static_cast<unsigned char>(code), image);
    }
    atlas.Upload();
}

void TextFont::Release() {
    if (created && platform::GlContext::IsAnyCurrent()) {
        glDeleteTextures(GlyphCount, textures.data());
    }
    atlas.Release();
    textures.fill(0);
    created = false;
}

// The corners in the order the single quads give them; positions are converted to single precision as
// the driver converts the single quads' vertices.
void TextFont::DrawQuad(unsigned char code, double x, double y, TextQuads* quads,
                        const FontColour& tint) const {
    const double s = side;
    if (quads != nullptr) {
        const GlyphAtlas::Box cell = atlas.Cell(code);
        const auto corner = [&](double cornerX, double cornerY, float u, float v) {
            quads->positions.insert(quads->positions.end(),
                                    {static_cast<float>(cornerX), static_cast<float>(cornerY)});
            quads->coordinates.insert(quads->coordinates.end(), {u, v});
            quads->colours.insert(quads->colours.end(), {tint.r, tint.g, tint.b, tint.a});
        };
        corner(x, y, cell.left, cell.bottom);
        corner(x + s, y, cell.right, cell.bottom);
        corner(x + s, y + s, cell.right, cell.top);
        corner(x, y + s, cell.left, cell.top);
        return;
    }
    glBindTexture(GL_TEXTURE_2D, textures[code]);
    glBegin(GL_QUADS);
    glTexCoord2d(0, 1);
    glVertex2d(x, y);
    glTexCoord2d(1, 1);
    glVertex2d(x + s, y);
    glTexCoord2d(1, 0);
    glVertex2d(x + s, y + s);
    glTexCoord2d(0, 0);
    glVertex2d(x, y + s);
    glEnd();
}

double TextFont::Advance(const char* text) const {
    double advance = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        const auto code = static_cast<unsigned char>(*c);
        if (Advances(code)) {
            advance += metrics[code].cellIncX;
        }
    }
    return advance;
}

// The strokes are counted, not stepped: from a pen far out (or at infinity) one more step would not move
// it, and the underline would never end. A face whose "_" does not advance gets one stroke.
void TextFont::DrawUnderline(double x, double y, const char* text, TextQuads* quads) const {
    const double length = Advance(text);
    const double step = metrics[underscore].cellIncX;
    const double strokes = length < 0  ? 0
                           : step <= 0 ? 1
                                       : std::min(std::floor(length / step) + 1, maxUnderlineStrokes);
    for (double stroke = 0; stroke < strokes; ++stroke) {
        DrawQuad(underscore, x + stroke * step, y, quads, colour);
    }
}

void TextFont::DrawQuads(const TextQuads& quads) const {
    if (quads.positions.empty()) {
        return;
    }
    glBindTexture(GL_TEXTURE_2D, atlas.Texture());
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, quads.positions.data());
    glTexCoordPointer(2, GL_FLOAT, 0, quads.coordinates.data());
    glColorPointer(4, GL_UNSIGNED_BYTE, 0, quads.colours.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(quads.positions.size() / 2));
    glPopClientAttrib();
    // The text's own colour stays current, as after drawing the quads one by one.
    SetColour(colour);
}

double TextFont::DrawText(double x, double y, const char* text) const {
    if (!created || text == nullptr) {
        return x;
    }
    TextQuads* quads = oneCallPerText && atlas.Texture() != 0 ? &SharedQuads() : nullptr;
    if (quads != nullptr) {
        quads->Clear();
    }
    glPushAttrib(GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT | GL_TEXTURE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    SetColour(colour);
    x += offsetX;
    y += offsetY;
    if (underline) {
        DrawUnderline(x, y, text, quads);
    }
    for (const char* c = text; *c != '\0'; ++c) {
        const auto code = static_cast<unsigned char>(*c);
        if (code == tab) {
            x += std::fmod(std::fabs(x), 32.0);
            continue;
        }
        if (HasInk(code)) {
            if (shadow) {
                if (quads == nullptr) {
                    SetColour(shadowColour);
                }
                DrawQuad(code, x + shadowOffsetX, y + shadowOffsetY, quads, shadowColour);
                if (quads == nullptr) {
                    SetColour(colour);
                }
            }
            DrawQuad(code, x, y, quads, colour);
        }
        if (Advances(code)) {
            x += metrics[code].cellIncX;
            y += metrics[code].cellIncY;
        }
    }
    if (quads != nullptr) {
        DrawQuads(*quads);
    }
    glPopAttrib();
    return x;
}

double TextFont::PrintText(double x, double y, const char* format, ...) const {
    char buffer[PrintLimit + 1];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return DrawText(x, y, buffer);
}

} // namespace Vorn
