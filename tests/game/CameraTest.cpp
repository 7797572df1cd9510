// The camera: pixels and units agree both ways, scrolling keeps to the map, zoom stays within its limits.
#include "scene/Camera.h"
#include "shell/Configuration.h"
#include "tests/support/GlTestWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

using Vorn::Camera;

class CameraTest : public testing::Test {
protected:
    void SetUp() override {
        Zelt::configuration = Zelt::Configuration{};
        Zelt::configuration.screenWidth = 1280;
        Zelt::configuration.screenHeight = 720;
        Zelt::configuration.viewportScrollX = 512.0f;
        Zelt::configuration.viewportScrollY = 512.0f;
        Zelt::configuration.rotationSensitivity = 4.0f;
        Zelt::configuration.zoomSensitivity = 2.0f;
        Zelt::configuration.zoomMin = 2.0f;
        Zelt::configuration.zoomMax = 0.5f;
    }
    void TearDown() override { Zelt::configuration = Zelt::Configuration{}; }
};

TEST_F(CameraTest, ScreenAndWorldAgreeWithinAPixelAtAnyRotationAndZoom) {
    Camera camera(4096, 4096);
    camera.SetCentre(-300.25f, 777.5f);
    for (float turn = -1.0f; turn <= 1.0f; turn += 0.13f) {
        camera.Rotate(turn, 90); // about 460 degrees per step, so every quarter is visited
        for (float zoom : {-40.0f, -10.0f, 0.0f, 5.0f, 40.0f}) {
            camera.ResetZoom();
            camera.Zoom(zoom);
            for (int sx : {0, 1, 639, 640, 1279})
                for (int sy : {0, 359, 360, 719}) {
                    Vorn::WorldPoint world =
                        camera.ScreenToWorld(static_cast<float>(sx), static_cast<float>(sy));
                    Vorn::ScreenPoint back = camera.WorldToScreen(world.x, world.y);
                    EXPECT_LE(std::abs(back.x - sx), 1) << camera.Rotation() << " " << camera.Scale();
                    EXPECT_LE(std::abs(back.y - sy), 1) << camera.Rotation() << " " << camera.Scale();
                }
        }
    }
}

TEST_F(CameraTest, TheScreenCentreShowsTheCentreAndUpIsPlusYUnturned) {
    Camera camera(4096, 4096);
    camera.SetCentre(100, 200);
    Vorn::WorldPoint centre = camera.ScreenToWorld(640, 360);
    EXPECT_FLOAT_EQ(centre.x, 100);
    EXPECT_FLOAT_EQ(centre.y, 200);
    Vorn::WorldPoint above = camera.ScreenToWorld(640, 260);
    EXPECT_FLOAT_EQ(above.y, 300);
    camera.Rotate(90.0f / (1280 * 4 * 0.001f), 1); // a quarter turn: screen up is world +x
    EXPECT_NEAR(camera.Rotation(), 90, 1e-3);
    above = camera.ScreenToWorld(640, 260);
    EXPECT_NEAR(above.x, 200, 1e-3);
    EXPECT_NEAR(above.y, 200, 1e-3);
}

TEST_F(CameraTest, ScrollingMovesByTheSpeedOverTheScaleAndStopsAtTheEdges) {
    Camera camera(1000, 600);
    camera.Scroll(0, 100); // 512 px/s for 0.1 s at scale 1
    EXPECT_FLOAT_EQ(camera.CentreY(), 51.2f);
    EXPECT_NEAR(camera.CentreX(), 0, 1e-4);
    camera.Scroll(90, 100); // left
    EXPECT_NEAR(camera.CentreX(), -51.2f, 1e-4);
    for (int i = 0; i < 100; ++i) {
        camera.Scroll(0, 100);
        camera.Scroll(270, 100);
    }
    EXPECT_FLOAT_EQ(camera.CentreX(), 500);
    EXPECT_FLOAT_EQ(camera.CentreY(), 300);
    camera.Scroll(180, 1000000);
    EXPECT_FLOAT_EQ(camera.CentreY(), -300);
}

TEST_F(CameraTest, SetCentreMayLeaveTheMapUntilTheNextScroll) {
    Camera camera(1000, 600);
    camera.SetCentre(5000, -5000);
    EXPECT_FLOAT_EQ(camera.CentreX(), 5000);
    EXPECT_FLOAT_EQ(camera.CentreY(), -5000);
    camera.Scroll(0, 0);
    EXPECT_FLOAT_EQ(camera.CentreX(), 500);
    EXPECT_FLOAT_EQ(camera.CentreY(), -300);
}

TEST_F(CameraTest, ScrollingFollowsTheTurnedScreen) {
    Camera camera(4096, 4096);
    camera.Rotate(90.0f / (1280 * 4 * 0.001f), 1);
    camera.Scroll(0, 1000); // screen up is world +x after a quarter turn
    EXPECT_NEAR(camera.CentreX(), 512, 1e-2);
    EXPECT_NEAR(camera.CentreY(), 0, 1e-2);
}

TEST_F(CameraTest, RotationStaysWithinAHalfTurnEitherWay) {
    Camera camera(100, 100);
    camera.Rotate(1, 1000); // 5120 degrees
    EXPECT_GE(camera.Rotation(), -180);
    EXPECT_LE(camera.Rotation(), 180);
    EXPECT_NEAR(camera.Rotation(), 5120 - 14 * 360, 1e-2);
    camera.Rotate(-1e30f, 1e30f); // an endless turn leaves the view as it was
    EXPECT_NEAR(camera.Rotation(), 5120 - 14 * 360, 1e-2);
    camera.ResetRotation();
    EXPECT_EQ(camera.Rotation(), 0);
}

TEST_F(CameraTest, ZoomKeepsWithinTheDataLimitsAndScaleIsItsCube) {
    Camera camera(100, 100);
    camera.Zoom(10); // 1 + 2 * 0.03 * 10
    EXPECT_FLOAT_EQ(camera.ZoomLevel(), 1.6f);
    EXPECT_NEAR(camera.Scale(), 1.6f * 1.6f * 1.6f, 1e-5);
    camera.Zoom(1000);
    EXPECT_FLOAT_EQ(camera.ZoomLevel(), 2.0f);
    camera.Zoom(-1000);
    EXPECT_FLOAT_EQ(camera.ZoomLevel(), 0.5f);
    EXPECT_FLOAT_EQ(camera.Scale(), 0.125f);
    camera.ResetZoom();
    EXPECT_EQ(camera.ZoomLevel(), 1);
    EXPECT_EQ(camera.Scale(), 1);
}

TEST_F(CameraTest, WithoutZoomLimitsTheViewNeitherCollapsesNorDividesByZero) {
    Zelt::configuration.zoomMin = 0;
    Zelt::configuration.zoomMax = 0;
    Camera camera(1000, 1000);
    camera.Zoom(-1e6f);
    EXPECT_FLOAT_EQ(camera.ZoomLevel(), Camera::defaultZoomLowest);
    EXPECT_GT(camera.Zoom(), 0);
    camera.Scroll(0, 100);
    EXPECT_TRUE(std::isfinite(camera.CentreY()));
    Vorn::WorldPoint corner = camera.ScreenToWorld(0, 0);
    EXPECT_TRUE(std::isfinite(corner.x) && std::isfinite(corner.y));
    camera.Zoom(1e6f);
    EXPECT_FLOAT_EQ(camera.ZoomLevel(), Camera::defaultZoomHighest);
}

TEST_F(CameraTest, LimitsInTheWrongOrderSettleOnMin) {
    Zelt::configuration.zoomMin = 0.8f;
    Zelt::configuration.zoomMax = 1.5f;
    Camera camera(100, 100);
    camera.Zoom(0);
    EXPECT_FLOAT_EQ(camera.ZoomLevel(), 0.8f);
}

TEST_F(CameraTest, AMapWithoutSizeKeepsTheCentreAtTheOrigin) {
    Camera camera(0, std::nanf(""));
    camera.Scroll(0, 1000);
    camera.Scroll(90, 1000);
    EXPECT_EQ(camera.CentreX(), 0);
    EXPECT_EQ(camera.CentreY(), 0);
}

TEST_F(CameraTest, FarPointsStayOnTheIntegerRange) {
    Camera camera(100, 100);
    camera.Zoom(1000);
    Vorn::ScreenPoint far = camera.WorldToScreen(1e30f, -1e30f);
    EXPECT_GT(far.x, 1280);
    EXPECT_GT(far.y, 720);
}

// The drawn map and the mouse's sums agree: a point drawn at a world position lands on the pixel
// WorldToScreen names (drawing rows count from the bottom).
TEST_F(CameraTest, ApplyCameraDrawsWorldPointsWhereWorldToScreenSaysTheyAre) {
    Zelt::configuration.screenWidth = 320;
    Zelt::configuration.screenHeight = 240;
    testing_support::GlTestWindow window(320, 240);
    SKIP_WITHOUT_GL(window);
    Camera camera(4096, 4096);
    camera.SetCentre(40, -25);
    camera.Rotate(0.25f, 100); // 32 degrees
    camera.Zoom(5);
    const float worldX = 70;
    const float worldY = -5;
    window.Clear();
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0);
    camera.ApplyCamera();
    glPointSize(1);
    glColor3ub(255, 255, 255);
    glBegin(GL_POINTS);
    glVertex2f(worldX - 0.5f, worldY - 0.5f); // ApplyCamera's half-unit shift of the rounded centre
    glEnd();
    Vorn::ScreenPoint expected = camera.WorldToScreen(worldX, worldY);
    bool found = false;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            found = found || window.ReadPixel(expected.x + dx, 239 - expected.y + dy).r == 255;
    EXPECT_TRUE(found) << expected.x << "," << expected.y;
}

} // namespace

namespace {

// The settings screen changes the limits under a running camera: the zoom moves inside the new ones.
TEST_F(CameraTest, NewSettingsNarrowTheZoomOfARunningCamera) {
    Vorn::Camera camera(4096, 4096);
    camera.Zoom(100);
    EXPECT_FLOAT_EQ(camera.Scale(), 8.0f);
    Zelt::configuration.zoomMin = 1.5f;
    camera.TakeSettings();
    EXPECT_FLOAT_EQ(camera.Scale(), 1.5f * 1.5f * 1.5f);
    EXPECT_FLOAT_EQ(camera.ZoomHighest(), 1.5f);
}

} // namespace
