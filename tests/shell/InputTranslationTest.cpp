// The translation of the system's input events into the key and mouse messages the devices read.
#include "platform/InputTranslation.h"

#include "platform/KeyboardState.h"
#include "platform/VirtualKeyCodes.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

namespace vk = platform::vk;
using platform::VirtualKeyOf;

TEST(VirtualKeys, LettersFollowTheLayoutAndDigitsThePosition) {
    // A French keyboard types "a" where a US one types "q", and "&" on the key of "1".
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_Q, 'a', KMOD_NONE), 'A');
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_1, '&', KMOD_NONE), '1');
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_0, '0', KMOD_NONE), '0');
    // A layout without Latin letters keeps the US letter of the key's place.
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_F, 0x0430, KMOD_NONE), 'F');
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_P, 'p', KMOD_SHIFT), 'P');
}

TEST(VirtualKeys, PunctuationIsNamedByTheCharacterItTypes) {
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_EQUALS, '=', KMOD_NONE), vk::OemPlus);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_RIGHTBRACKET, '+', KMOD_NONE), vk::OemPlus);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_MINUS, '-', KMOD_NONE), vk::OemMinus);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_SEMICOLON, 0x00F6, KMOD_NONE), vk::Oem1);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_NONUSBACKSLASH, '<', KMOD_NONE), vk::Oem102);
}

TEST(VirtualKeys, TheKeypadMovesTheCaretWithoutNumLock) {
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_KP_8, SDLK_KP_8, KMOD_NUM), vk::Numpad0 + 8);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_KP_8, SDLK_KP_8, KMOD_NONE), vk::Up);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_KP_0, SDLK_KP_0, KMOD_NONE), vk::Insert);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_KP_5, SDLK_KP_5, KMOD_NONE), vk::Clear);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, KMOD_NUM), vk::Decimal);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, KMOD_NONE), vk::Delete);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, KMOD_NONE), vk::Return);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, KMOD_NONE), vk::Add);
}

TEST(VirtualKeys, FunctionModifierAndMediaKeys) {
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_F1, SDLK_F1, KMOD_NONE), vk::F1);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_F12, SDLK_F12, KMOD_NONE), vk::F1 + 11);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_F13, SDLK_F13, KMOD_NONE), vk::F1 + 12);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_F24, SDLK_F24, KMOD_NONE), vk::F1 + 23);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, KMOD_NONE), vk::RightShift);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_LALT, SDLK_LALT, KMOD_NONE), vk::LeftMenu);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_RCTRL, SDLK_RCTRL, KMOD_NONE), vk::RightControl);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_SCROLLLOCK, SDLK_SCROLLLOCK, KMOD_NONE), vk::Scroll);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_PAUSE, SDLK_PAUSE, KMOD_NONE), vk::Pause);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_AUDIOPLAY, SDLK_AUDIOPLAY, KMOD_NONE), vk::MediaPlayPause);
    // Keys a Windows keyboard has no code for map to nothing.
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_KP_EQUALS, SDLK_KP_EQUALS, KMOD_NONE), 0);
    EXPECT_EQ(VirtualKeyOf(SDL_SCANCODE_UNKNOWN, SDLK_UNKNOWN, KMOD_NONE), 0);
}

class KeyMessages : public ::testing::Test {
protected:
    void SetUp() override { platform::ResetRecordedKeys(); }
    void TearDown() override { platform::ResetRecordedKeys(); }

    platform::Message Key(std::uint8_t virtualKey, bool down, bool repeat = false) {
        std::vector<platform::Message> messages;
        platform::AppendKeyMessages(nullptr, virtualKey, down, repeat, messages);
        EXPECT_EQ(messages.size(), 1u);
        return messages.empty() ? platform::Message{} : messages.front();
    }
    static bool IsDown(std::uint8_t virtualKey) {
        return (platform::GetKeyState(virtualKey) & platform::KeyStateDown) != 0;
    }
};

TEST_F(KeyMessages, RepeatsArriveAsFurtherDownMessages) {
    platform::Message first = Key('W', true);
    platform::Message repeat = Key('W', true, true);
    platform::Message up = Key('W', false);
    EXPECT_EQ(first.code, WM_KEYDOWN);
    EXPECT_EQ(first.wParam, platform::WParam{'W'});
    EXPECT_EQ(first.lParam & (1 << 30), 0);
    EXPECT_EQ(repeat.code, WM_KEYDOWN);
    EXPECT_NE(repeat.lParam & (1 << 30), 0);
    EXPECT_EQ(up.code, WM_KEYUP);
    EXPECT_NE(up.lParam & (platform::LParam{1} << 31), 0);
}

TEST_F(KeyMessages, SideModifiersArriveAsGenericCodesAndSetTheSystemState) {
    platform::Message shift = Key(vk::LeftShift, true);
    EXPECT_EQ(shift.code, WM_KEYDOWN);
    EXPECT_EQ(shift.wParam, platform::WParam{vk::Shift});
    EXPECT_TRUE(IsDown(vk::LeftShift));
    EXPECT_TRUE(IsDown(vk::Shift));
    EXPECT_FALSE(IsDown(vk::RightShift));
    Key(vk::RightShift, true);
    Key(vk::LeftShift, false);
    // The generic code stays down while the other side is held.
    EXPECT_TRUE(IsDown(vk::Shift));
    Key(vk::RightShift, false);
    EXPECT_FALSE(IsDown(vk::Shift));
}

TEST_F(KeyMessages, AltMakesSystemKeys) {
    platform::Message alt = Key(vk::LeftMenu, true);
    EXPECT_EQ(alt.code, WM_SYSKEYDOWN);
    EXPECT_EQ(alt.wParam, platform::WParam{vk::Menu});
    EXPECT_EQ(Key('F', true).code, WM_SYSKEYDOWN);
    EXPECT_EQ(Key('F', false).code, WM_SYSKEYUP);
    EXPECT_EQ(Key(vk::LeftMenu, false).code, WM_SYSKEYUP);
    EXPECT_EQ(Key('F', true).code, WM_KEYDOWN);
}

TEST_F(KeyMessages, ModifierTogglesFlipOnFreshPressesOnly) {
    Key(vk::LeftControl, true);
    Key(vk::LeftControl, true, true);
    Key(vk::LeftControl, false);
    EXPECT_NE(platform::GetKeyState(vk::LeftControl) & platform::KeyStateToggled, 0);
    Key(vk::LeftControl, true);
    EXPECT_EQ(platform::GetKeyState(vk::LeftControl) & platform::KeyStateToggled, 0);
}

TEST(MouseMessages, ButtonsAndWheelFromSystemEvents) {
    std::vector<platform::Message> messages;
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_X2;
    event.button.x = 10;
    event.button.y = 20;
    platform::TranslateInputEvent(event, nullptr, messages);
    event.type = SDL_MOUSEBUTTONUP;
    event.button.button = SDL_BUTTON_RIGHT;
    platform::TranslateInputEvent(event, nullptr, messages);
    event = SDL_Event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.y = -2;
    event.wheel.preciseY = -2.0f;
    platform::TranslateInputEvent(event, nullptr, messages);
    event.wheel.direction = SDL_MOUSEWHEEL_FLIPPED;
    platform::TranslateInputEvent(event, nullptr, messages);

    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[0].code, WM_XBUTTONDOWN);
    EXPECT_EQ(platform::HighWord(static_cast<platform::LParam>(messages[0].wParam)),
              static_cast<int>(XBUTTON2));
    EXPECT_EQ(platform::LowWord(messages[0].lParam), 10);
    EXPECT_EQ(platform::HighWord(messages[0].lParam), 20);
    EXPECT_EQ(messages[1].code, WM_RBUTTONUP);
    EXPECT_EQ(messages[2].code, WM_MOUSEWHEEL);
    EXPECT_EQ(
        static_cast<std::int16_t>(platform::HighWord(static_cast<platform::LParam>(messages[2].wParam))),
        -240);
    EXPECT_EQ(
        static_cast<std::int16_t>(platform::HighWord(static_cast<platform::LParam>(messages[3].wParam))),
        240);
}

TEST(MouseMessages, OtherEventsAreNotInput) {
    std::vector<platform::Message> messages;
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    platform::TranslateInputEvent(event, nullptr, messages);
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = 9;
    platform::TranslateInputEvent(event, nullptr, messages);
    EXPECT_TRUE(messages.empty());
}

} // namespace
