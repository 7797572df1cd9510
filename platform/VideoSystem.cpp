// The display system: started once on first use, shut down at process exit.
#include "platform/VideoSystem.h"

#include "platform/Window.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace platform {

bool EnsureVideo() {
    static bool started = false;
    if (started) {
        return true;
    }
    // Ask for the real GL driver rather than a compositor's wrapper, and keep the desktop's screen saver.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // The window catches the terminate signals itself (Window.cpp).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        SetLastError(1);
        return false;
    }
    started = true;
    std::atexit([] { SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS); });
    return true;
}

namespace {

// The display the environment names, for messages: "DISPLAY=:99", or that none is named.
std::string DisplayAskedFor() {
    std::string asked;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (const char* value = std::getenv(variable)) {
            asked += (asked.empty() ? "" : ", ") + std::string(variable) + "=" + value;
        }
    }
    return asked.empty() ? "DISPLAY and WAYLAND_DISPLAY are not set" : asked;
}

bool DrawsIntoMemoryOnly(const char* driver) {
    return driver != nullptr && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

} // namespace

bool HasVisibleDisplay(std::string& reason) {
    if (!EnsureVideo()) {
        reason = std::string(SDL_GetError()) + " (" + DisplayAskedFor() + ")";
        return false;
    }
    if (!DrawsIntoMemoryOnly(SDL_GetCurrentVideoDriver()) || std::getenv("SDL_VIDEODRIVER") != nullptr) {
        return true;
    }
    reason = "no display can be reached (" + DisplayAskedFor() + ")";
    return false;
}

ScreenSize DesktopSize() {
    SDL_DisplayMode mode{};
    if (!EnsureVideo() || SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        return {1024, 768};
    }
    return {mode.w, mode.h};
}

int DisplayCount() {
    return EnsureVideo() ? std::max(SDL_GetNumVideoDisplays(), 0) : 0;
}

DisplayBounds DisplayBoundsOf(int display) {
    SDL_Rect bounds{};
    if (display < 0 || display >= DisplayCount() || SDL_GetDisplayBounds(display, &bounds) != 0) {
        if (display == 0) {
            const ScreenSize desktop = DesktopSize();
            return {0, 0, desktop.width, desktop.height};
        }
        return DisplayBoundsOf(0);
    }
    return {bounds.x, bounds.y, bounds.w, bounds.h};
}

std::string DisplayName(int display) {
    const char* name = display >= 0 && display < DisplayCount() ? SDL_GetDisplayName(display) : nullptr;
    return name != nullptr ? name : "";
}

ScreenSize CurrentScreenSize() {
    SDL_DisplayMode mode{};
    if (!EnsureVideo() || SDL_GetCurrentDisplayMode(0, &mode) != 0) {
        return DesktopSize();
    }
    return {mode.w, mode.h};
}

} // namespace platform
