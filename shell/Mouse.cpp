// The mouse device: per-button state from the window's messages, clocks advanced by a worker thread.
#include "shell/Mouse.h"

#include "platform/Window.h"

namespace Zelt {
std::unique_ptr<C::Mouse> mouse;
}

namespace Zelt::C {

namespace {

// The mouse wakes less often than the keyboard: a click is rarely held for a measured time.
constexpr InputDeviceWorker::SleepPeriods mouseSleeps{20, 50};

int ExtraButtonOf(platform::WParam wParam) {
    switch (platform::HighWord(static_cast<platform::LParam>(wParam))) {
    case XBUTTON1:
        return 3;
    case XBUTTON2:
        return 4;
    default:
        return -1;
    }
}

// -1 at the first pixel, +1 at the last, linear between; an area without pixels has no position.
float Normalized(int coordinate, int size) {
    if (size <= 0) {
        return 0.0f;
    }
    if (coordinate == 0) {
        return -1.0f;
    }
    if (coordinate == size - 1) {
        return 1.0f;
    }
    return -static_cast<float>(size - 2 * coordinate) / static_cast<float>(size);
}

} // namespace

Mouse::Mouse(bool highResolution, std::shared_ptr<InputClock> clock, std::shared_ptr<MouseEnvironment> desk)
    : environment(desk ? std::move(desk) : MakeSystemMouseEnvironment()),
      worker(std::move(clock), highResolution, mouseSleeps, [this](std::uint32_t ms) { AdvanceClocks(ms); }) {
}

Mouse::~Mouse() = default;

bool Mouse::HandleMessage(platform::Window*, std::uint32_t message, platform::WParam wParam,
                          platform::LParam) {
    switch (message) {
    case WM_MOUSEMOVE: {
        // The message's own coordinates are the client's; the device keeps the screen position.
        platform::Point cursor = environment->CursorPosition();
        x = cursor.x;
        y = cursor.y;
        OnMove();
        return true;
    }
    case WM_LBUTTONDOWN:
        ButtonDown(0);
        return true;
    case WM_RBUTTONDOWN:
        ButtonDown(1);
        return true;
    case WM_MBUTTONDOWN:
        ButtonDown(2);
        return true;
    case WM_LBUTTONUP:
        ButtonUp(0);
        return true;
    case WM_RBUTTONUP:
        ButtonUp(1);
        return true;
    case WM_MBUTTONUP:
        ButtonUp(2);
        return true;
    case WM_XBUTTONDOWN:
    case WM_XBUTTONUP: {
        int button = ExtraButtonOf(wParam);
        if (button < 0) {
            return false;
        }
        message == WM_XBUTTONDOWN ? ButtonDown(button) : ButtonUp(button);
        return true;
    }
    case WM_MOUSEWHEEL: {
        auto delta = static_cast<std::int16_t>(platform::HighWord(static_cast<platform::LParam>(wParam)));
        wheel += static_cast<float>(delta) * (1.0f / WHEEL_DELTA);
        return true;
    }
    default:
        return false;
    }
}

void Mouse::ButtonDown(int button) {
    toggled[button] = !toggled[button];
    down[button] = 1;
    {
        std::lock_guard<std::recursive_mutex> guard(lock);
        ++presses[button];
    }
    OnButton(button, true);
    OnToggle(button, toggled[button] != 0);
    std::lock_guard<std::recursive_mutex> guard(lock);
    idleMs[button] = 0;
}

void Mouse::ButtonUp(int button) {
    // The held time stays: the game may still take it after the release.
    down[button] = 0;
    OnButton(button, false);
}

void Mouse::AdvanceClocks(std::uint32_t elapsedMs) {
    std::lock_guard<std::recursive_mutex> guard(lock);
    for (int button = 0; button < buttonCount; ++button) {
        (down[button] ? heldMs[button] : idleMs[button]) += elapsedMs;
    }
}

bool Mouse::IsDown(int button) const {
    return IsValid(button) && down[button] != 0;
}
bool Mouse::IsToggled(int button) const {
    return IsValid(button) && toggled[button] != 0;
}

void Mouse::SetToggle(int button) {
    if (IsValid(button)) {
        toggled[button] = 1;
    }
}

void Mouse::ClearToggle(int button) {
    if (IsValid(button)) {
        toggled[button] = 0;
    }
}

std::uint32_t Mouse::TakeClicks(int button, std::uint32_t n) {
    if (!IsValid(button)) {
        return 0;
    }
    std::lock_guard<std::recursive_mutex> guard(lock);
    if (down[button] || presses[button] == 0) {
        return 0;
    }
    std::uint32_t recorded = presses[button];
    presses[button] -= n < recorded ? n : recorded;
    return recorded;
}

std::uint32_t Mouse::TakePresses(int button, std::uint32_t n) {
    if (!IsValid(button)) {
        return 0;
    }
    std::lock_guard<std::recursive_mutex> guard(lock);
    return TakeUpTo(presses[button], n);
}

std::uint32_t Mouse::TakeHeldMs(int button, std::uint32_t n) {
    if (!IsValid(button)) {
        return 0;
    }
    std::lock_guard<std::recursive_mutex> guard(lock);
    return TakeUpTo(heldMs[button], n);
}

std::uint32_t Mouse::TakeIdleMs(int button, std::uint32_t n) {
    if (!IsValid(button)) {
        return 0;
    }
    std::lock_guard<std::recursive_mutex> guard(lock);
    return TakeUpTo(idleMs[button], n);
}

float Mouse::TakeWheel() {
    float notches = wheel;
    wheel = 0;
    return notches;
}

platform::Point Mouse::ClientPosition(const platform::Window* window) const {
    if (window == nullptr) {
        return {x, y};
    }
    platform::Rect rect = environment->WindowRect(*window);
    return {x - rect.left, y - rect.top};
}

platform::Point Mouse::AreaSize(const platform::Window* window) const {
    if (window == nullptr) {
        return environment->ScreenSize();
    }
    platform::Rect rect = environment->WindowRect(*window);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

int Mouse::ClientX(const platform::Window* window) const {
    return ClientPosition(window).x;
}
int Mouse::ClientY(const platform::Window* window) const {
    return ClientPosition(window).y;
}

float Mouse::NormalizedX(const platform::Window* window) const {
    return Normalized(ClientPosition(window).x, AreaSize(window).x);
}

float Mouse::NormalizedY(const platform::Window* window) const {
    return Normalized(ClientPosition(window).y, AreaSize(window).y);
}

bool Mouse::CentreCursor(const platform::Window* window) {
    if (window == nullptr) {
        platform::Point screen = environment->ScreenSize();
        environment->MoveCursor({screen.x / 2, screen.y / 2});
        return true;
    }
    if (!environment->IsForeground(*window)) {
        return false;
    }
    platform::Rect rect = environment->WindowRect(*window);
    environment->MoveCursor({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    return true;
}

} // namespace Zelt::C
