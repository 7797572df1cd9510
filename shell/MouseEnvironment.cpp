// The real cursor, screen and window as the mouse sees them.
#include "shell/MouseEnvironment.h"

#include "platform/VideoSystem.h"

namespace Zelt::C {

namespace {

class SystemMouseEnvironment : public MouseEnvironment {
public:
    platform::Point CursorPosition() override { return platform::GetCursorPos(); }
    void MoveCursor(platform::Point screen) override { platform::SetCursorPos(screen.x, screen.y); }
    platform::Point ScreenSize() override {
        // The mode now in use, not the desktop's: a display-mode switch changes where the edges are.
        platform::ScreenSize size = platform::CurrentScreenSize();
        return {size.width, size.height};
    }
    platform::Rect WindowRect(const platform::Window& window) override {
        return platform::GetWindowRect(window);
    }
    bool IsForeground(const platform::Window& window) override {
        return platform::IsForegroundWindow(window);
    }
};

} // namespace

std::shared_ptr<MouseEnvironment> MakeSystemMouseEnvironment() {
    return std::make_shared<SystemMouseEnvironment>();
}

} // namespace Zelt::C
