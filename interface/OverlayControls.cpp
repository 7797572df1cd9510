// The overlay's view of the real devices.
#include "interface/OverlayControls.h"

#include "interface/Interface.h"
#include "shell/Keyboard.h"
#include "shell/Mouse.h"

#include <string>

namespace Vorn {

PointerState DeviceControls::Pointer() {
    PointerState pointer;
    if (Zelt::mouse == nullptr) {
        return pointer;
    }
    pointer.x = Zelt::mouse->ClientX(nullptr);
    pointer.y = Zelt::mouse->ClientY(nullptr);
    pointer.leftDown = Zelt::mouse->IsDown(0);
    pointer.overPanel = interface != nullptr && interface->Click(pointer.x, pointer.y, -1);
    return pointer;
}

bool DeviceControls::Held(std::string_view action) {
    return Zelt::keyboard != nullptr && Zelt::keyboard->ActionDown(std::string(action));
}

std::uint32_t DeviceControls::TakePresses(std::string_view action) {
    return Zelt::keyboard != nullptr ? Zelt::keyboard->ActionPresses(std::string(action), Zelt::C::takeAll)
                                     : 0;
}

} // namespace Vorn
