// Turns the system's mouse and keyboard events into window messages with their Windows meanings.
#include "platform/InputTranslation.h"

#include "platform/KeyboardState.h"
#include "platform/VirtualKeyCodes.h"
#include "platform/Window.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace platform {

namespace {

// The modifier bits of a mouse message's wParam.
constexpr WParam MkLeftButton = 0x0001;
constexpr WParam MkRightButton = 0x0002;
constexpr WParam MkShift = 0x0004;
constexpr WParam MkControl = 0x0008;
constexpr WParam MkMiddleButton = 0x0010;
constexpr WParam MkExtraButton1 = 0x0020;
constexpr WParam MkExtraButton2 = 0x0040;

// The bits of a key message's lParam besides the repeat count.
constexpr LParam KeyContextAlt = LParam{1} << 29;
constexpr LParam KeyPreviouslyDown = LParam{1} << 30;
constexpr LParam KeyReleased = LParam{1} << 31;

// Keys whose code does not depend on the keyboard layout: they are found by their position.
const std::unordered_map<int, std::uint8_t>& PositionalKeys() {
    static const std::unordered_map<int, std::uint8_t> keys = [] {
        std::unordered_map<int, std::uint8_t> table{
            {SDL_SCANCODE_BACKSPACE, vk::Back},
            {SDL_SCANCODE_TAB, vk::Tab},
            {SDL_SCANCODE_CLEAR, vk::Clear},
            {SDL_SCANCODE_KP_CLEAR, vk::Clear},
            {SDL_SCANCODE_RETURN, vk::Return},
            {SDL_SCANCODE_RETURN2, vk::Return},
            {SDL_SCANCODE_KP_ENTER, vk::Return},
            {SDL_SCANCODE_PAUSE, vk::Pause},
            {SDL_SCANCODE_CAPSLOCK, vk::Capital},
            {SDL_SCANCODE_LANG1, vk::Hangul},
            {SDL_SCANCODE_LANG2, vk::Hanja},
            {SDL_SCANCODE_INTERNATIONAL2, vk::Kana},
            {SDL_SCANCODE_INTERNATIONAL4, vk::Convert},
            {SDL_SCANCODE_INTERNATIONAL5, vk::NonConvert},
            {SDL_SCANCODE_ESCAPE, vk::Escape},
            {SDL_SCANCODE_SPACE, vk::Space},
            {SDL_SCANCODE_PAGEUP, vk::Prior},
            {SDL_SCANCODE_PAGEDOWN, vk::Next},
            {SDL_SCANCODE_END, vk::End},
            {SDL_SCANCODE_HOME, vk::Home},
            {SDL_SCANCODE_LEFT, vk::Left},
            {SDL_SCANCODE_UP, vk::Up},
            {SDL_SCANCODE_RIGHT, vk::Right},
            {SDL_SCANCODE_DOWN, vk::Down},
            {SDL_SCANCODE_SELECT, vk::Select},
            {SDL_SCANCODE_EXECUTE, vk::Execute},
            {SDL_SCANCODE_PRINTSCREEN, vk::Snapshot},
            {SDL_SCANCODE_SYSREQ, vk::Snapshot},
            {SDL_SCANCODE_INSERT, vk::Insert},
            {SDL_SCANCODE_DELETE, vk::Delete},
            {SDL_SCANCODE_HELP, vk::Help},
            {SDL_SCANCODE_LGUI, vk::LeftWindows},
            {SDL_SCANCODE_RGUI, vk::RightWindows},
            {SDL_SCANCODE_APPLICATION, vk::Apps},
            {SDL_SCANCODE_MENU, vk::Apps},
            {SDL_SCANCODE_SLEEP, vk::Sleep},
            {SDL_SCANCODE_KP_MULTIPLY, vk::Multiply},
            {SDL_SCANCODE_KP_PLUS, vk::Add},
            {SDL_SCANCODE_KP_COMMA, vk::Separator},
            {SDL_SCANCODE_KP_MINUS, vk::Subtract},
            {SDL_SCANCODE_KP_DIVIDE, vk::Divide},
            {SDL_SCANCODE_NUMLOCKCLEAR, vk::NumLock},
            {SDL_SCANCODE_SCROLLLOCK, vk::Scroll},
            {SDL_SCANCODE_LSHIFT, vk::LeftShift},
            {SDL_SCANCODE_RSHIFT, vk::RightShift},
            {SDL_SCANCODE_LCTRL, vk::LeftControl},
            {SDL_SCANCODE_RCTRL, vk::RightControl},
            {SDL_SCANCODE_LALT, vk::LeftMenu},
            {SDL_SCANCODE_RALT, vk::RightMenu},
            {SDL_SCANCODE_AC_BACK, vk::BrowserBack},
            {SDL_SCANCODE_AC_FORWARD, vk::BrowserForward},
            {SDL_SCANCODE_AC_REFRESH, vk::BrowserRefresh},
            {SDL_SCANCODE_AC_STOP, vk::BrowserStop},
            {SDL_SCANCODE_AC_SEARCH, vk::BrowserSearch},
            {SDL_SCANCODE_AC_BOOKMARKS, vk::BrowserFavorites},
            {SDL_SCANCODE_AC_HOME, vk::BrowserHome},
            {SDL_SCANCODE_MUTE, vk::VolumeMute},
            {SDL_SCANCODE_AUDIOMUTE, vk::VolumeMute},
            {SDL_SCANCODE_VOLUMEDOWN, vk::VolumeDown},
            {SDL_SCANCODE_VOLUMEUP, vk::VolumeUp},
            {SDL_SCANCODE_AUDIONEXT, vk::MediaNextTrack},
            {SDL_SCANCODE_AUDIOPREV, vk::MediaPrevTrack},
            {SDL_SCANCODE_AUDIOSTOP, vk::MediaStop},
            {SDL_SCANCODE_AUDIOPLAY, vk::MediaPlayPause},
            {SDL_SCANCODE_MAIL, vk::LaunchMail},
            {SDL_SCANCODE_MEDIASELECT, vk::LaunchMediaSelect},
            {SDL_SCANCODE_COMPUTER, vk::LaunchApp1},
            {SDL_SCANCODE_CALCULATOR, vk::LaunchApp2},
            {SDL_SCANCODE_CRSEL, vk::CrSel},
            {SDL_SCANCODE_EXSEL, vk::ExSel},
        };
        // The digit row keeps its codes on every layout, as on Windows.
        table[SDL_SCANCODE_0] = vk::Digit0;
        for (int digit = 1; digit <= 9; ++digit) {
            table[SDL_SCANCODE_1 + digit - 1] = static_cast<std::uint8_t>(vk::Digit0 + digit);
        }
        for (int key = 0; key < 12; ++key) {
            table[SDL_SCANCODE_F1 + key] = static_cast<std::uint8_t>(vk::F1 + key);
            table[SDL_SCANCODE_F13 + key] = static_cast<std::uint8_t>(vk::F1 + 12 + key);
        }
        return table;
    }();
    return keys;
}

// The keypad gives digits with num lock on and moves the caret with it off.
std::uint8_t KeypadKeyOf(int scancode, bool numLock) {
    static const std::uint8_t withoutNumLock[10] = {vk::Insert, vk::End,   vk::Down, vk::Next, vk::Left,
                                                    vk::Clear,  vk::Right, vk::Home, vk::Up,   vk::Prior};
    if (scancode == SDL_SCANCODE_KP_0 || (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9)) {
        int digit = scancode == SDL_SCANCODE_KP_0 ? 0 : scancode - SDL_SCANCODE_KP_1 + 1;
        return numLock ? static_cast<std::uint8_t>(vk::Numpad0 + digit) : withoutNumLock[digit];
    }
    if (scancode == SDL_SCANCODE_KP_PERIOD || scancode == SDL_SCANCODE_KP_DECIMAL) {
        return numLock ? vk::Decimal : vk::Delete;
    }
    return 0;
}

// Punctuation keys are named by the character they type, as Windows names them per layout.
std::uint8_t PunctuationKeyOf(int character) {
    switch (character) {
    case ';':
        return vk::Oem1;
    case '=':
    case '+':
        return vk::OemPlus;
    case ',':
        return vk::OemComma;
    case '-':
        return vk::OemMinus;
    case '.':
        return vk::OemPeriod;
    case '/':
        return vk::Oem2;
    case '`':
        return vk::Oem3;
    case '[':
        return vk::Oem4;
    case '\\':
        return vk::Oem5;
    case ']':
        return vk::Oem6;
    case '\'':
        return vk::Oem7;
    default:
        return 0;
    }
}

// Where the layout types a character the game has no code for, the US key at that place decides.
std::uint8_t KeyAtUsPosition(int scancode) {
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
        return static_cast<std::uint8_t>(vk::LetterA + scancode - SDL_SCANCODE_A);
    }
    switch (scancode) {
    case SDL_SCANCODE_SEMICOLON:
        return vk::Oem1;
    case SDL_SCANCODE_EQUALS:
        return vk::OemPlus;
    case SDL_SCANCODE_COMMA:
        return vk::OemComma;
    case SDL_SCANCODE_MINUS:
        return vk::OemMinus;
    case SDL_SCANCODE_PERIOD:
        return vk::OemPeriod;
    case SDL_SCANCODE_SLASH:
        return vk::Oem2;
    case SDL_SCANCODE_GRAVE:
        return vk::Oem3;
    case SDL_SCANCODE_LEFTBRACKET:
        return vk::Oem4;
    case SDL_SCANCODE_BACKSLASH:
    case SDL_SCANCODE_NONUSHASH:
    case SDL_SCANCODE_INTERNATIONAL3:
        return vk::Oem5;
    case SDL_SCANCODE_RIGHTBRACKET:
        return vk::Oem6;
    case SDL_SCANCODE_APOSTROPHE:
        return vk::Oem7;
    case SDL_SCANCODE_NONUSBACKSLASH:
    case SDL_SCANCODE_INTERNATIONAL1:
        return vk::Oem102;
    default:
        return 0;
    }
}

std::uint8_t GenericCodeOf(std::uint8_t virtualKey) {
    std::uint8_t generic = vk::GenericModifierOf(virtualKey);
    return generic != 0 ? generic : virtualKey;
}

bool IsHeld(std::uint8_t virtualKey) {
    return (GetKeyState(virtualKey) & KeyStateDown) != 0;
}

WParam ButtonAndModifierFlags() {
    Uint32 buttons = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetMouseState(nullptr, nullptr) : 0;
    WParam flags = 0;
    flags |= (buttons & SDL_BUTTON_LMASK) ? MkLeftButton : 0;
    flags |= (buttons & SDL_BUTTON_RMASK) ? MkRightButton : 0;
    flags |= (buttons & SDL_BUTTON_MMASK) ? MkMiddleButton : 0;
    flags |= (buttons & SDL_BUTTON_X1MASK) ? MkExtraButton1 : 0;
    flags |= (buttons & SDL_BUTTON_X2MASK) ? MkExtraButton2 : 0;
    flags |= IsHeld(vk::Shift) ? MkShift : 0;
    flags |= IsHeld(vk::Control) ? MkControl : 0;
    return flags;
}

int ButtonOfSdlButton(Uint8 button) {
    switch (button) {
    case SDL_BUTTON_LEFT:
        return 0;
    case SDL_BUTTON_RIGHT:
        return 1;
    case SDL_BUTTON_MIDDLE:
        return 2;
    case SDL_BUTTON_X1:
        return 3;
    case SDL_BUTTON_X2:
        return 4;
    default:
        return -1;
    }
}

Point WindowOrigin(Window* window) {
    if (window == nullptr || window->Native() == nullptr) {
        return {};
    }
    Rect rect = GetWindowRect(*window);
    return {rect.left, rect.top};
}

void TranslateKey(const SDL_KeyboardEvent& event, Window* window, std::vector<Message>& messages) {
    std::uint8_t virtualKey = VirtualKeyOf(event.keysym.scancode, event.keysym.sym, event.keysym.mod);
    AppendKeyMessages(window, virtualKey, event.type == SDL_KEYDOWN, event.repeat != 0, messages);
}

void TranslateMotion(const SDL_MouseMotionEvent& event, Window* window, std::vector<Message>& messages) {
    Point origin = WindowOrigin(window);
    NoteCursorPos(origin.x + event.x, origin.y + event.y);
    AppendMoveMessage(window, {event.x, event.y}, messages);
}

void TranslateButton(const SDL_MouseButtonEvent& event, Window* window, std::vector<Message>& messages) {
    int button = ButtonOfSdlButton(event.button);
    if (button < 0) {
        return;
    }
    Point origin = WindowOrigin(window);
    NoteCursorPos(origin.x + event.x, origin.y + event.y);
    AppendButtonMessage(window, button, event.type == SDL_MOUSEBUTTONDOWN, {event.x, event.y}, messages);
}

void TranslateWheel(const SDL_MouseWheelEvent& event, Window* window, std::vector<Message>& messages) {
    float notches = event.preciseY;
    if (notches == 0.0f) {
        notches = static_cast<float>(event.y);
    }
    if (event.direction == SDL_MOUSEWHEEL_FLIPPED) {
        notches = -notches;
    }
    // The message carries a signed 16-bit delta; a turn that large is a device fault, not a wish.
    long delta = std::lround(notches * WHEEL_DELTA);
    delta = std::clamp(delta, -32768L, 32767L);
    if (delta != 0) {
        AppendWheelMessage(window, static_cast<int>(delta), GetCursorPos(), messages);
    }
}

} // namespace

std::uint8_t VirtualKeyOf(int scancode, int keycode, std::uint16_t modifiers) {
    if (std::uint8_t keypad = KeypadKeyOf(scancode, (modifiers & KMOD_NUM) != 0)) {
        return keypad;
    }
    const auto& positional = PositionalKeys();
    if (auto found = positional.find(scancode); found != positional.end()) {
        return found->second;
    }
    if (keycode >= 'a' && keycode <= 'z') {
        return static_cast<std::uint8_t>(vk::LetterA + keycode - 'a');
    }
    if (std::uint8_t punctuation = PunctuationKeyOf(keycode)) {
        return punctuation;
    }
    return KeyAtUsPosition(scancode);
}

void AppendKeyMessages(Window* window, std::uint8_t virtualKey, bool down, bool repeat,
                       std::vector<Message>& messages) {
    if (virtualKey == 0) {
        return;
    }
    bool altHeld = IsHeld(vk::Menu);
    RecordKeyEvent(virtualKey, down, repeat);
    std::uint8_t code = GenericCodeOf(virtualKey);
    // Windows calls a key a system key while alt is held, and alt itself and F10 always.
    bool system = altHeld || code == vk::Menu || code == vk::F1 + 9;
    LParam lParam = 1;
    if (altHeld || (down && code == vk::Menu)) {
        lParam |= KeyContextAlt;
    }
    if (repeat || !down) {
        lParam |= KeyPreviouslyDown;
    }
    if (!down) {
        lParam |= KeyReleased;
    }
    std::uint32_t message = down ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    messages.push_back({window, message, code, lParam});
}

void AppendButtonMessage(Window* window, int button, bool down, Point client,
                         std::vector<Message>& messages) {
    static const std::uint32_t downMessages[5] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN,
                                                  WM_XBUTTONDOWN, WM_XBUTTONDOWN};
    static const std::uint32_t upMessages[5] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP, WM_XBUTTONUP,
                                                WM_XBUTTONUP};
    if (button < 0 || button > 4) {
        return;
    }
    WParam wParam = ButtonAndModifierFlags();
    if (button >= 3) {
        wParam |= WParam{button == 3 ? XBUTTON1 : XBUTTON2} << 16;
    }
    messages.push_back(
        {window, down ? downMessages[button] : upMessages[button], wParam, MakeLParam(client.x, client.y)});
}

void AppendWheelMessage(Window* window, int delta, Point screen, std::vector<Message>& messages) {
    WParam wParam = ButtonAndModifierFlags() | (WParam{static_cast<std::uint16_t>(delta)} << 16);
    messages.push_back({window, WM_MOUSEWHEEL, wParam, MakeLParam(screen.x, screen.y)});
}

void AppendMoveMessage(Window* window, Point client, std::vector<Message>& messages) {
    messages.push_back({window, WM_MOUSEMOVE, ButtonAndModifierFlags(), MakeLParam(client.x, client.y)});
}

void TranslateInputEvent(const SDL_Event& event, Window* window, std::vector<Message>& messages) {
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        TranslateKey(event.key, window, messages);
        break;
    case SDL_MOUSEMOTION:
        TranslateMotion(event.motion, window, messages);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        TranslateButton(event.button, window, messages);
        break;
    case SDL_MOUSEWHEEL:
        TranslateWheel(event.wheel, window, messages);
        break;
    default:
        break;
    }
}

} // namespace platform
