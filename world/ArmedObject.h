// A unit that carries a turret: its turret brain reports to it through the notifications below.
#pragma once

#include "world/IInfo.h"
#include "world/Object.h"

#include <memory>

namespace Vorn {

class Turret;

class ArmedObject : public Object, public IInfo {
public:
    ArmedObject();
    ~ArmedObject() override;

    // The turret brain took this target.
    virtual void OnTargetAcquired(Object* target);
    // Something of its own side stands between the turret and the target at (x, y).
    virtual void OnLineOfFireBlocked(float targetX, float targetY);
    virtual void OnTargetLost();
    virtual void OnTargetOutOfRange();
    // The ammunition fell to an eighth of the maximum.
    virtual void OnAmmoLow();
    virtual void OnAmmoEmpty();
    bool ShowsAmmo() const override;
    // Ammunition over the turret's maximum; 0 without a turret or for a turret that carries none.
    float AmmoFraction() const override;
    float ArmorFraction() const override { return HitPointFraction(*this); }

    std::unique_ptr<Turret> turret;
};

} // namespace Vorn
