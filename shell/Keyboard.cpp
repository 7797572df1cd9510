// The keyboard device: per-key state from the window's messages, named actions from "keydef.xml".
#include "shell/Keyboard.h"

#include "datafiles/Node.h"
#include "platform/KeyboardState.h"
#include "platform/VirtualKeyCodes.h"
#include "shell/KeyNames.h"

namespace Zelt {
std::unique_ptr<C::Keyboard> keyboard;
}

namespace Zelt::C {

namespace {

// Keys are watched more closely than the mouse: camera scrolling turns held time into movement.
constexpr InputDeviceWorker::SleepPeriods keyboardSleeps{10, 25};

bool IsSideModifier(int code) {
    return code >= platform::vk::LeftShift && code <= platform::vk::RightMenu;
}

bool IsLockKey(int code) {
    return code == platform::vk::Capital || code == platform::vk::NumLock || code == platform::vk::Scroll;
}

} // namespace

Keyboard::Keyboard(const Brisk::Node& document, bool highResolution, std::shared_ptr<InputClock> clock,
                   SystemKeyState keyState)
    : systemKeyState(keyState ? std::move(keyState) : SystemKeyState(platform::GetKeyState)),
      worker(std::move(clock), highResolution, keyboardSleeps,
             [this](std::uint32_t ms) { AdvanceClocks(ms); }) {
    for (const Brisk::Node& element : document.children) {
        if (const Brisk::Attribute* key = element.FindAttribute("key")) {
            bindings[element.name].push_back(KeyCodeOfName(key->value));
        }
    }
}

Keyboard::~Keyboard() = default;

bool Keyboard::HandleMessage(platform::Window*, std::uint32_t message, platform::WParam wParam,
                             platform::LParam) {
    bool isDown = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    bool isUp = message == WM_KEYUP || message == WM_SYSKEYUP;
    if ((!isDown && !isUp) || wParam >= static_cast<platform::WParam>(keyCount)) {
        return false;
    }
    int code = static_cast<int>(wParam);
    isDown ? KeyDown(code) : KeyUp(code);
    return true;
}

void Keyboard::KeyDown(int code) {
    // A held key repeats its down message: only the first one is a press.
    if (down[code]) {
        return;
    }
    toggled[code] = !toggled[code];
    down[code] = 1;
    {
        std::lock_guard<std::recursive_mutex> guard(lock);
        ++presses[code];
    }
    OnKey(code, true);
    OnToggle(code, toggled[code] != 0);
    std::lock_guard<std::recursive_mutex> guard(lock);
    idleMs[code] = 0;
}

void Keyboard::KeyUp(int code) {
    down[code] = 0;
    OnKey(code, false);
}

void Keyboard::AdvanceClocks(std::uint32_t elapsedMs) {
    std::lock_guard<std::recursive_mutex> guard(lock);
    for (int code = 0; code < keyCount; ++code) {
        (down[code] ? heldMs[code] : idleMs[code]) += elapsedMs;
    }
}

bool Keyboard::IsKeyDown(int code) const {
    if (!IsValid(code)) {
        return false;
    }
    if (IsSideModifier(code)) {
        return (systemKeyState(static_cast<std::uint8_t>(code)) & 0x8000) != 0;
    }
    return down[code] != 0;
}

bool Keyboard::IsKeyToggled(int code) const {
    if (!IsValid(code)) {
        return false;
    }
    if (IsSideModifier(code) || IsLockKey(code)) {
        return (systemKeyState(static_cast<std::uint8_t>(code)) & 0x0001) != 0;
    }
    return toggled[code] != 0;
}

std::uint32_t Keyboard::TakeKeyPresses(int code, std::uint32_t n) {
    if (!IsValid(code)) {
        return 0;
    }
    std::lock_guard<std::recursive_mutex> guard(lock);
    return TakeUpTo(presses[code], n);
}

std::uint32_t Keyboard::TakeKeyHeldMs(int code, std::uint32_t n) {
    if (!IsValid(code)) {
        return 0;
    }
    std::lock_guard<std::recursive_mutex> guard(lock);
    return TakeUpTo(heldMs[code], n);
}

std::uint32_t Keyboard::TakeKeyIdleMs(int code, std::uint32_t n) {
    if (!IsValid(code)) {
        return 0;
    }
    std::lock_guard<std::recursive_mutex> guard(lock);
    return TakeUpTo(idleMs[code], n);
}

const std::vector<std::uint8_t>& Keyboard::KeysOf(const std::string& name) {
    return bindings[name];
}

bool Keyboard::ActionToggled(const std::string& name) {
    for (std::uint8_t code : KeysOf(name)) {
        if (IsKeyToggled(code)) {
            return true;
        }
    }
    return false;
}

bool Keyboard::ActionDown(const std::string& name) {
    for (std::uint8_t code : KeysOf(name)) {
        if (IsKeyDown(code)) {
            return true;
        }
    }
    return false;
}

std::uint32_t Keyboard::ActionPresses(const std::string& name, std::uint32_t n) {
    const auto& keys = KeysOf(name);
    return keys.empty() ? 0 : TakeKeyPresses(keys.front(), n);
}

std::uint32_t Keyboard::ActionHeldMs(const std::string& name, std::uint32_t n) {
    const auto& keys = KeysOf(name);
    return keys.empty() ? 0 : TakeKeyHeldMs(keys.front(), n);
}

std::uint32_t Keyboard::ActionHeldMsOfEveryKey(const std::string& name, std::uint32_t n) {
    std::uint32_t held = 0;
    for (std::uint8_t code : KeysOf(name)) {
        held += TakeKeyHeldMs(code, n);
    }
    return held;
}

std::uint32_t Keyboard::ActionIdleMs(const std::string& name, std::uint32_t n) {
    const auto& keys = KeysOf(name);
    return keys.empty() ? 0 : TakeKeyIdleMs(keys.front(), n);
}

void Keyboard::ClearBindings() {
    bindings.clear();
}

void Keyboard::SetBindings(std::map<std::string, std::vector<std::uint8_t>> newBindings) {
    bindings = std::move(newBindings);
}

} // namespace Zelt::C
