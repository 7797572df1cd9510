// The mouse device: watches the window's mouse messages and keeps, per button, whether it is down, a
// toggle, the presses not yet taken and how long it has been held or idle. The game polls it each frame.
#pragma once

#include "platform/WindowMessages.h"
#include "shell/InputClock.h"
#include "shell/InputDeviceWorker.h"
#include "shell/MouseEnvironment.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

namespace platform {
class Window;
}

namespace Zelt::C {

class Mouse {
public:
    // Buttons: 0 left, 1 right, 2 middle, 3 and 4 the first and second extra button.
    static constexpr int buttonCount = 5;

    // Starts the worker thread. The clock defaults to MakeInputClock(), the environment to the system's.
    explicit Mouse(bool highResolution = true, std::shared_ptr<InputClock> clock = {},
                   std::shared_ptr<MouseEnvironment> environment = {});
    // Stops the worker thread and waits for it.
    virtual ~Mouse();
    Mouse(const Mouse&) = delete;
    Mouse& operator=(const Mouse&) = delete;

    // Answers whether the message was a mouse message the device keeps state for.
    bool HandleMessage(platform::Window* window, std::uint32_t message, platform::WParam wParam,
                       platform::LParam lParam);

    // A button index outside 0-4 answers false or 0 and changes nothing.
    bool IsDown(int button) const;
    bool IsToggled(int button) const;
    void SetToggle(int button);
    void ClearToggle(int button);

    // Completed clicks: nothing while the button is still down (the press stays for later); otherwise
    // answers every recorded press and consumes up to n of them.
    std::uint32_t TakeClicks(int button, std::uint32_t n);
    // Up to n presses, consumed; n = 0 answers the count without consuming.
    std::uint32_t TakePresses(int button, std::uint32_t n);
    std::uint32_t TakeHeldMs(int button, std::uint32_t n);
    std::uint32_t TakeIdleMs(int button, std::uint32_t n);
    // Wheel notches since the last take, positive away from the player.
    float TakeWheel();

    // The last cursor position seen on a move, in the window's client coordinates (screen coordinates
    // for no window); -1 before the first move.
    int ClientX(const platform::Window* window) const;
    int ClientY(const platform::Window* window) const;
    // The cursor across the window (the screen for none): -1 at the left or top pixel, +1 at the right
    // or bottom one, 0 in the middle.
    float NormalizedX(const platform::Window* window) const;
    float NormalizedY(const platform::Window* window) const;
    // Puts the cursor in the middle of the screen (no window) or of the window when it is in front.
    bool CentreCursor(const platform::Window* window);

    // Hooks for devices built on this one; they run on the main thread.
    virtual void OnMove() {}
    virtual void OnButton(int /*button*/, bool /*isDown*/) {}
    virtual void OnToggle(int /*button*/, bool /*isToggled*/) {}

private:
    void ButtonDown(int button);
    void ButtonUp(int button);
    void AdvanceClocks(std::uint32_t elapsedMs);
    platform::Point ClientPosition(const platform::Window* window) const;
    platform::Point AreaSize(const platform::Window* window) const;
    static bool IsValid(int button) { return button >= 0 && button < buttonCount; }

    // Guards presses, heldMs and idleMs between the main thread and the worker; re-entrant so a hook may
    // take from the device while a press is being counted.
    std::recursive_mutex lock;
    std::shared_ptr<MouseEnvironment> environment;
    int x = -1;
    int y = -1;
    float wheel = 0;
    // Written by the main thread only; the worker reads it to choose the clock.
    std::array<std::atomic<int>, buttonCount> down{};
    std::array<int, buttonCount> toggled{};
    std::array<std::uint32_t, buttonCount> presses{};
    std::array<std::uint32_t, buttonCount> heldMs{};
    std::array<std::uint32_t, buttonCount> idleMs{};
    // Last, so the thread starts after and stops before everything it touches.
    InputDeviceWorker worker;
};

} // namespace Zelt::C

namespace Zelt {
// The game's mouse: created while loading, deleted when the window goes; null in between.
extern std::unique_ptr<C::Mouse> mouse;
} // namespace Zelt
