// Where the mouse cursor is on the screen, moving it, and the geometry of the game window around it.
#include "platform/CursorPosition.h"

#include "platform/VideoSystem.h"
#include "platform/Window.h"

#include <SDL.h>

namespace platform {

namespace {

// Where the newest input event or move put the cursor. SDL's global position is cached and may lag
// behind the events already read, so the events are the better witness once there are any.
bool positionKnown = false;
Point lastKnownPosition{-1, -1};

bool HasGlobalMouse() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && SDL_strcmp(driver, "x11") == 0;
}

} // namespace

Point GetCursorPos() {
    if (positionKnown || !SDL_WasInit(SDL_INIT_VIDEO)) {
        return lastKnownPosition;
    }
    Point position;
    if (!SystemInputEnabled()) {
        // Where a fresh display puts the pointer, whatever other programs did with the desktop's.
        SDL_Rect bounds{0, 0, 0, 0};
        SDL_GetDisplayBounds(0, &bounds);
        return {bounds.x + bounds.w / 2, bounds.y + bounds.h / 2};
    }
    SDL_GetGlobalMouseState(&position.x, &position.y);
    return position;
}

bool SetCursorPos(int x, int y) {
    NoteCursorPos(x, y);
    if (!SystemInputEnabled()) {
        return true;
    }
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        return false;
    }
    if (HasGlobalMouse() && SDL_WarpMouseGlobal(x, y) == 0) {
        return true;
    }
    // Without a global warp, move it inside the window that has the mouse (screen and client agree
    // for the game's window at the desktop's origin).
    SDL_Window* window = SDL_GetMouseFocus();
    if (window == nullptr) {
        window = SDL_GetKeyboardFocus();
    }
    if (window == nullptr) {
        return false;
    }
    int left = 0;
    int top = 0;
    SDL_GetWindowPosition(window, &left, &top);
    SDL_WarpMouseInWindow(window, x - left, y - top);
    return true;
}

Rect GetWindowRect(const Window& window) {
    Rect rect;
    if (window.Native() == nullptr) {
        return rect;
    }
    SDL_GetWindowPosition(window.Native(), &rect.left, &rect.top);
    rect.right = rect.left + window.ClientWidth();
    rect.bottom = rect.top + window.ClientHeight();
    return rect;
}

Point ScreenToClient(const Window& window, Point screen) {
    Rect rect = GetWindowRect(window);
    return {screen.x - rect.left, screen.y - rect.top};
}

bool IsForegroundWindow(const Window& window) {
    return window.Native() != nullptr && SDL_GetKeyboardFocus() == window.Native();
}

void NoteCursorPos(int x, int y) {
    lastKnownPosition = {x, y};
    positionKnown = true;
}

} // namespace platform
