// The mouse device: presses, clicks, toggles, the wheel, the clocks and the cursor arithmetic.
#include "shell/Mouse.h"

#include "platform/Window.h"
#include "tests/shell/InputTestClock.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <memory>

namespace {

using Zelt::C::Mouse;
using Zelt::C::takeAll;

// A desk with a fixed screen and a cursor the test places.
class FakeDesk : public Zelt::C::MouseEnvironment {
public:
    platform::Point cursor{-1, -1};
    platform::Point screen{800, 600};
    platform::Rect window{100, 50, 420, 290};
    bool foreground = true;

    platform::Point CursorPosition() override { return cursor; }
    void MoveCursor(platform::Point to) override { cursor = to; }
    platform::Point ScreenSize() override { return screen; }
    platform::Rect WindowRect(const platform::Window&) override { return window; }
    bool IsForeground(const platform::Window&) override { return foreground; }
};

// Only the window's identity matters to the mouse; the desk answers its geometry and never looks inside.
const platform::Window* SomeWindow() {
    alignas(platform::Window) static std::byte stand[sizeof(platform::Window)];
    return reinterpret_cast<const platform::Window*>(stand);
}

class MouseTest : public ::testing::Test {
protected:
    std::shared_ptr<testing_support::SteppedInputClock> clock =
        std::make_shared<testing_support::SteppedInputClock>();
    std::shared_ptr<FakeDesk> desk = std::make_shared<FakeDesk>();
    Mouse mouse{true, clock, desk};

    void Send(std::uint32_t message, platform::WParam wParam = 0) {
        mouse.HandleMessage(nullptr, message, wParam, 0);
    }
    void Click(std::uint32_t downMessage, std::uint32_t upMessage) {
        Send(downMessage);
        Send(upMessage);
    }
    void MoveTo(int x, int y) {
        desk->cursor = {x, y};
        Send(WM_MOUSEMOVE);
    }
};

TEST_F(MouseTest, PressFlipsToggleAndCountsEveryDownMessage) {
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_TRUE(mouse.IsToggled(0));
    EXPECT_FALSE(mouse.IsDown(0));
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP);
    EXPECT_FALSE(mouse.IsToggled(0));
    EXPECT_EQ(mouse.TakePresses(0, takeAll), 2u);
    EXPECT_EQ(mouse.TakePresses(1, takeAll), 0u);

    mouse.SetToggle(2);
    EXPECT_TRUE(mouse.IsToggled(2));
    mouse.ClearToggle(2);
    EXPECT_FALSE(mouse.IsToggled(2));
}

TEST_F(MouseTest, EachMessageReachesItsButton) {
    Send(WM_RBUTTONDOWN);
    Send(WM_MBUTTONDOWN);
    Send(WM_XBUTTONDOWN, platform::WParam{XBUTTON1} << 16);
    Send(WM_XBUTTONDOWN, platform::WParam{XBUTTON2} << 16);
    for (int button = 1; button <= 4; ++button) {
        EXPECT_TRUE(mouse.IsDown(button)) << button;
    }
    EXPECT_FALSE(mouse.IsDown(0));
    Send(WM_XBUTTONUP, platform::WParam{XBUTTON2} << 16);
    EXPECT_FALSE(mouse.IsDown(4));
    EXPECT_TRUE(mouse.IsDown(3));
    // An extra-button message naming no known button is not the mouse's.
    EXPECT_FALSE(mouse.HandleMessage(nullptr, WM_XBUTTONDOWN, platform::WParam{7} << 16, 0));
    EXPECT_FALSE(mouse.HandleMessage(nullptr, WM_KEYDOWN, 'A', 0));
}

TEST_F(MouseTest, ButtonsOutsideTheFiveAnswerNothing) {
    Click(WM_LBUTTONDOWN, WM_LBUTTONUP);
    for (int button : {-1, 5, 200}) {
        EXPECT_FALSE(mouse.IsDown(button));
        mouse.SetToggle(button);
        EXPECT_FALSE(mouse.IsToggled(button));
        EXPECT_EQ(mouse.TakeClicks(button, takeAll), 0u);
        EXPECT_EQ(mouse.TakePresses(button, takeAll), 0u);
        EXPECT_EQ(mouse.TakeHeldMs(button, takeAll), 0u);
    }
    EXPECT_EQ(mouse.TakePresses(0, 0), 1u);
}

TEST_F(MouseTest, TakeClicksWaitsForTheRelease) {
    Send(WM_LBUTTONDOWN);
    EXPECT_EQ(mouse.TakeClicks(0, takeAll), 0u);
    Send(WM_LBUTTONUP);
    EXPECT_EQ(mouse.TakeClicks(0, takeAll), 1u);
    EXPECT_EQ(mouse.TakeClicks(0, takeAll), 0u);
}

TEST_F(MouseTest, TakeClicksAnswersEveryPressButConsumesOnlyN) {
    for (int i = 0; i < 3; ++i) {
        Click(WM_RBUTTONDOWN, WM_RBUTTONUP);
    }
    EXPECT_EQ(mouse.TakeClicks(1, 1), 3u);
    EXPECT_EQ(mouse.TakeClicks(1, takeAll), 2u);
    EXPECT_EQ(mouse.TakePresses(1, 0), 0u);
}

TEST_F(MouseTest, TakePressesWithZeroPeeks) {
    Click(WM_MBUTTONDOWN, WM_MBUTTONUP);
    Click(WM_MBUTTONDOWN, WM_MBUTTONUP);
    EXPECT_EQ(mouse.TakePresses(2, 0), 2u);
    EXPECT_EQ(mouse.TakePresses(2, 0), 2u);
    EXPECT_EQ(mouse.TakePresses(2, 1), 1u);
    EXPECT_EQ(mouse.TakePresses(2, 5), 1u);
    EXPECT_EQ(mouse.TakePresses(2, 0), 0u);
}

TEST_F(MouseTest, WheelAddsANotchPer120AndIsTakenOnce) {
    Send(WM_MOUSEWHEEL, platform::WParam{120} << 16);
    Send(WM_MOUSEWHEEL, platform::WParam{120} << 16);
    Send(WM_MOUSEWHEEL, platform::WParam{static_cast<std::uint16_t>(-60)} << 16);
    EXPECT_FLOAT_EQ(mouse.TakeWheel(), 1.5f);
    EXPECT_FLOAT_EQ(mouse.TakeWheel(), 0.0f);
}

TEST_F(MouseTest, MoveReadsTheScreenCursorNotTheMessage) {
    EXPECT_EQ(mouse.ClientX(nullptr), -1);
    desk->cursor = {300, 200};
    mouse.HandleMessage(nullptr, WM_MOUSEMOVE, 0, platform::MakeLParam(5, 6));
    EXPECT_EQ(mouse.ClientX(nullptr), 300);
    EXPECT_EQ(mouse.ClientY(nullptr), 200);
    // The window's client area starts at its top-left corner on the screen.
    EXPECT_EQ(mouse.ClientX(SomeWindow()), 200);
    EXPECT_EQ(mouse.ClientY(SomeWindow()), 150);
}

TEST_F(MouseTest, NormalizedRunsFromMinusOneAtTheFirstPixelToOneAtTheLast) {
    MoveTo(0, 0);
    EXPECT_FLOAT_EQ(mouse.NormalizedX(nullptr), -1.0f);
    EXPECT_FLOAT_EQ(mouse.NormalizedY(nullptr), -1.0f);
    MoveTo(799, 599);
    EXPECT_FLOAT_EQ(mouse.NormalizedX(nullptr), 1.0f);
    EXPECT_FLOAT_EQ(mouse.NormalizedY(nullptr), 1.0f);
    MoveTo(400, 150);
    EXPECT_FLOAT_EQ(mouse.NormalizedX(nullptr), 0.0f);
    EXPECT_FLOAT_EQ(mouse.NormalizedY(nullptr), -0.5f);
    MoveTo(798, 1);
    EXPECT_FLOAT_EQ(mouse.NormalizedX(nullptr), 796.0f / 800.0f);
}

TEST_F(MouseTest, NormalizedUsesTheWindowsClientArea) {
    // The window is 320 x 240 at (100, 50).
    MoveTo(100 + 160, 50 + 239);
    EXPECT_FLOAT_EQ(mouse.NormalizedX(SomeWindow()), 0.0f);
    EXPECT_FLOAT_EQ(mouse.NormalizedY(SomeWindow()), 1.0f);
}

TEST_F(MouseTest, NormalizedOfAnAreaWithoutPixelsIsTheMiddle) {
    desk->window = {10, 10, 10, 10};
    MoveTo(10, 10);
    EXPECT_FLOAT_EQ(mouse.NormalizedX(SomeWindow()), 0.0f);
    EXPECT_FLOAT_EQ(mouse.NormalizedY(SomeWindow()), 0.0f);
}

TEST_F(MouseTest, CentreCursorNeedsTheWindowInFront) {
    EXPECT_TRUE(mouse.CentreCursor(nullptr));
    EXPECT_EQ(desk->cursor.x, 400);
    EXPECT_EQ(desk->cursor.y, 300);

    EXPECT_TRUE(mouse.CentreCursor(SomeWindow()));
    EXPECT_EQ(desk->cursor.x, 260);
    EXPECT_EQ(desk->cursor.y, 170);

    desk->foreground = false;
    desk->cursor = {1, 2};
    EXPECT_FALSE(mouse.CentreCursor(SomeWindow()));
    EXPECT_EQ(desk->cursor.x, 1);
}

TEST_F(MouseTest, ClocksRunForHeldOrIdleButtonsOnly) {
    clock->StepMs(20);
    EXPECT_EQ(mouse.TakeIdleMs(0, 0), 20u);
    EXPECT_EQ(mouse.TakeHeldMs(0, 0), 0u);

    Send(WM_LBUTTONDOWN);
    // A press starts the idle clock afresh.
    EXPECT_EQ(mouse.TakeIdleMs(0, 0), 0u);
    clock->StepMs(20);
    clock->StepMs(20);
    Send(WM_LBUTTONUP);
    clock->StepMs(20);
    // The release keeps the held time for the game to take.
    EXPECT_EQ(mouse.TakeHeldMs(0, takeAll), 40u);
    EXPECT_EQ(mouse.TakeIdleMs(0, takeAll), 20u);
    EXPECT_EQ(mouse.TakeIdleMs(1, takeAll), 80u);
}

} // namespace
