// Keeping the mouse cursor inside the game's screen area.
#pragma once

namespace platform {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The whole desktop: every display together, in screen coordinates.
Rect DesktopRect();
// Whether an area leaves the cursor nothing to be kept from: it covers every display of the desktop.
// The first display alone is not the desktop when more are attached.
bool CoversDesktop(const Rect& area, const Rect& desktop);

// The area the cursor is currently confined to (the whole desktop when unconfined).
bool GetClipCursor(Rect& rect);
// Confines the cursor to the rectangle of the game window; the whole desktop lifts the confinement.
bool ClipCursor(const Rect& rect);

} // namespace platform
