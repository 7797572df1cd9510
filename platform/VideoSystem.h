// The display system: started once on first use, shut down at process exit.
#pragma once

namespace platform {

// Starts the video and event system; answers false (LastError set) when there is no display.
bool EnsureVideo();

struct ScreenSize {
    int width = 0;
    int height = 0;
};
// The desktop's size in pixels; 1024 x 768 when no display can be reached.
ScreenSize DesktopSize();
// The first display's size in the mode it runs now: after a display-mode switch, the switched size.
ScreenSize CurrentScreenSize();

} // namespace platform
