// Font families added for this process and taken away again, and glyphs as the text code expects them.
#include "platform/FontInstaller.h"
#include "platform/GlyphFace.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

using platform::FontInstaller;
using platform::GlyphFace;

std::filesystem::path FontsFolder() {
    return testing_support::SourceDir() / "data/graphics/fonts";
}

TEST(FontInstaller, AddsAShippedFamilyForThisProcessAndRemovesItOnRelease) {
    if (FontInstaller::IsFamilyInstalled("Play")) {
        GTEST_SKIP() << "\"Play\" is installed on this system; nothing to add";
    }
    FontInstaller installer;
    installer.Create(FontsFolder().string());
    ASSERT_TRUE(installer.EnsureFontFamily("Play"));
    EXPECT_TRUE(FontInstaller::IsFamilyInstalled("Play"));
    ASSERT_EQ(installer.RegisteredFiles().size(), 1u);
    EXPECT_EQ(std::filesystem::path(installer.RegisteredFiles()[0]).filename(), "Play.ttf");
    EXPECT_TRUE(installer.EnsureFontFamily("Play"));
    EXPECT_EQ(installer.RegisteredFiles().size(), 1u) << "a family already known is not added twice";
    installer.Release();
    EXPECT_FALSE(FontInstaller::IsFamilyInstalled("Play"));
    EXPECT_TRUE(installer.RegisteredFiles().empty());
}

TEST(FontInstaller, InstalledFamiliesMatchExactlyAndUnknownOnesAreRefused) {
    FontInstaller installer;
    installer.Create(FontsFolder().string());
    EXPECT_TRUE(installer.EnsureFontFamily("DejaVu Sans"));
    EXPECT_TRUE(installer.RegisteredFiles().empty()) << "an installed family needs no file";
    EXPECT_FALSE(FontInstaller::IsFamilyInstalled("dejavu sans")) << "family names compare case-sensitively";
    EXPECT_FALSE(installer.EnsureFontFamily("Sector Clash Nowhere Sans"));
    EXPECT_TRUE(installer.RegisteredFiles().empty());
    installer.Release();
}

// The family names come from fonts.xml: none may leave the fonts folder, and none may throw.
TEST(FontInstaller, NamesThatAreNoFileOfTheFolderAreRefusedQuietly) {
    FontInstaller installer;
    installer.Create(FontsFolder().string());
    const std::string tooLong(5000, 'x');
    EXPECT_FALSE(installer.EnsureFontFamily(tooLong));
    EXPECT_FALSE(installer.EnsureFontFamily("../fonts/Play"));
    EXPECT_FALSE(installer.EnsureFontFamily(std::string("Play\0", 5)));
    EXPECT_FALSE(installer.EnsureFontFamily(""));
    EXPECT_TRUE(installer.RegisteredFiles().empty());
    installer.Release();
}

TEST(GlyphFace, Windows1252CodesMapToTheirCharacters) {
    EXPECT_EQ(GlyphFace::CodePointOf('A'), U'A');
    EXPECT_EQ(GlyphFace::CodePointOf(0x80), U'\u20AC');
    EXPECT_EQ(GlyphFace::CodePointOf(0x9F), U'\u0178');
    EXPECT_EQ(GlyphFace::CodePointOf(0x81), char32_t{0x81});
    EXPECT_EQ(GlyphFace::CodePointOf(0xFC), U'\u00FC');
    EXPECT_EQ(GlyphFace::CodePointOf(0xDF), U'\u00DF');
}

TEST(GlyphFace, GlyphsComeAsPaddedRowsOfSixtyFiveGreyLevels) {
    const GlyphFace face("DejaVu Sans", 20, false, false);
    const platform::GlyphBitmap glyph = face.Render('H');
    ASSERT_GT(glyph.metrics.blackBoxX, 0);
    EXPECT_EQ(glyph.pitch % 4, 0);
    EXPECT_GE(glyph.pitch, glyph.metrics.blackBoxX);
    EXPECT_EQ(glyph.grey.size(), static_cast<std::size_t>(glyph.pitch) * glyph.metrics.blackBoxY);
    EXPECT_EQ(*std::max_element(glyph.grey.begin(), glyph.grey.end()), 64);
    // "H" stands on the baseline, about three quarters of the em tall, and moves the pen.
    EXPECT_NEAR(glyph.metrics.originY, 15, 2);
    EXPECT_GT(glyph.metrics.cellIncX, glyph.metrics.blackBoxX);
    EXPECT_EQ(glyph.metrics.cellIncY, 0);
    EXPECT_TRUE(face.Render(' ').grey.empty());
}

TEST(GlyphFace, MissingStylesAreSynthesised) {
    if (!FontInstaller::IsFamilyInstalled("Play")) {
        FontInstaller installer;
        installer.Create(FontsFolder().string());
        ASSERT_TRUE(installer.EnsureFontFamily("Play"));
    }
    // Only the regular Play is shipped: bold is thickened, italic leaned.
    const GlyphFace regular("Play", 30, false, false);
    const GlyphFace bold("Play", 30, true, false);
    const GlyphFace italic("Play", 30, false, true);
    EXPECT_EQ(regular.Family(), "Play");
    EXPECT_GT(bold.Render('l').metrics.blackBoxX, regular.Render('l').metrics.blackBoxX);
    EXPECT_GT(italic.Render('l').metrics.blackBoxX, regular.Render('l').metrics.blackBoxX + 2);
}

TEST(GlyphFace, UnknownFacesAreSubstituted) {
    const GlyphFace face("Sector Clash Nowhere Sans", 16, false, false);
    EXPECT_FALSE(face.File().empty());
    EXPECT_GT(face.Render('A').metrics.blackBoxX, 0);
}

} // namespace
