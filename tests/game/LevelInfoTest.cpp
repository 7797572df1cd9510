// A level's "info": the texts the start screen and the campaign show, and a name for levels without one.
#include "game/LevelInfo.h"

#include <gtest/gtest.h>

namespace {

Vorn::LevelInfo InfoOf(const char* text) {
    Brisk::Node document;
    document.LoadText(text);
    return Vorn::ReadLevelInfo(document);
}

} // namespace

TEST(LevelInfo, TheFirstInfoElementGivesTheTextsAndALevelWithoutOneIsNamedByItsFile) {
    const Vorn::LevelInfo info = InfoOf("<level width=\"10\" height=\"10\"/>"
                                        "<info title=\"level_title_0\" description=\"Hold the east.\" "
                                        "briefing=\"Green is coming.\"/><info title=\"second\"/>");
    EXPECT_EQ(info.title, "level_title_0");
    EXPECT_EQ(info.description, "Hold the east.");
    EXPECT_EQ(info.briefing, "Green is coming.");
    EXPECT_EQ(Vorn::LevelTitleOrFileName(info, "levels/level0.xml"), "level_title_0");

    const Vorn::LevelInfo none = InfoOf("<level width=\"10\" height=\"10\"/><event name=\"start\"/>");
    EXPECT_TRUE(none.title.empty() && none.description.empty() && none.briefing.empty());
    EXPECT_EQ(Vorn::LevelTitleOrFileName(none, "levels/level1.xml"), "level1");
    EXPECT_EQ(Vorn::LevelTitleOrFileName(none, "/home/a.b/my level.xml"), "my level");
    EXPECT_EQ(Vorn::LevelTitleOrFileName(none, "noextension"), "noextension");
}
