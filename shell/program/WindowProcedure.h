// The window procedure: creation, one frame per paint message, activation, and the ordered shutdown.
#pragma once

#include "platform/WindowMessages.h"

namespace platform {
class Window;
}

namespace Zelt {

// The exit code of a program whose window procedure met an exception (its message goes to stderr).
inline constexpr int EscapedErrorExitCode = 70;

platform::LParam WindowProc(platform::Window& window, std::uint32_t message, platform::WParam wParam,
                            platform::LParam lParam);

} // namespace Zelt
