// The keyboard device: watches the window's key messages and keeps, per virtual-key code, whether the key
// is down, a toggle, the presses not yet taken and how long it has been held or idle; and answers the
// named actions that "keydef.xml" binds to keys, so the game asks for "pause" rather than for a key.
#pragma once

#include "platform/WindowMessages.h"
#include "shell/InputClock.h"
#include "shell/InputDeviceWorker.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Brisk {
class Node;
}
namespace platform {
class Window;
}

namespace Zelt::C {

class Keyboard {
public:
    // Codes 0 to 254; 255 is never handled.
    static constexpr int keyCount = 255;
    // The system's state of a key: bit 0x8000 down, bit 0x0001 toggled.
    using SystemKeyState = std::function<std::uint16_t(std::uint8_t code)>;

    // Binds every top-level element with a key attribute: the element's name is the action, the key
    // names the key (an unknown name binds code 0, which no key produces); an action may be bound to
    // several keys, in file order. Starts the worker thread. The clock defaults to MakeInputClock(),
    // the system key state to the system's.
    explicit Keyboard(const Brisk::Node& document, bool highResolution = true,
                      std::shared_ptr<InputClock> clock = {}, SystemKeyState systemKeyState = {});
    // Stops the worker thread and waits for it.
    virtual ~Keyboard();
    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    // Answers whether the message was a key message the device keeps state for.
    bool HandleMessage(platform::Window* window, std::uint32_t message, platform::WParam wParam,
                       platform::LParam lParam);

    // The left and right shift, control and alt keys answer the system's state, as do the toggles of
    // caps, num and scroll lock: the window does not see every change of those.
    bool IsKeyDown(int code) const;
    bool IsKeyToggled(int code) const;
    // As the mouse's TakePresses: up to n consumed; n = 0 peeks.
    std::uint32_t TakeKeyPresses(int code, std::uint32_t n);
    std::uint32_t TakeKeyHeldMs(int code, std::uint32_t n);
    std::uint32_t TakeKeyIdleMs(int code, std::uint32_t n);

    // Any key bound to the action toggled or down.
    bool ActionToggled(const std::string& name);
    bool ActionDown(const std::string& name);
    // The first key bound to the action only; 0 for an unbound action.
    std::uint32_t ActionPresses(const std::string& name, std::uint32_t n);
    std::uint32_t ActionHeldMs(const std::string& name, std::uint32_t n);
    std::uint32_t ActionIdleMs(const std::string& name, std::uint32_t n);
    // The held times of every key bound to the action, up to n taken from each, summed: for actions whose
    // keys are alternatives, such as the main-row and the keypad "+".
    std::uint32_t ActionHeldMsOfEveryKey(const std::string& name, std::uint32_t n);

    // Unbinds every action (the shell does so before deleting the keyboard).
    void ClearBindings();
    // Replaces every binding at once (the settings screen's rebinding); main thread only.
    void SetBindings(std::map<std::string, std::vector<std::uint8_t>> newBindings);
    const std::map<std::string, std::vector<std::uint8_t>>& Bindings() const { return bindings; }

    // Hooks for devices built on this one; they run on the main thread.
    virtual void OnKey(int /*code*/, bool /*isDown*/) {}
    virtual void OnToggle(int /*code*/, bool /*isToggled*/) {}

private:
    void KeyDown(int code);
    void KeyUp(int code);
    void AdvanceClocks(std::uint32_t elapsedMs);
    // The keys bound to an action; an action asked for but never bound is remembered without keys.
    const std::vector<std::uint8_t>& KeysOf(const std::string& name);
    static bool IsValid(int code) { return code >= 0 && code < keyCount; }

    // Guards presses, heldMs and idleMs between the main thread and the worker; re-entrant so a hook may
    // take from the device while a press is being counted.
    std::recursive_mutex lock;
    SystemKeyState systemKeyState;
    // Written by the main thread only; the worker reads it to choose the clock.
    std::array<std::atomic<int>, keyCount> down{};
    std::array<int, keyCount> toggled{};
    std::array<std::uint32_t, keyCount> presses{};
    std::array<std::uint32_t, keyCount> heldMs{};
    std::array<std::uint32_t, keyCount> idleMs{};
    std::map<std::string, std::vector<std::uint8_t>> bindings;
    // Last, so the thread starts after and stops before everything it touches.
    InputDeviceWorker worker;
};

} // namespace Zelt::C

namespace Zelt {
// The game's keyboard: built from "keydef.xml" when the window is created, deleted when it goes.
extern std::unique_ptr<C::Keyboard> keyboard;
} // namespace Zelt
