// Real keyboard and mouse input on an X display, sent by xdotool, reaches the devices' buttons and
// actions through the window's message path. Each test runs again in a process of its own on a display
// of its own, so the pointer and keys of tests running side by side cannot get mixed up.
#include "datafiles/DataArchive.h"
#include "platform/CursorPosition.h"
#include "platform/Window.h"
#include "shell/Keyboard.h"
#include "shell/Mouse.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using Zelt::C::takeAll;

constexpr const char* ownDisplayMark = "SECTOR_CLASH_OWN_DISPLAY";

bool OnOwnDisplay() {
    return std::getenv(ownDisplayMark) != nullptr;
}

class RealInputTest : public testing::Test {
protected:
    void SetUp() override {
        if (std::system("command -v xdotool >/dev/null 2>&1 && command -v xvfb-run >/dev/null 2>&1") != 0) {
            GTEST_SKIP() << "needs xdotool and xvfb-run";
        }
        if (!OnOwnDisplay()) {
            return;
        }
        platform::WindowStyle style;
        style.title = "Sector Clash input test";
        style.width = 320;
        style.height = 240;
        window = platform::Window::Create(style, [this](platform::Window& target, std::uint32_t message,
                                                        platform::WParam wParam, platform::LParam lParam) {
            mouse->HandleMessage(&target, message, wParam, lParam);
            keyboard->HandleMessage(&target, message, wParam, lParam);
            return target.DefaultProcedure(message, wParam, lParam);
        });
        if (!window) {
            GTEST_SKIP() << "no display: " << platform::LastErrorText();
        }
        window->Show();
        // The pointer over the window gives it the keyboard on a display without a window manager.
        Xdotool("mousemove 160 120");
        ASSERT_TRUE(PumpUntil([this] {
            return mouse->ClientX(nullptr) == 160 && mouse->ClientY(nullptr) == 120;
        })) << mouse->ClientX(nullptr)
            << " " << mouse->ClientY(nullptr);
    }
    void TearDown() override { window.reset(); }

    // In the first process: runs the current test in a new one on a fresh display and answers true
    // (the test's verdict is the new process's). On the fresh display: answers false, run the test.
    static bool RunOnOwnDisplay() {
        if (OnOwnDisplay()) {
            return false;
        }
        const auto* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string command = std::string(ownDisplayMark) + "=1 xvfb-run -a -s \"-screen 0 640x480x24\" " +
                              "/proc/" + std::to_string(getpid()) +
                              "/exe --gtest_filter=" + test->test_suite_name() + "." + test->name() + " 2>&1";
        std::string output;
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[512];
        while (pipe != nullptr && fgets(buffer, sizeof buffer, pipe) != nullptr) {
            output += buffer;
        }
        int status = pipe != nullptr ? pclose(pipe) : -1;
        EXPECT_EQ(status, 0) << output;
        EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
        return true;
    }

    static void Xdotool(const std::string& arguments) {
        std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    // Dispatches the window's messages until the condition holds or the time has passed.
    bool PumpUntil(const std::function<bool()>& condition,
                   std::chrono::milliseconds patience = std::chrono::seconds(5)) {
        auto deadline = std::chrono::steady_clock::now() + patience;
        while (std::chrono::steady_clock::now() < deadline) {
            while (platform::IsMessageWaiting()) {
                platform::Message message;
                platform::GetMessage(message);
                platform::DispatchMessage(message);
            }
            if (condition()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    std::unique_ptr<Zelt::C::Keyboard> keyboard =
        std::make_unique<Zelt::C::Keyboard>(dataArchive.ReadDocument("keydef.xml"));
    std::unique_ptr<Zelt::C::Mouse> mouse = std::make_unique<Zelt::C::Mouse>(true);
    std::unique_ptr<platform::Window> window;
};

TEST_F(RealInputTest, PressingPTogglesPause) {
    if (RunOnOwnDisplay()) {
        return;
    }
    ASSERT_FALSE(keyboard->ActionToggled("pause"));
    Xdotool("key p");
    EXPECT_TRUE(PumpUntil([this] { return keyboard->ActionToggled("pause"); }));
    EXPECT_EQ(keyboard->ActionPresses("pause", takeAll), 1u);
    Xdotool("key p");
    EXPECT_TRUE(PumpUntil([this] { return !keyboard->ActionToggled("pause"); }));
}

TEST_F(RealInputTest, HeldShiftIsTheWaypointModifier) {
    if (RunOnOwnDisplay()) {
        return;
    }
    Xdotool("keydown shift");
    EXPECT_TRUE(PumpUntil([this] { return keyboard->ActionDown("next_waypoint_mod"); }));
    Xdotool("keyup shift");
    EXPECT_TRUE(PumpUntil([this] { return !keyboard->ActionDown("next_waypoint_mod"); }));
}

TEST_F(RealInputTest, ClicksAndTheWheelReachTheMouse) {
    if (RunOnOwnDisplay()) {
        return;
    }
    Xdotool("mousemove 200 100");
    EXPECT_TRUE(PumpUntil([this] {
        return mouse->ClientX(nullptr) == 200 && mouse->ClientY(nullptr) == 100;
    })) << mouse->ClientX(nullptr)
        << " " << mouse->ClientY(nullptr);
    Xdotool("click 3");
    EXPECT_TRUE(PumpUntil([this] { return mouse->TakeClicks(1, takeAll) == 1; }));
    // X reports wheel turns as the buttons 4 (away from the player) and 5.
    Xdotool("click 4 click 4 click 5");
    float notches = 0;
    EXPECT_TRUE(PumpUntil([&] {
        notches += mouse->TakeWheel();
        return notches == 1.0f;
    })) << notches;
}

// The headless driver's runs share one display side by side: with the system's input off, another
// program's pointer moves, clicks and keys never reach the game, and the game's own cursor moves stay
// off the desktop's pointer.
TEST_F(RealInputTest, WithSystemInputOffOnlyTheGameMovesItsCursor) {
    if (RunOnOwnDisplay()) {
        return;
    }
    platform::SetSystemInputEnabled(false);
    platform::SetCursorPos(40, 30);
    Xdotool("mousemove 200 100 click 1 key p");
    PumpUntil([] { return false; }, std::chrono::milliseconds(300));
    const platform::Point cursor = platform::GetCursorPos();
    EXPECT_EQ(cursor.x, 40);
    EXPECT_EQ(cursor.y, 30);
    EXPECT_EQ(mouse->TakeClicks(0, takeAll), 0u);
    EXPECT_FALSE(keyboard->ActionToggled("pause"));
    platform::SetSystemInputEnabled(true);
    Xdotool("mousemove 120 90");
    EXPECT_TRUE(PumpUntil([] {
        const platform::Point moved = platform::GetCursorPos();
        return moved.x == 120 && moved.y == 90;
    }));
}

} // namespace
