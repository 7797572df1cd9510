// The player's hold on the camera: edge and key scrolling, scroll lock, the middle-button turn, resets.
#include "game/CameraControl.h"

#include "datafiles/Node.h"
#include "scene/Camera.h"
#include "platform/VirtualKeyCodes.h"
#include "shell/Configuration.h"
#include "shell/Keyboard.h"
#include "shell/Mouse.h"
#include "tests/shell/InputTestClock.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

namespace vk = platform::vk;

class FixedDesk : public Zelt::C::MouseEnvironment {
public:
    platform::Point cursor{400, 300};
    platform::Point CursorPosition() override { return cursor; }
    void MoveCursor(platform::Point to) override { cursor = to; }
    platform::Point ScreenSize() override { return {800, 600}; }
    platform::Rect WindowRect(const platform::Window&) override { return {0, 0, 800, 600}; }
    bool IsForeground(const platform::Window&) override { return true; }
};

Brisk::Node KeyDefinitions() {
    Brisk::Node document;
    document.LoadText("<?xml version=\"1.0\"?><up key=\"VK_UP\"/><left key=\"VK_LEFT\"/>"
                      "<down key=\"VK_DOWN\"/><right key=\"VK_RIGHT\"/><scroll_lock key=\"L\"/>"
                      "<reset_zoom key=\"Z\"/><reset_rotation key=\"R\"/><zoom_in key=\"I\"/>"
                      "<zoom_in key=\"VK_ADD\"/>");
    return document;
}

class CameraControlTest : public testing::Test {
protected:
    void SetUp() override {
        Zelt::configuration = Zelt::Configuration{};
        Zelt::configuration.screenWidth = 800;
        Zelt::configuration.screenHeight = 600;
        Zelt::configuration.rotationSensitivity = 4;
        Zelt::configuration.zoomSensitivity = 2;
        Zelt::configuration.zoomMin = 2;
        Zelt::configuration.zoomMax = 0.5f;
        camera = std::make_unique<Vorn::Camera>(10000, 10000);
    }
    void TearDown() override { Zelt::configuration = Zelt::Configuration{}; }

    void Frame(int x, int y, bool overPanel = false, std::uint32_t ms = 100) {
        control.Update(*camera, mouse, keyboard, x, y, overPanel, ms);
    }
    void Key(int code, bool down) {
        keyboard.HandleMessage(nullptr, down ? WM_KEYDOWN : WM_KEYUP, static_cast<platform::WParam>(code), 0);
    }
    void Middle(bool down) { mouse.HandleMessage(nullptr, down ? WM_MBUTTONDOWN : WM_MBUTTONUP, 0, 0); }
    void MoveCursorTo(int x, int y) {
        desk->cursor = {x, y};
        mouse.HandleMessage(nullptr, WM_MOUSEMOVE, 0, 0);
    }

    std::shared_ptr<testing_support::SteppedInputClock> clock =
        std::make_shared<testing_support::SteppedInputClock>();
    std::shared_ptr<FixedDesk> desk = std::make_shared<FixedDesk>();
    std::array<std::uint16_t, 256> system{};
    Zelt::C::Mouse mouse{true, std::make_shared<testing_support::SteppedInputClock>(), desk};
    Zelt::C::Keyboard keyboard{KeyDefinitions(), true, clock, [this](std::uint8_t code) { return system[code]; }};
    std::unique_ptr<Vorn::Camera> camera;
    Vorn::CameraControl control;
};

TEST_F(CameraControlTest, EachScreenEdgeScrollsItsWay) {
    Frame(400, 0); // top: 512 px/s for 0.1 s
    EXPECT_FLOAT_EQ(camera->CentreY(), 51.2f);
    Frame(0, 300); // left
    EXPECT_NEAR(camera->CentreX(), -51.2f, 1e-3);
    Frame(799, 599); // bottom right corner: both
    EXPECT_NEAR(camera->CentreX(), 0, 1e-3);
    EXPECT_NEAR(camera->CentreY(), 0, 1e-3);
    Frame(400, 300); // the middle: nothing
    EXPECT_NEAR(camera->CentreY(), 0, 1e-3);
}

TEST_F(CameraControlTest, KeyScrollingConsumesTheHeldTimeEachFrame) {
    Key(vk::Up, true);
    clock->StepMs(250);
    Frame(400, 300);
    EXPECT_NEAR(camera->CentreY(), 128, 0.5f);
    Frame(400, 300); // nothing held since: no second move
    EXPECT_NEAR(camera->CentreY(), 128, 0.5f);
}

TEST_F(CameraControlTest, ScrollLockStopsScrollingAndDropsTheHeldTime) {
    Key('L', true);
    Key('L', false);
    Key(vk::Up, true);
    clock->StepMs(250);
    Frame(400, 0);
    EXPECT_EQ(camera->CentreY(), 0);
    Key('L', true);
    Key('L', false);
    Key(vk::Up, false);
    Frame(400, 300); // the time held under the lock is gone
    EXPECT_EQ(camera->CentreY(), 0);
}

TEST_F(CameraControlTest, MiddleDragTurnsFromTheCentredCursorAndStopsScrolling) {
    MoveCursorTo(400, 0);
    Middle(true);
    Frame(400, 0);
    EXPECT_TRUE(control.RotatingView());
    EXPECT_EQ(camera->Rotation(), 0); // the first frame only centres the cursor
    EXPECT_EQ(desk->cursor.x, 400);
    EXPECT_EQ(desk->cursor.y, 300);
    EXPECT_EQ(camera->CentreY(), 0); // no edge scrolling while turning
    MoveCursorTo(600, 300);
    Frame(600, 300, false, 10);
    EXPECT_NE(camera->Rotation(), 0);
    EXPECT_EQ(desk->cursor.x, 400);
}

TEST_F(CameraControlTest, MiddleButtonOverAPanelDoesNotTurnAndReleaseResumesEdgeScrolling) {
    Middle(true);
    MoveCursorTo(799, 300);
    Frame(799, 300, true);
    Frame(799, 300, true);
    EXPECT_FALSE(control.RotatingView());
    EXPECT_EQ(camera->Rotation(), 0);
    EXPECT_GT(camera->CentreX(), 0); // the edge still scrolls over a panel
    const float before = camera->CentreX();
    Frame(799, 300); // the drag begins off the panel
    EXPECT_TRUE(control.RotatingView());
    Middle(false);
    MoveCursorTo(799, 300);
    Frame(799, 300);
    EXPECT_FALSE(control.RotatingView());
    EXPECT_GT(camera->CentreX(), before);
}

TEST_F(CameraControlTest, ResetKeysAndZoomKeys) {
    Key('I', true);
    clock->StepMs(64); // 64 ms * 1/64 = one wheel notch
    Frame(400, 300);
    EXPECT_NEAR(camera->ZoomLevel(), 1.06f, 1e-3);
    Key('I', false);
    camera->Rotate(0.1f, 100);
    Key('Z', true);
    Key('Z', false);
    Key('R', true);
    Key('R', false);
    Frame(400, 300);
    EXPECT_EQ(camera->ZoomLevel(), 1);
    EXPECT_EQ(camera->Rotation(), 0);
}

TEST_F(CameraControlTest, EveryKeyBoundToZoomZooms) {
    Key(vk::Add, true);
    clock->StepMs(64);
    Frame(400, 300);
    EXPECT_NEAR(camera->ZoomLevel(), 1.06f, 1e-3) << "the keypad's + zooms as the main row's";
    Key(vk::Add, false);
}

} // namespace
