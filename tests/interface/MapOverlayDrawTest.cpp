// What the map overlay draws: the drag rectangle stays aligned with the screen on a turned map.
#include "datafiles/ColourTable.h"
#include "interface/MapOverlay.h"
#include "interface/OrderIssuer.h"
#include "scene/Camera.h"
#include "shell/Configuration.h"
#include "tests/interface/FakeOverlayControls.h"
#include "tests/support/GlTestWindow.h"
#include "tests/world/CombatWorld.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

using namespace Vorn;
using testing_support::Pixel;

namespace {

constexpr int width = 320;
constexpr int height = 240;
constexpr Pixel black{0, 0, 0};
constexpr Pixel fill{0, 0, 255};
constexpr Pixel frame{255, 255, 0};

class MapOverlayDraw : public ::testing::Test {
protected:
    MapOverlayDraw() {
        Zelt::configuration = Zelt::Configuration{};
        Zelt::configuration.screenWidth = width;
        Zelt::configuration.screenHeight = height;
        Zelt::configuration.rotationSensitivity = 1;
        colourTable.Store("selection_bg", {0, 0, 255, 255});
        colourTable.Store("selection_frame", {255, 255, 0, 255});
        camera = std::make_unique<Camera>(4096.0f, 4096.0f);
        auto fake = std::make_unique<GameTest::FakeOverlayControls>();
        controls = fake.get();
        overlay =
            std::make_unique<MapOverlay>(nullptr, base.world.get(), camera.get(), orders, std::move(fake));
    }
    ~MapOverlayDraw() override { colourTable.Clear(); }

    // Presses at one screen point and drags to another, with the left button held.
    void Drag(int fromX, int fromY, int toX, int toY) {
        controls->pointer = {fromX, fromY, true, false};
        const WorldPoint from = camera->ScreenToWorld(static_cast<float>(fromX), static_cast<float>(fromY));
        overlay->PressAt(from.x, from.y, 0);
        controls->pointer = {toX, toY, true, false};
        overlay->Update(16);
    }
    // A window pixel at mouse coordinates (y down).
    Pixel At(int x, int y) const { return window.ReadPixel(x, height - 1 - y); }

    testing_support::GlTestWindow window{width, height};
    WorldTest::CombatWorld base;
    std::unique_ptr<Camera> camera;
    GameTest::FakeOverlayControls* controls = nullptr;
    CommandQueue commands;
    OrderIssuer orders{commands};
    std::unique_ptr<MapOverlay> overlay;
};

TEST_F(MapOverlayDraw, TheDragRectangleIsFilledAndFramedAlongTheScreenEvenOnATurnedMap) {
    SKIP_WITHOUT_GL(window);
    // A quarter turn's third: the map's axes are no longer the screen's.
    camera->Rotate(1, 30000.0f / width);
    ASSERT_NEAR(camera->Rotation(), 30, 1e-3);
    Drag(60, 50, 200, 150);
    window.Clear();
    overlay->Draw();

    EXPECT_EQ(At(130, 100), fill);
    // Near the screen corners the map-aligned square through the two ends would miss or overshoot.
    EXPECT_EQ(At(195, 55), fill);
    EXPECT_EQ(At(65, 145), fill);
    EXPECT_EQ(At(205, 100), black);
    EXPECT_EQ(At(130, 160), black);
    // The frame runs along the top edge, give or take the pixel the rounding puts it on.
    bool framed = false;
    for (int y = 48; y <= 52; ++y) {
        framed = framed || At(130, y) == frame;
    }
    EXPECT_TRUE(framed);

    controls->pointer.leftDown = false;
    overlay->Update(16);
    window.Clear();
    overlay->Draw();
    EXPECT_EQ(At(130, 100), black) << "the rectangle goes with the button";
}

} // namespace
