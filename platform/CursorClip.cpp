// Keeping the mouse cursor inside the game's screen area.
#include "platform/CursorClip.h"

#include "platform/VideoSystem.h"

#include <SDL.h>

namespace platform {

namespace {
Rect currentClip;
bool clipped = false;
} // namespace

bool GetClipCursor(Rect& rect) {
    if (clipped) {
        rect = currentClip;
        return true;
    }
    ScreenSize desktop = DesktopSize();
    rect = {0, 0, desktop.width, desktop.height};
    return true;
}

bool ClipCursor(const Rect& rect) {
    SDL_Window* window = SDL_GL_GetCurrentWindow();
    ScreenSize desktop = DesktopSize();
    bool wholeDesktop =
        rect.left <= 0 && rect.top <= 0 && rect.right >= desktop.width && rect.bottom >= desktop.height;
    clipped = !wholeDesktop;
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
