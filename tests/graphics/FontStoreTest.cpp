// The named fonts of "fonts.xml": which entries are built, the colour rules, the fallbacks of FindFont,
// and the shipped description and families.
#include "graphics/FontStore.h"
#include "graphics/FontNames.h"
#include "platform/FontInstaller.h"
#include "tests/support/GlTestWindow.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

namespace {

using testing_support::GlTestWindow;
using Vorn::FontStore;

Brisk::Node Parse(const char* text) {
    Brisk::Node document;
    EXPECT_EQ(document.LoadText(text), 0);
    return document;
}

std::optional<Vorn::FontEntry> EntryOf(const char* text, std::string* reason = nullptr) {
    const Brisk::Node document = Parse(text);
    EXPECT_EQ(document.children.size(), 1u);
    return FontStore::ReadEntry(document.children.front(), reason);
}

TEST(FontEntry, FaceTypeAndAPositiveSizeAreRequired) {
    std::string reason;
    EXPECT_FALSE(EntryOf("<f><type size=\"12\"/></f>", &reason));
    EXPECT_EQ(reason, "no \"face\"");
    EXPECT_FALSE(EntryOf("<f><face>B612</face></f>", &reason));
    EXPECT_FALSE(EntryOf("<f><face>B612</face><type bold=\"1\"/></f>", &reason));
    EXPECT_FALSE(EntryOf("<f><face>B612</face><type size=\"0\"/></f>", &reason));
    EXPECT_FALSE(EntryOf("<f><face>B612</face><type size=\"-4\"/></f>", &reason));
    EXPECT_EQ(reason, "\"size\" is not positive");
    const auto entry =
        EntryOf("<f><face>B612</face><type size=\"12\" bold=\"yes\" italic=\"false\" underline=\"0\"/>"
                "<offset x=\"1.5\"/></f>");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->face, "B612");
    EXPECT_EQ(entry->size, 12);
    EXPECT_TRUE(entry->bold);
    EXPECT_FALSE(entry->italic);
    EXPECT_FALSE(entry->underline);
    EXPECT_DOUBLE_EQ(entry->offsetX, 1.5);
    EXPECT_DOUBLE_EQ(entry->offsetY, 0.0);
}

TEST(FontEntry, ColourNeedsRedGreenAndBlueTogetherWhileAlphaStandsAlone) {
    const auto partial =
        EntryOf("<f><face>B612</face><type size=\"12\"/><color r=\"200\" g=\"100\" a=\"50\"/></f>");
    ASSERT_TRUE(partial);
    EXPECT_FALSE(partial->rgb);
    ASSERT_TRUE(partial->alpha);
    EXPECT_EQ(*partial->alpha, 50);
    const auto full = EntryOf("<f><face>B612</face><type size=\"12\"/><color r=\"1\" g=\"2\" b=\"3\"/></f>");
    ASSERT_TRUE(full && full->rgb);
    EXPECT_EQ(full->rgb->b, 3);
    EXPECT_FALSE(full->alpha);
}

TEST(FontEntry, ShadowOffsetNeedsBothCoordinates) {
    const auto half =
        EntryOf("<f><face>B612</face><type size=\"12\"/><shadow><offset x=\"3\"/></shadow></f>");
    ASSERT_TRUE(half);
    EXPECT_TRUE(half->shadow);
    EXPECT_FALSE(half->shadowOffset);
    const auto both = EntryOf("<f><face>B612</face><type size=\"12\"/><shadow><offset x=\"3\" y=\"-2\"/>"
                              "<color a=\"90\"/></shadow></f>");
    ASSERT_TRUE(both && both->shadowOffset);
    EXPECT_DOUBLE_EQ(both->shadowOffset->second, -2.0);
    EXPECT_EQ(*both->shadowAlpha, 90);
}

TEST(FontEntry, FamiliesAreTheFacesOnceEachInDocumentOrder) {
    FontStore store;
    store.Load(Parse("<a><face>Play</face><type size=\"9\"/></a><b><face>B612</face><type size=\"9\"/></b>"
                     "<c><face>Play</face><type size=\"9\"/></c><d><face>Skipped</face></d>"));
    EXPECT_EQ(store.Families(), (std::vector<std::string>{"Play", "B612"}));
}

class FontStoreTest : public testing::Test {
protected:
    void SetUp() override {
        if (!window.Ok()) {
            GTEST_SKIP() << "no GL display: " << window.Reason();
        }
    }
    GlTestWindow window{64, 64};
    FontStore store;
};

TEST_F(FontStoreTest, AppliesColourRulesAndShadowToTheBuiltFont) {
    store.Load(
        Parse("<partial><face>B612</face><type size=\"10\"/><color r=\"200\" g=\"100\" a=\"50\"/>"
              "<shadow><offset x=\"3\" y=\"-2\"/><color r=\"9\" g=\"8\" b=\"7\"/></shadow></partial>"));
    store.Create();
    const Vorn::TextFont& font = store.FindFont("partial");
    EXPECT_EQ(font.colour.r, 0);
    EXPECT_EQ(font.colour.g, 0);
    EXPECT_EQ(font.colour.a, 50);
    EXPECT_TRUE(font.shadow);
    EXPECT_DOUBLE_EQ(font.shadowOffsetX, 3.0);
    EXPECT_EQ(font.shadowColour.b, 7);
    EXPECT_EQ(font.shadowColour.a, 191);
}

TEST_F(FontStoreTest, UnknownNamesAndDefaultFallBackToTheFirstFont) {
    store.Load(Parse("<skipped><face>B612</face></skipped><first><face>B612</face><type size=\"10\"/></first>"
                     "<second><face>Play</face><type size=\"20\"/></second>"));
    store.Create();
    EXPECT_EQ(store.FontCount(), 2u);
    EXPECT_EQ(&store.FindFont("default"), &store.FindFont("first"));
    EXPECT_EQ(&store.FindFont("no such font"), &store.FindFont("first"));
    EXPECT_NE(&store.FindFont("second"), &store.FindFont("first"));
}

TEST_F(FontStoreTest, WithoutAnyUsableFontFindFontAnswersABuiltInDefault) {
    const Vorn::TextFont& early = store.FindFont("default");
    EXPECT_TRUE(early.Created()) << "asked before the fonts were built";
    EXPECT_EQ(early.Side(), Vorn::TextFont::GlyphSide(Vorn::FontNames::defaultSize));
    store.Release();
    store.Load(Parse("<broken><type size=\"10\"/></broken>"));
    store.Create();
    EXPECT_TRUE(store.FindFont("info_title").Created());
}

TEST_F(FontStoreTest, AMissingFamilyDoesNotStopTheFontsBeingBuilt) {
    store.OpenInstaller(testing_support::SourceDir() / Vorn::FontNames::fontsDirectory);
    EXPECT_FALSE(store.EnsureFamily("Sector Clash Nowhere Sans"));
    store.Load(Parse("<first><face>Sector Clash Nowhere Sans</face><type size=\"10\"/></first>"));
    EXPECT_NO_THROW(store.Create());
    EXPECT_TRUE(store.FindFont("first").Created());
    store.ReleaseInstaller();
}

TEST(ShippedFonts, EveryNameTheGameAsksForIsDefinedAndEveryFaceIsShipped) {
    Brisk::Node document;
    ASSERT_EQ(
        document.LoadFile((testing_support::SourceDir() / "data" / Vorn::FontNames::fontsFile).string()), 0);
    FontStore store;
    store.Load(document);
    for (std::string_view name : Vorn::FontNames::RequiredFontNames()) {
        const Brisk::Node* element = document.FindChild(std::string(name));
        ASSERT_NE(element, nullptr) << name;
        EXPECT_TRUE(FontStore::ReadEntry(*element)) << name;
    }
    ASSERT_EQ(store.Families().size(), 3u) << "the loading mode ensures three families";
    platform::FontInstaller installer;
    installer.Create((testing_support::SourceDir() / Vorn::FontNames::fontsDirectory).string());
    for (const std::string& family : store.Families()) {
        EXPECT_TRUE(installer.EnsureFontFamily(family)) << family;
        EXPECT_TRUE(platform::FontInstaller::IsFamilyInstalled(family)) << family;
    }
    installer.Release();
}

} // namespace
