// A selected tank's route: a line from the tank through its waypoints and a dot at each, in the named
// colours, leaving the caller's drawing state as it was.
#include "DrivingWorld.h"
#include "datafiles/ColourTable.h"
#include "scene/WaypointDraw.h"
#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

using namespace Vorn;
using testing_support::Pixel;

namespace {
class WaypointDrawing : public ::testing::Test, public AiTest::DrivingWorld {
protected:
    void SetUp() override {
        colourTable.Store("waypoint_line", {0, 255, 0, 255});
        colourTable.Store("waypoint", {255, 0, 0, 255});
    }
    void TearDown() override { colourTable.Clear(); }

    testing_support::GlTestWindow window;
};

constexpr Pixel green{0, 255, 0};
constexpr Pixel red{255, 0, 0};
constexpr Pixel black{0, 0, 0};
} // namespace

TEST_F(WaypointDrawing, LineRunsFromTheTankThroughEveryWaypointWithADotAtEach) {
    SKIP_WITHOUT_GL(window);
    Tank* tank = AddTank(40.5f, 60.5f);
    tank->brain->RestoreRoute({{160.5f, 60.5f}, {160.5f, 180.5f}});
    window.Clear();
    glColor3f(0, 0, 1);
    DrawWaypoints(*tank);

    EXPECT_EQ(window.ReadPixel(100, 60), green);  // first leg
    EXPECT_EQ(window.ReadPixel(160, 120), green); // second leg
    EXPECT_EQ(window.ReadPixel(160, 180), red);   // the last dot's centre
    EXPECT_EQ(window.ReadPixel(162, 180), red);   // within its radius of 3
    EXPECT_EQ(window.ReadPixel(166, 180), black);
    EXPECT_EQ(window.ReadPixel(40, 60 + 5), black); // no dot at the tank
    EXPECT_EQ(window.ReadPixel(100, 120), black);   // nothing off the route

    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[2], 1); // the caller's colour is back
    GLfloat width = 0;
    glGetFloatv(GL_LINE_WIDTH, &width);
    EXPECT_EQ(width, 1);
    EXPECT_FALSE(glIsEnabled(GL_LINE_SMOOTH));
}
