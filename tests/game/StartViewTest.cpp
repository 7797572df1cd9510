// The camera starts over the player's own headquarters.
#include "scene/Camera.h"
#include "game/StartView.h"
#include "tests/game/LevelTestSupport.h"

namespace {

using StartView = LevelTest::LevelFixture;

TEST_F(StartView, TheCameraStartsOverTheSidesHeadquartersNotItsOtherBuildings) {
    Start("<building type=\"power\" color=\"Blue\" x=\"-900\" y=\"300\"/>"
          "<building type=\"base\" color=\"Blue\" group=\"H\" number=\"1\" x=\"1200\" y=\"-640\"/>"
          "<building type=\"base\" color=\"Green\" group=\"H\" number=\"1\" x=\"-1500\" y=\"800\"/>");
    Vorn::Camera camera(4096, 4096);
    Vorn::CentreOnHeadquarters(camera, *world, 3);
    EXPECT_FLOAT_EQ(camera.CentreX(), 1200);
    EXPECT_FLOAT_EQ(camera.CentreY(), -640);
}

TEST_F(StartView, ASideWithoutHeadquartersKeepsTheCentreOfTheMap) {
    Start("<building type=\"power\" color=\"Blue\" x=\"-900\" y=\"300\"/>");
    Vorn::Camera camera(4096, 4096);
    Vorn::CentreOnHeadquarters(camera, *world, 3);
    Vorn::CentreOnHeadquarters(camera, *world, 99);
    EXPECT_FLOAT_EQ(camera.CentreX(), 0);
    EXPECT_FLOAT_EQ(camera.CentreY(), 0);
}

} // namespace
