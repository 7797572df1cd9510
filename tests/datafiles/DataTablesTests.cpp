// The text, callsign and colour tables, their fallbacks, and the type keywords.
#include "datafiles/CallsignTable.h"
#include "datafiles/ColourTable.h"
#include "datafiles/TextTable.h"
#include "datafiles/TypeKeywords.h"
#include "tests/datafiles/XmlTestHelpers.h"

#include <gtest/gtest.h>

using xml_test::Parse;

namespace {

std::vector<int> Bytes(const std::uint8_t* colour) {
    return {colour[0], colour[1], colour[2], colour[3]};
}

} // namespace

TEST(TextTable, UnknownIdentifiersAnswerThemselves) {
    TextTable table;
    LoadTexts(table, Parse("<en><Tower>Tower of Power</Tower></en>"), "en");
    EXPECT_EQ(table.TextOf("Tower"), "Tower of Power");
    EXPECT_EQ(table.TextOf("Nothing_here"), "Nothing_here");
}

TEST(TextTable, TabElementsInsertTabsAtTheirPositions) {
    TextTable table;
    LoadTexts(table, Parse("<en><t>one<tab/>two<tab/><b/><tab/>three</t><s> x </s></en>"), "en");
    EXPECT_EQ(table.TextOf("t"), "one\ttwo\t\tthree");
    EXPECT_EQ(table.TextOf("s"), " x "); // white space is part of the text
}

TEST(TextTable, ALaterElementReplacesTheEarlier) {
    TextTable table;
    LoadTexts(table, Parse("<en><k>first</k><k>second</k></en>"), "en");
    EXPECT_EQ(table.TextOf("k"), "second");
}

TEST(TextTable, TheConfiguredLanguageWinsAndEnglishIsTheFallback) {
    const Brisk::Node document =
        Parse("<en><k>english</k></en><de><k>deutsch</k></de><de><k>second</k></de>");
    TextTable german;
    LoadTexts(german, document, "de");
    EXPECT_EQ(german.TextOf("k"), "deutsch");
    TextTable fallback;
    LoadTexts(fallback, document, " de ");
    EXPECT_EQ(fallback.TextOf("k"), "english");
    TextTable none;
    LoadTexts(none, Parse("<fr><k>x</k></fr>"), "de");
    EXPECT_EQ(none.Size(), 0u);
}

TEST(CallsignTable, WordsComeFromTheFirstLetterOfTheElementName) {
    CallsignTable table;
    LoadCallsigns(
        table,
        Parse("<en><Alpha text=\"Able\"/><b text=\"baker\"/><Uniform text=\"Uncle\"/><9 text=\"x\"/>"
              "<Charlie/></en>"),
        "en");
    EXPECT_EQ(table.CallsignWord('A'), "Able");
    EXPECT_EQ(table.CallsignWord('b'), "baker");
    EXPECT_EQ(table.CallsignWord('B'), "_Undefined");
    EXPECT_EQ(table.CallsignWord('C'), "_Undefined");
    // Anything but a letter is called by the word of U.
    EXPECT_EQ(table.CallsignWord('7'), "Uncle");
    EXPECT_EQ(table.CallsignWord('\xC4'), "Uncle");
}

TEST(CallsignTable, ALoadStartsFromUndefinedWords) {
    CallsignTable table;
    LoadCallsigns(table, Parse("<en><A text=\"Alpha\"/></en>"), "en");
    LoadCallsigns(table, Parse(""), "en");
    EXPECT_EQ(table.CallsignWord('A'), "_Undefined");
}

TEST(ColourTable, ComponentsAreLowBytesAndAlphaDefaultsToZero) {
    ColourTable table;
    LoadColours(table, Parse("<red r=255 g=0 b=0 a=255/><glass r=1 g=2 b=3/><wrap r=256 g=-1 b=511 a=x/>"
                             "<partial r=1 g=2/><red r=9 g=9 b=9 a=9/>"));
    EXPECT_EQ(Bytes(table.ColourOf("glass")), (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(Bytes(table.ColourOf("wrap")), (std::vector<int>{0, 255, 255, 0}));
    EXPECT_EQ(Bytes(table.ColourOf("red")), (std::vector<int>{9, 9, 9, 9}));
    EXPECT_FALSE(table.Contains("partial"));
}

TEST(ColourTable, UnknownNamesAreOpaqueMagenta) {
    ColourTable table;
    EXPECT_EQ(Bytes(table.ColourOf("nowhere")), (std::vector<int>{255, 0, 255, 255}));
}

TEST(TypeKeywords, MatchInAnyCaseAndFallBackOtherwise) {
    EXPECT_EQ(TypeOfKeyword(tankTypeKeywords, "HEAVY", levelTankTypeFallback), 3);
    EXPECT_EQ(TypeOfKeyword(landmarkTypeKeywords, "bluesmoke", levelLandmarkTypeFallback), 3);
    EXPECT_EQ(TypeOfKeyword(landmarkTypeKeywords, "GreenSmoke", levelLandmarkTypeFallback), 4);
    EXPECT_EQ(TypeOfKeyword(turretTypeKeywords, "rocketsl", levelTurretTypeFallback), 9);
    EXPECT_EQ(TypeOfKeyword(turretTypeKeywords, "laser", levelTurretTypeFallback), 5);
    EXPECT_EQ(TypeOfKeyword(buildingTypeKeywords, "", levelBuildingTypeFallback), 3);
}
