// The display system: started once on first use, shut down at process exit.
#pragma once

#include <string>

namespace platform {

// Starts the video and event system; answers false (LastError set) when there is no display.
bool EnsureVideo();

// Whether a window opened now would be seen. With no display to reach, the system falls back to a driver
// that draws into memory only (SDL's "offscreen"), where a game would run unseen until killed; that
// counts as no display unless SDL_VIDEODRIVER asked for it by name. When false, `reason` says why in a
// few words, naming the display asked for.
bool HasVisibleDisplay(std::string& reason);

struct ScreenSize {
    int width = 0;
    int height = 0;
};
// The desktop's size in pixels; 1024 x 768 when no display can be reached.
ScreenSize DesktopSize();
// The first display's size in the mode it runs now: after a display-mode switch, the switched size.
ScreenSize CurrentScreenSize();

// Where a display stands on the desktop and its size, in pixels.
struct DisplayBounds {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
// How many displays the system has; 0 when none can be reached.
int DisplayCount();
// The display's place and size; the first display's (or 1024 x 768 at the origin) for one that is not
// there.
DisplayBounds DisplayBoundsOf(int display);
// The name the system gives the display; empty when it has none.
std::string DisplayName(int display);

} // namespace platform
