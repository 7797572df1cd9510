// One font face at one pixel height, rendering single characters as 8-bit grey bitmaps with their metrics.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

// Where a glyph's ink lies, measured as the text code expects: the black box is the inked rectangle, the
// origin is the offset from the pen position to the box's top-left corner (y up from the baseline), and the
// cell increment is how far the pen moves.
struct GlyphMetrics {
    int blackBoxX = 0;
    int blackBoxY = 0;
    int originX = 0;
    int originY = 0;
    std::int16_t cellIncX = 0;
    std::int16_t cellIncY = 0;
};

// Grey levels 0 to 64, rows of `pitch` bytes from the top; the pitch is a multiple of 4.
struct GlyphBitmap {
    GlyphMetrics metrics;
    int pitch = 0;
    std::vector<std::uint8_t> grey;
};

class GlyphFace {
public:
    // Opens the face's file at an em height of `height` pixels. An unknown face gets the system's closest
    // substitute; a bold or italic style the file lacks is synthesised. Throws std::runtime_error when
    // no font file can be opened at all.
    GlyphFace(const std::string& face, int height, bool bold, bool italic);
    ~GlyphFace();
    GlyphFace(const GlyphFace&) = delete;
    GlyphFace& operator=(const GlyphFace&) = delete;

    // The glyph of a character code of the Windows-1252 code page (the code page the game's texts use).
    GlyphBitmap Render(unsigned char code) const;
    // The file the face was opened from, and its family name.
    const std::string& File() const { return file; }
    const std::string& Family() const { return family; }

    // The Unicode code point of a Windows-1252 character code (undefined codes map to themselves).
    static char32_t CodePointOf(unsigned char code);

private:
    struct Library;
    std::unique_ptr<Library> library;
    std::string file;
    std::string family;
    bool emboldened = false;
};

} // namespace platform
