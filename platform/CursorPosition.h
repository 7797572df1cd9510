// Where the mouse cursor is on the screen, moving it, and the geometry of the game window around it.
#pragma once

#include "platform/CursorClip.h"

namespace platform {

class Window;

struct Point {
    int x = 0;
    int y = 0;
};

// The cursor in screen coordinates (origin at the top left of the desktop, y downward): where the newest
// mouse event read from the system or the last move put it.
Point GetCursorPos();
// Moves the cursor to a screen position; answers false when the system refuses.
bool SetCursorPos(int x, int y);

// The window's rectangle on the screen.
Rect GetWindowRect(const Window& window);
// A screen point in the window's client coordinates.
Point ScreenToClient(const Window& window, Point screen);
// Whether the window has the keyboard focus (is the one the player works in).
bool IsForegroundWindow(const Window& window);

// Remembers where an input event put the cursor; the translation of every mouse event calls it.
void NoteCursorPos(int x, int y);

} // namespace platform
