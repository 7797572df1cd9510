// An object's hit points as the rules, the digest and the displays read them: how many are left and how
// many the object has when whole. Where each kind keeps them is known in one place, Object::Health.
#pragma once

namespace Vorn {

struct HitPoints {
    float current = 0;
    float maximum = 0;

    // Current over maximum; 0 when the maximum is not positive, so a broken record never divides by 0.
    float Fraction() const { return maximum > 0 ? current / maximum : 0; }
};

} // namespace Vorn
