// Text on screen: the glyph cell's layout, quads drawn one texel per pixel, the pen's rules for tabs and
// control characters, the underline, and the Windows-1252 characters of the game's texts.
#include "graphics/TextFont.h"
#include "graphics/FontNames.h"
#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

using Vorn::TextFont;

using testing_support::GlTestWindow;
using testing_support::Pixel;

using testing_support::black;
using testing_support::white;

// A glyph that is one full row of grey 64 except its last column, with the given origin.
platform::GlyphBitmap Bar(int width, int rows, int originX, int originY) {
    platform::GlyphBitmap glyph;
    glyph.metrics = {width, rows, originX, originY, static_cast<std::int16_t>(width), 0};
    glyph.pitch = (width + 3) / 4 * 4;
    glyph.grey.assign(static_cast<std::size_t>(glyph.pitch) * rows, 64);
    return glyph;
}

std::uint8_t AlphaAt(const std::vector<std::uint8_t>& image, unsigned side, int row, int column) {
    return image[(static_cast<std::size_t>(row) * side + column) * 2 + 1];
}

TEST(GlyphCell, SizeIsClampedAndTheSideIsThePowerOfTwoAboveIt) {
    EXPECT_EQ(TextFont::GlyphSide(300), 256u);
    EXPECT_EQ(TextFont::GlyphSide(12), 16u);
    EXPECT_EQ(TextFont::GlyphSide(16), 16u);
    EXPECT_EQ(TextFont::GlyphSide(1), 4u);
    EXPECT_EQ(TextFont::CellHeight(12), 9);
    EXPECT_EQ(TextFont::CellHeight(16), 12);
}

TEST(GlyphCell, RowsHangFromTheBaselineAndGreyBecomesAlpha) {
    platform::GlyphBitmap glyph = Bar(3, 2, 2, 5);
    glyph.grey[1] = 10;
    const std::vector<std::uint8_t> image = TextFont::LayOutGlyph(glyph, 12, 16);
    // Baseline row 9, glyph top 5 above it: the bitmap's first row lands on row 4, shifted 2 right.
    EXPECT_EQ(AlphaAt(image, 16, 4, 2), 255);
    EXPECT_EQ(AlphaAt(image, 16, 4, 3), 40);
    EXPECT_EQ(AlphaAt(image, 16, 5, 4), 255);
    EXPECT_EQ(AlphaAt(image, 16, 3, 2), 0);
    EXPECT_EQ(AlphaAt(image, 16, 6, 2), 0);
    EXPECT_EQ(AlphaAt(image, 16, 4, 1), 0);
    EXPECT_EQ(image[(4 * 16 + 2) * 2], 255) << "luminance is white wherever a pixel is written";
}

TEST(GlyphCell, PixelsOutsideTheCellAreDroppedAndOversizedGlyphsLeftEmpty) {
    // Origin 12 above a baseline at 9 puts the first three rows above the cell; origin -2 the first
    // two columns left of it.
    const std::vector<std::uint8_t> clipped = TextFont::LayOutGlyph(Bar(4, 4, -2, 12), 12, 16);
    EXPECT_EQ(AlphaAt(clipped, 16, 0, 0), 255);
    EXPECT_EQ(AlphaAt(clipped, 16, 0, 2), 0) << "only columns 2 and 3 of the bitmap fall inside";
    EXPECT_EQ(AlphaAt(clipped, 16, 1, 0), 0);
    const std::vector<std::uint8_t> tooWide = TextFont::LayOutGlyph(Bar(13, 2, 0, 5), 12, 16);
    EXPECT_EQ(std::count(tooWide.begin(), tooWide.end(), 0), static_cast<long>(tooWide.size()));
}

// A real font in a real window; each test gets it with the default colour black turned white.
class TextFontTest : public testing::Test {
protected:
    void SetUp() override {
        if (!window.Ok()) {
            GTEST_SKIP() << "no GL display: " << window.Reason();
        }
        window.Clear();
        font.Create(Vorn::FontNames::defaultFace, 12, false, false, false, 0, 0);
        font.colour = {255, 255, 255, 255};
    }
    void TearDown() override { TextFont::SetOneCallPerText(true); }

    // Replaces the glyph of `code` by a full-cell image: opaque except its top row (transparent) and its
    // left column (transparent), so orientation and scale both show in the pixels.
    // The marker lives in the glyph's own texture, so the text is drawn from those for the rest of the test.
    void PaintMarkerGlyph(unsigned char code) {
        TextFont::SetOneCallPerText(false);
        const unsigned side = font.Side();
        std::vector<std::uint8_t> image(side * side * 2, 255);
        for (unsigned i = 0; i < side; ++i) {
            image[i * 2 + 1] = 0;          // row 0: the top of the cell
            image[(i * side) * 2 + 1] = 0; // column 0
        }
        glBindTexture(GL_TEXTURE_2D, font.Texture(code));
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE8_ALPHA8, side, side, 0, GL_LUMINANCE_ALPHA,
                     GL_UNSIGNED_BYTE, image.data());
    }

    int InkIn(int left, int bottom, int width, int height) const {
        int ink = 0;
        for (int y = bottom; y < bottom + height; ++y) {
            for (int x = left; x < left + width; ++x) {
                ink += window.ReadPixel(x, y) == black ? 0 : 1;
            }
        }
        return ink;
    }

    GlTestWindow window{160, 120};
    Vorn::TextFont font;
};

TEST_F(TextFontTest, Size12DrawsSixteenPixelQuadsOneTexelPerPixel) {
    ASSERT_EQ(font.Side(), 16u);
    PaintMarkerGlyph('X');
    font.DrawText(20, 30, "X");
    // The quad covers x 20..35 and y 30..45; its top row and left column carry the transparent texels.
    EXPECT_EQ(window.ReadPixel(21, 30), white);
    EXPECT_EQ(window.ReadPixel(35, 44), white);
    EXPECT_EQ(window.ReadPixel(21, 45), black) << "texture row 0 is the top of the cell";
    EXPECT_EQ(window.ReadPixel(20, 30), black) << "texture column 0 is the left of the cell";
    EXPECT_EQ(window.ReadPixel(36, 30), black);
    EXPECT_EQ(window.ReadPixel(21, 29), black);
}

TEST_F(TextFontTest, Size300IsRenderedInto256PixelCells) {
    font.Create(Vorn::FontNames::defaultFace, 300, false, false, false, 0, 0);
    EXPECT_EQ(font.Side(), 256u);
}

TEST_F(TextFontTest, TabMovesThePenByItsDistanceFromAMultipleOf32) {
    EXPECT_DOUBLE_EQ(font.DrawText(40, 10, "\t"), 48.0);
    EXPECT_DOUBLE_EQ(font.DrawText(64, 10, "\t"), 64.0);
    font.offsetX = 8;
    EXPECT_DOUBLE_EQ(font.DrawText(32, 10, "\t"), 48.0) << "the offset is added before the tab";
}

TEST_F(TextFontTest, ControlCharactersNeitherDrawNorAdvance) {
    const double plain = font.DrawText(10, 10, "AB");
    window.Clear();
    EXPECT_DOUBLE_EQ(font.DrawText(10, 10,
                                   "A\x01\x1f\n\xff"
                                   "B"),
                     plain);
    window.Clear();
    EXPECT_DOUBLE_EQ(font.DrawText(10, 10, "\x01\x02\x1b\xff"), 10.0);
    EXPECT_EQ(InkIn(0, 0, 60, 40), 0);
}

TEST_F(TextFontTest, UnderlinedEmptyTextDrawsOneUnderscore) {
    PaintMarkerGlyph('_');
    font.underline = true;
    EXPECT_DOUBLE_EQ(font.DrawText(20, 30, ""), 20.0);
    EXPECT_EQ(window.ReadPixel(21, 30), white);
    EXPECT_EQ(window.ReadPixel(35, 30), white);
    EXPECT_EQ(InkIn(36, 30, 40, 16), 0) << "a second stroke was drawn";
}

TEST_F(TextFontTest, UnderlineEndsWhenTheUnderscoreDoesNotAdvance) {
    PaintMarkerGlyph('_');
    platform::GlyphMetrics still = font.Metrics('_');
    still.cellIncX = 0;
    font.SetMetrics('_', still);
    font.underline = true;
    font.DrawText(20, 30, "long text");
    EXPECT_EQ(window.ReadPixel(21, 30), white);
}

TEST_F(TextFontTest, UnderlineEndsFromAPenFarOutOrAtInfinity) {
    font.underline = true;
    EXPECT_DOUBLE_EQ(font.DrawText(1e18, 30, "long text"), 1e18 + font.Advance("long text"));
    EXPECT_EQ(font.DrawText(std::numeric_limits<double>::infinity(), 30, "text"),
              std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(font.DrawText(std::nan(""), 30, "text")));
}

// 255 is the one byte past the glyphs: it must read as nothing wherever a text is measured or drawn.
TEST_F(TextFontTest, Code255HasNoGlyphNoWidthAndNoUnderline) {
    const platform::GlyphMetrics& none = font.Metrics(0xFF);
    EXPECT_EQ(none.blackBoxX, 0);
    EXPECT_EQ(none.blackBoxY, 0);
    EXPECT_EQ(none.cellIncX, 0);
    EXPECT_EQ(font.Texture(0xFF), 0u);
    EXPECT_DOUBLE_EQ(font.Advance("A\xff\x01"
                                  "B"),
                     font.Advance("AB"));
    EXPECT_GT(font.Advance("AB"), 0);
    PaintMarkerGlyph('_');
    font.underline = true;
    font.DrawText(20, 30, "\xff\xff\xff");
    EXPECT_EQ(window.ReadPixel(21, 30), white);
    EXPECT_EQ(InkIn(36, 30, 40, 16), 0) << "the underline ran on past the empty text";
}

TEST_F(TextFontTest, ShadowIsDrawnBehindAtItsOffset) {
    PaintMarkerGlyph('X');
    font.shadow = true;
    font.shadowColour = {255, 0, 0, 255};
    font.shadowOffsetX = 4;
    font.shadowOffsetY = -4;
    font.DrawText(20, 30, "X");
    EXPECT_EQ(window.ReadPixel(22, 32), white);
    EXPECT_EQ(window.ReadPixel(38, 28), (Pixel{255, 0, 0}));
}

TEST_F(TextFontTest, PrintTextCutsItsOutputAt255Characters) {
    const std::string many(300, 'i');
    const std::string cut(255, 'i');
    EXPECT_DOUBLE_EQ(font.PrintText(0, 0, "%s", many.c_str()), font.DrawText(0, 0, cut.c_str()));
}

TEST_F(TextFontTest, GermanAndAccentedLettersHaveTheirMarks) {
    font.Create(Vorn::FontNames::defaultFace, 48, false, false, false, 0, 0);
    font.colour = {255, 255, 255, 255};
    // "u" and "ü" (0xFC in Windows-1252) share their lower part; only the umlaut has ink above the x-height.
    const int cell = static_cast<int>(font.Side());
    font.DrawText(10, 10, "u");
    const int plainTop = InkIn(10, 10 + cell / 2, cell, cell / 2);
    window.Clear();
    font.DrawText(10, 10, "\xfc");
    const int umlautTop = InkIn(10, 10 + cell / 2, cell, cell / 2);
    EXPECT_GT(umlautTop, plainTop + 10);
    for (const char* letter : {"\xe4", "\xf6", "\xdf", "\xe9", "\x80"}) {
        window.Clear();
        font.DrawText(10, 10, letter);
        EXPECT_GT(InkIn(10, 10, cell, cell), 20) << static_cast<int>(static_cast<unsigned char>(*letter));
    }
}

} // namespace

// Texts drawn as one array from the atlas look as drawn a character at a time from the glyphs' own
// textures: shadows, underlines, tabs, translucent colours, two sizes. With the pen on whole pixels every
// texel is read exactly and the pictures are the same; between pixels the filter's weights come from
// coordinates in a larger texture, and a few pixels may differ by one step.
TEST_F(TextFontTest, OneCallPerTextGivesTheSamePixelsAsOneCallPerCharacter) {
    Vorn::TextFont large;
    large.Create(Vorn::FontNames::defaultFace, 20, true, false, true, 0, 0);
    ASSERT_NE(font.AtlasTexture(), 0u);
    ASSERT_NE(large.AtlasTexture(), 0u);
    const auto scene = [&](bool oneCall, double fraction) {
        TextFont::SetOneCallPerText(oneCall);
        window.Clear(0.1f, 0.2f, 0.3f);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        font.colour = {255, 255, 255, 255};
        font.shadow = false;
        font.underline = false;
        font.DrawText(2, 100, "Units: 243, Bullets: 000");
        font.shadow = true;
        font.colour = {250, 210, 90, 200};
        font.DrawText(3 + fraction, 80 + fraction / 2, "Vendel (Blue)\tMoney: 0");
        font.underline = true;
        font.DrawText(-4, 60,
                      "\xc4rger \xfc"
                      "ber gro\xdf"
                      "e Stra\xdf"
                      "en");
        large.colour = {90, 255, 120, 160};
        large.shadow = true;
        large.DrawText(10 + fraction, 20 - fraction, "Headquarters");
        large.DrawText(100, 2, "Wg_|");
        std::vector<std::uint8_t> pixels(160 * 120 * 4);
        glReadPixels(0, 0, 160, 120, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    };
    for (const double fraction : {0.0, 0.3, 0.5}) {
        const std::vector<std::uint8_t> characters = scene(false, fraction);
        const std::vector<std::uint8_t> texts = scene(true, fraction);
        int inked = 0;
        int differing = 0;
        int largest = 0;
        for (std::size_t i = 0; i < characters.size(); i += 4) {
            inked += characters[i] != 25 || characters[i + 1] != 51 ? 1 : 0;
            int apart = 0;
            for (std::size_t c = i; c < i + 3; ++c)
                apart = std::max(apart, std::abs(characters[c] - texts[c]));
            differing += apart > 0 ? 1 : 0;
            largest = std::max(largest, apart);
        }
        EXPECT_GT(inked, 1500);
        EXPECT_LE(differing, fraction == 0 ? 0 : 8) << "pen " << fraction << " off the pixels";
        EXPECT_LE(largest, 1) << "pen " << fraction << " off the pixels";
    }
}
