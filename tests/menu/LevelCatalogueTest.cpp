// What the start screen says about a level, read from its document.
#include "menu/LevelCatalogue.h"
#include "datafiles/Node.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

Brisk::Node Document(const char* text) {
    Brisk::Node document;
    document.LoadText(text);
    return document;
}

TEST(LevelCatalogue, TheTimeLimitIsTheEarliestTimedRequestOfAnEventThatLosesTheLevel) {
    const Vorn::LevelEntry entry = Vorn::DescribeLevel(Document(R"(
        <level width="4096" height="2048" skirmish="64"/>
        <info title="level9_title" description="Plain words."/>
        <event name="start">
          <new><building type="base" color="Blue" x="0" y="0"/><landmark type="deposit" color="Neutral" x="1" y="1"/>
               <tank type="light" color="Red" x="5" y="5"/></new>
          <commander color="Red" difficulty="hard"/>
          <request event="wave" when="time" value="60000"/>
          <request event="timeout" when="time" value="900000"/>
          <request event="late" when="time" value="1200000"/>
        </event>
        <event name="wave"><beep/></event>
        <event name="timeout"><quit status="false"/></event>
        <event name="late"><quit status="false"/></event>
        <event name="won"><quit status="true"/></event>)"),
                                                       "levels/level9.xml");
    EXPECT_EQ(entry.title, "level9_title");
    EXPECT_EQ(entry.description, "Plain words.");
    EXPECT_EQ(entry.width, 4096);
    EXPECT_EQ(entry.height, 2048);
    EXPECT_EQ(entry.skirmish, 64);
    ASSERT_TRUE(entry.timeLimitMs.has_value());
    EXPECT_EQ(*entry.timeLimitMs, 900000u);
    EXPECT_EQ(entry.sides, (std::vector<int>{1, 3})) << "Neutral is the map's, not a side that fights";
    ASSERT_EQ(entry.startObjects.size(), 3u) << "the preview shows every object placed, the map's own too";
    EXPECT_EQ(entry.startObjects[2].side, 1);
    EXPECT_FLOAT_EQ(entry.startObjects[2].x, 5);
    ASSERT_EQ(entry.commanders.size(), 1u) << "the New game page starts from the level's own opponents";
    EXPECT_EQ(entry.commanders[0].side, 1);
    EXPECT_EQ(entry.commanders[0].difficulty, "hard");

    const Vorn::LevelEntry untitled = Vorn::DescribeLevel(
        Document(R"(<level width="10" height="10"/><event name="start"/>)"), "levels/own.xml");
    EXPECT_EQ(untitled.title, "own");
    EXPECT_FALSE(untitled.timeLimitMs.has_value());
}

TEST(LevelCatalogue, ListsTheShippedLevelsInOrderWithTheirTitles) {
    const std::vector<Vorn::LevelEntry> levels = Vorn::ListLevels();
    ASSERT_GE(levels.size(), 3u);
    EXPECT_EQ(levels[0].file, "levels/level0.xml");
    EXPECT_EQ(levels[1].file, "levels/level1.xml");
    for (const Vorn::LevelEntry& level : levels)
        EXPECT_NE(level.title.find("_title"), std::string::npos) << level.file << " names no texts.xml title";
}

} // namespace
