// What the game does with what a level says: the view glides to the level's point and stops there, the
// objectives panel lists open objectives first, and the briefing's text is broken into lines that fit.
#include "game/LevelNews.h"
#include "interface/TextWrap.h"
#include "scene/Camera.h"

#include <gtest/gtest.h>

using namespace Vorn;

TEST(LevelNews, TheViewGlidesToTheLevelsPointAndStops) {
    Camera camera(8000, 8000);
    camera.SetCentre(0, 0);
    LevelPresentation presentation;
    LevelNews news;
    news.MoveCamera(presentation, camera, 100);
    EXPECT_FALSE(news.Gliding()) << "no move asked for";
    presentation.cameraX = 1000;
    presentation.cameraY = -400;
    presentation.cameraMoves = 1;
    news.MoveCamera(presentation, camera, 100);
    EXPECT_NEAR(camera.CentreX(), 1000 * LevelNews::glideShare, 1);
    EXPECT_NEAR(camera.CentreY(), -400 * LevelNews::glideShare, 1);
    for (int frame = 0; frame < 300 && news.Gliding(); ++frame)
        news.MoveCamera(presentation, camera, 16);
    EXPECT_FALSE(news.Gliding());
    EXPECT_EQ(camera.CentreX(), 1000);
    EXPECT_EQ(camera.CentreY(), -400);
    // The player scrolls away; the same point asked again takes the view back.
    camera.SetCentre(0, 0);
    news.MoveCamera(presentation, camera, 16);
    EXPECT_EQ(camera.CentreX(), 0) << "an old move is not made again";
    presentation.cameraMoves = 2;
    news.MoveCamera(presentation, camera, 16);
    EXPECT_GT(camera.CentreX(), 0);
}

TEST(LevelNews, OpenObjectivesComeFirstAndTheOthersAreMarked) {
    const std::vector<ObjectiveLine> lines = ObjectiveLines({{"a", "Done thing", ObjectiveState::Completed},
                                                             {"b", "Open thing", ObjectiveState::Open},
                                                             {"c", "Lost thing", ObjectiveState::Failed},
                                                             {"d", "Another", ObjectiveState::Open}});
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, "Open thing");
    EXPECT_EQ(lines[1].text, "Another");
    EXPECT_EQ(lines[2].mark, ObjectiveLine::Mark::Ticked);
    EXPECT_EQ(lines[3].mark, ObjectiveLine::Mark::Crossed);
}

TEST(TextWrap, BreaksAtSpacesWithinTheWidthAndKeepsLineBreaks) {
    const auto measure = [](const std::string& text) { return static_cast<double>(text.size()); };
    EXPECT_EQ(WrapText("one two three four", 9, measure),
              (std::vector<std::string>{"one two", "three", "four"}));
    EXPECT_EQ(WrapText("a enormousword b", 5, measure), (std::vector<std::string>{"a", "enormousword", "b"}));
    EXPECT_EQ(WrapText("first\nsecond  line", 40, measure),
              (std::vector<std::string>{"first", "second line"}));
}
