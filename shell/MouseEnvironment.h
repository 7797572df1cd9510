// What the mouse asks the system: where the cursor is, moving it, and the geometry of the screen and
// of the game window. Tests put in a desk of their own so cursor arithmetic is exact.
#pragma once

#include "platform/CursorPosition.h"

#include <memory>

namespace platform {
class Window;
}

namespace Zelt::C {

class MouseEnvironment {
public:
    virtual ~MouseEnvironment() = default;

    virtual platform::Point CursorPosition() = 0;
    virtual void MoveCursor(platform::Point screen) = 0;
    virtual platform::Point ScreenSize() = 0;
    // The window's rectangle on the screen (its client area: the game's window has no border).
    virtual platform::Rect WindowRect(const platform::Window& window) = 0;
    virtual bool IsForeground(const platform::Window& window) = 0;
};

// The real cursor, screen and window.
std::shared_ptr<MouseEnvironment> MakeSystemMouseEnvironment();

} // namespace Zelt::C
