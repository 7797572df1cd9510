// One font face at one pixel height on FreeType, found through fontconfig.
#include "platform/GlyphFace.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <array>
#include <stdexcept>

namespace platform {

struct GlyphFace::Library {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

namespace {

// Codes 0x80 to 0x9F of Windows-1252; the five the code page leaves undefined map to themselves.
constexpr std::array<char32_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct MatchedFont {
    std::string file;
    std::string family;
    int index = 0;
};

MatchedFont MatchFont(const std::string& face, bool bold, bool italic) {
    FcInit();
    FcPattern* request = FcPatternCreate();
    FcPatternAddString(request, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
    FcPatternAddInteger(request, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(request, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(request, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, request, FcMatchPattern);
    FcDefaultSubstitute(request);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, request, &result);
    FcPatternDestroy(request);
    MatchedFont matched;
    if (match == nullptr) {
        return matched;
    }
    FcChar8* text = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &text) == FcResultMatch) {
        matched.file = reinterpret_cast<const char*>(text);
    }
    if (FcPatternGetString(match, FC_FAMILY, 0, &text) == FcResultMatch) {
        matched.family = reinterpret_cast<const char*>(text);
    }
    FcPatternGetInteger(match, FC_INDEX, 0, &matched.index);
    FcPatternDestroy(match);
    return matched;
}

int Rounded26Dot6(FT_Pos value) {
    return static_cast<int>((value + 32) >> 6);
}

} // namespace

GlyphFace::GlyphFace(const std::string& face, int height, bool bold, bool italic)
    : library(std::make_unique<Library>()) {
    const MatchedFont matched = MatchFont(face, bold, italic);
    file = matched.file;
    family = matched.family;
    if (FT_Init_FreeType(&library->library) != 0) {
        throw std::runtime_error("cannot start the glyph renderer");
    }
    if (file.empty() || FT_New_Face(library->library, file.c_str(), matched.index, &library->face) != 0) {
        FT_Done_FreeType(library->library);
        throw std::runtime_error("cannot open a font for the face \"" + face + "\"");
    }
    // A height of h pixels is the em height, as a negative height asks of the game's original text code.
    FT_Size_RequestRec request{FT_SIZE_REQUEST_TYPE_NOMINAL, 0,
                               static_cast<FT_Long>(height < 1 ? 1 : height) << 6, 0, 0};
    FT_Request_Size(library->face, &request);
    // The file's own style decides: fontconfig reports the style asked for when it would synthesise it.
    const FT_Long style = library->face->style_flags;
    emboldened = bold && (style & FT_STYLE_FLAG_BOLD) == 0;
    if (italic && (style & FT_STYLE_FLAG_ITALIC) == 0) {
        // A forward lean of about 12 degrees stands in for a missing italic.
        FT_Matrix shear{0x10000, 0x3333, 0, 0x10000};
        FT_Set_Transform(library->face, &shear, nullptr);
    }
}

GlyphFace::~GlyphFace() {
    if (library->face != nullptr) {
        FT_Done_Face(library->face);
    }
    FT_Done_FreeType(library->library);
}

char32_t GlyphFace::CodePointOf(unsigned char code) {
    if (code >= 0x80 && code <= 0x9F) {
        return windows1252High[code - 0x80];
    }
    return code;
}

GlyphBitmap GlyphFace::Render(unsigned char code) const {
    GlyphBitmap glyph;
    FT_Face face = library->face;
    const FT_UInt index = FT_Get_Char_Index(face, CodePointOf(code));
    if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) {
        return glyph;
    }
    FT_GlyphSlot slot = face->glyph;
    if (emboldened && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        // Thickened sideways only, by a sixteenth of the em, so the letters keep their height.
        const FT_Pos strength = face->size->metrics.y_ppem * 4;
        FT_Outline_EmboldenXY(&slot->outline, strength, 0);
        slot->advance.x += strength;
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
        return glyph;
    }
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.metrics.blackBoxX = static_cast<int>(bitmap.width);
    glyph.metrics.blackBoxY = static_cast<int>(bitmap.rows);
    glyph.metrics.originX = slot->bitmap_left;
    glyph.metrics.originY = slot->bitmap_top;
    glyph.metrics.cellIncX = static_cast<std::int16_t>(Rounded26Dot6(slot->advance.x));
    glyph.metrics.cellIncY = static_cast<std::int16_t>(Rounded26Dot6(slot->advance.y));
    glyph.pitch = (glyph.metrics.blackBoxX + 3) / 4 * 4;
    glyph.grey.assign(static_cast<std::size_t>(glyph.pitch) * bitmap.rows, 0);
    for (unsigned int row = 0; row < bitmap.rows; ++row) {
        const unsigned char* source = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
        for (unsigned int column = 0; column < bitmap.width; ++column) {
            // 256 grey levels onto the 65 levels (0 to 64) the text code expects.
            glyph.grey[row * glyph.pitch + column] =
                static_cast<std::uint8_t>((source[column] * 64 + 127) / 255);
        }
    }
    return glyph;
}

} // namespace platform
