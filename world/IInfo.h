// What the selection display reads from a unit: its armour and ammunition bars.
#pragma once

namespace Vorn {

class IInfo {
public:
    // Current over maximum hit points, 0..1.
    virtual float ArmorFraction() const = 0;
    virtual bool ShowsAmmo() const { return false; }
    virtual float AmmoFraction() const { return 0; }
    virtual ~IInfo() = default;
};

} // namespace Vorn
