// What the map overlay reads from the player's devices: the cursor, the left button, whether the cursor is
// over a panel, held modifiers and counted key presses. The game reads the real mouse and keyboard; tests
// give their own.
#pragma once

#include <cstdint>
#include <string_view>

namespace Vorn {

class Interface;

struct PointerState {
    // Window coordinates, y down.
    int x = -1;
    int y = -1;
    bool leftDown = false;
    bool overPanel = false;
};

class OverlayControls {
public:
    virtual ~OverlayControls() = default;
    virtual PointerState Pointer() = 0;
    // Whether a key bound to the action is down.
    virtual bool Held(std::string_view action) = 0;
    // The presses of the action since the last call, consumed.
    virtual std::uint32_t TakePresses(std::string_view action) = 0;
};

// The game's mouse and keyboard; without them the cursor is nowhere and nothing is held. The interface
// answers whether the cursor is over a panel (none without an interface).
class DeviceControls : public OverlayControls {
public:
    explicit DeviceControls(Interface* interface) : interface(interface) {}
    PointerState Pointer() override;
    bool Held(std::string_view action) override;
    std::uint32_t TakePresses(std::string_view action) override;

private:
    Interface* interface;
};

} // namespace Vorn
