// Switching the monitor to the configured resolution for the game, and back to the desktop's.
#pragma once

#include "platform/DisplaySettings.h"

namespace Zelt {

class DisplayMode {
public:
    // Asks for width x height, and the depth and refresh rate when they are not 0; `changed` tells whether
    // the switch took place.
    void Change(int width, int height, int bitsPerPixel, int frequency);
    // Returns to the desktop's mode once after a successful Change; false when nothing was changed.
    bool Restore();
    // Whether the mode is offered, without switching.
    bool Test(int width, int height, int bitsPerPixel, int frequency) const;
    // The index-th mode offered; the values are written whatever the answer.
    static bool Enumerate(int index, int& width, int& height, int& bitsPerPixel, int& frequency);

    // The request for a mode: width and height always, the depth and the refresh rate only when not 0,
    // so that 0 keeps what the display runs at.
    static platform::DisplaySettings Request(int width, int height, int bitsPerPixel, int frequency);

    bool changed = false;
};

extern DisplayMode displayMode;

} // namespace Zelt
