// The display system: started once on first use, shut down at process exit.
#include "platform/VideoSystem.h"

#include "platform/Window.h"

#include <SDL.h>

#include <cstdlib>

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

ScreenSize DesktopSize() {
    SDL_DisplayMode mode{};
    if (!EnsureVideo() || SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        return {1024, 768};
    }
    return {mode.w, mode.h};
}

ScreenSize CurrentScreenSize() {
    SDL_DisplayMode mode{};
    if (!EnsureVideo() || SDL_GetCurrentDisplayMode(0, &mode) != 0) {
        return DesktopSize();
    }
    return {mode.w, mode.h};
}

} // namespace platform
