// Keeping the mouse cursor inside the game's screen area.
#include "platform/CursorClip.h"

#include "platform/VideoSystem.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

namespace {
Rect currentClip;
bool clipped = false;
} // namespace

Rect DesktopRect() {
    const int displays = EnsureVideo() ? SDL_GetNumVideoDisplays() : 0;
    if (displays < 1) {
        ScreenSize desktop = DesktopSize();
        return {0, 0, desktop.width, desktop.height};
    }
    Rect desktop{};
    for (int index = 0; index < displays; ++index) {
        SDL_Rect bounds{};
        if (SDL_GetDisplayBounds(index, &bounds) != 0) {
            continue;
        }
        Rect display{bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
        if (index == 0) {
            desktop = display;
            continue;
        }
        desktop = {std::min(desktop.left, display.left), std::min(desktop.top, display.top),
                   std::max(desktop.right, display.right), std::max(desktop.bottom, display.bottom)};
    }
    return desktop;
}

bool CoversDesktop(const Rect& area, const Rect& desktop) {
    return area.left <= desktop.left && area.top <= desktop.top && area.right >= desktop.right &&
           area.bottom >= desktop.bottom;
}

bool GetClipCursor(Rect& rect) {
    rect = clipped ? currentClip : DesktopRect();
    return true;
}

bool ClipCursor(const Rect& rect) {
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    clipped = !CoversDesktop(rect, DesktopRect());
    currentClip = rect;
    if (window == nullptr) {
        return true;
    }
    if (!clipped) {
        return SDL_SetWindowMouseRect(window, nullptr) == 0;
    }
    // The window sits at the desktop's origin, so screen and client coordinates agree.
    SDL_Rect area{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    return SDL_SetWindowMouseRect(window, &area) == 0;
}

} // namespace platform
