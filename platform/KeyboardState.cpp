// The system's own view of the keyboard: which keys are down and which toggles are on.
#include "platform/KeyboardState.h"

#include "platform/VirtualKeyCodes.h"

#include <SDL.h>

#include <array>

namespace platform {

namespace {

struct RecordedKey {
    bool down = false;
    bool toggled = false;
};
std::array<RecordedKey, 256> recordedKeys;

// The scancodes SDL keeps for a modifier code, so held modifiers count even if an event was missed.
bool IsHeldBySystem(std::uint8_t virtualKey) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        return false;
    }
    const Uint8* keys = SDL_GetKeyboardState(nullptr);
    switch (virtualKey) {
    case vk::Shift:
        return keys[SDL_SCANCODE_LSHIFT] || keys[SDL_SCANCODE_RSHIFT];
    case vk::Control:
        return keys[SDL_SCANCODE_LCTRL] || keys[SDL_SCANCODE_RCTRL];
    case vk::Menu:
        return keys[SDL_SCANCODE_LALT] || keys[SDL_SCANCODE_RALT];
    case vk::LeftShift:
        return keys[SDL_SCANCODE_LSHIFT];
    case vk::RightShift:
        return keys[SDL_SCANCODE_RSHIFT];
    case vk::LeftControl:
        return keys[SDL_SCANCODE_LCTRL];
    case vk::RightControl:
        return keys[SDL_SCANCODE_RCTRL];
    case vk::LeftMenu:
        return keys[SDL_SCANCODE_LALT];
    case vk::RightMenu:
        return keys[SDL_SCANCODE_RALT];
    default:
        return false;
    }
}

// The lock state of a lock key, or -1 for any other key.
int SystemLockState(std::uint8_t virtualKey) {
    SDL_Keymod modifiers = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetModState() : KMOD_NONE;
    switch (virtualKey) {
    case vk::Capital:
        return (modifiers & KMOD_CAPS) != 0;
    case vk::NumLock:
        return (modifiers & KMOD_NUM) != 0;
    case vk::Scroll:
        return (modifiers & KMOD_SCROLL) != 0;
    default:
        return -1;
    }
}

SDL_Keymod LockModifierOf(std::uint8_t virtualKey) {
    switch (virtualKey) {
    case vk::Capital:
        return KMOD_CAPS;
    case vk::NumLock:
        return KMOD_NUM;
    case vk::Scroll:
        return KMOD_SCROLL;
    default:
        return KMOD_NONE;
    }
}

void RecordOne(std::uint8_t virtualKey, bool down, bool repeat) {
    RecordedKey& key = recordedKeys[virtualKey];
    if (down && !repeat && !key.down) {
        key.toggled = !key.toggled;
    }
    key.down = down;
}

} // namespace

std::uint16_t GetKeyState(std::uint8_t virtualKey) {
    const RecordedKey& key = recordedKeys[virtualKey];
    std::uint16_t state = 0;
    if (key.down || IsHeldBySystem(virtualKey)) {
        state |= KeyStateDown;
    }
    int lock = SystemLockState(virtualKey);
    bool toggled = lock >= 0 ? lock == 1 : key.toggled;
    if (toggled) {
        state |= KeyStateToggled;
    }
    return state;
}

void RecordKeyEvent(std::uint8_t virtualKey, bool down, bool repeat) {
    RecordOne(virtualKey, down, repeat);
    std::uint8_t generic = vk::GenericModifierOf(virtualKey);
    if (generic == 0) {
        return;
    }
    // The generic code stays down while either side is held.
    std::uint8_t left = generic == vk::Shift     ? vk::LeftShift
                        : generic == vk::Control ? vk::LeftControl
                                                 : vk::LeftMenu;
    bool eitherSide = recordedKeys[left].down || recordedKeys[left + 1].down;
    RecordOne(generic, eitherSide, repeat);
}

void SimulateLockKeyPress(std::uint8_t virtualKey) {
    SDL_Keymod lock = LockModifierOf(virtualKey);
    if (lock == KMOD_NONE || !SDL_WasInit(SDL_INIT_VIDEO)) {
        return;
    }
    SDL_SetModState(static_cast<SDL_Keymod>(SDL_GetModState() ^ lock));
}

void ResetRecordedKeys() {
    recordedKeys.fill({});
}

} // namespace platform
