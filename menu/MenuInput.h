// What the player did to a menu since the last frame: arrows, Enter, Escape, function keys and the
// mouse, read from the devices by key rather than by action, so the menus work whatever the bindings say.
#pragma once

#include <cstdint>

namespace Vorn {

struct MenuInput {
    int up = 0;
    int down = 0;
    int left = 0;
    int right = 0;
    bool enter = false;
    bool escape = false;
    bool backspace = false;
    // A key pressed this frame that is none of the above (for rebinding and typing), 0 for none.
    std::uint8_t otherKey = 0;
    // The cursor in screen pixels, y up; whether the left button finished a click there.
    int cursorX = -1;
    int cursorY = -1;
    bool clicked = false;
    // The wheel's notches, away from the player positive.
    float wheel = 0;
};

// Takes every press and click the menus read from the keyboard and the mouse (nothing when the devices
// are not there yet). With `anyKey` the first other key pressed is reported too.
MenuInput TakeMenuInput(int screenHeight, bool anyKey = false);

} // namespace Vorn
