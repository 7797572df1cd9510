// A unit that carries a turret.
#include "world/ArmedObject.h"

#include "rules/TurretData.h"
#include "world/Turret.h"

namespace Vorn {

ArmedObject::ArmedObject() = default;

ArmedObject::~ArmedObject() = default;

void ArmedObject::OnTargetAcquired(Object* /*target*/) {}

void ArmedObject::OnLineOfFireBlocked(float /*targetX*/, float /*targetY*/) {}

void ArmedObject::OnTargetLost() {}

void ArmedObject::OnTargetOutOfRange() {}

void ArmedObject::OnAmmoLow() {}

void ArmedObject::OnAmmoEmpty() {}

bool ArmedObject::ShowsAmmo() const {
    return true;
}

float ArmedObject::AmmoFraction() const {
    if (!turret || !turret->record || turret->record->maxAmmo <= 0)
        return 0;
    return static_cast<float>(turret->ammunition) / turret->record->maxAmmo;
}

} // namespace Vorn
