// Real keyboard and mouse input on an X display, sent by xdotool, reaches the devices' buttons and
// actions through the window's message path.
#include "datafiles/DataArchive.h"
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

namespace {

using Zelt::C::takeAll;

class RealInputTest : public testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr || std::system("command -v xdotool >/dev/null 2>&1") != 0) {
            GTEST_SKIP() << "needs an X display and xdotool";
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

    static void Xdotool(const std::string& arguments) {
        std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    // Dispatches the window's messages until the condition holds or five seconds have passed.
    bool PumpUntil(const std::function<bool()>& condition) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
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
    ASSERT_FALSE(keyboard->ActionToggled("pause"));
    Xdotool("key p");
    EXPECT_TRUE(PumpUntil([this] { return keyboard->ActionToggled("pause"); }));
    EXPECT_EQ(keyboard->ActionPresses("pause", takeAll), 1u);
    Xdotool("key p");
    EXPECT_TRUE(PumpUntil([this] { return !keyboard->ActionToggled("pause"); }));
}

TEST_F(RealInputTest, HeldShiftIsTheWaypointModifier) {
    Xdotool("keydown shift");
    EXPECT_TRUE(PumpUntil([this] { return keyboard->ActionDown("next_waypoint_mod"); }));
    Xdotool("keyup shift");
    EXPECT_TRUE(PumpUntil([this] { return !keyboard->ActionDown("next_waypoint_mod"); }));
}

TEST_F(RealInputTest, ClicksAndTheWheelReachTheMouse) {
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

} // namespace
