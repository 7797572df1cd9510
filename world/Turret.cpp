// A turret and its ammunition.
#include "world/Turret.h"

#include "rules/TurretData.h"

namespace Vorn {

Turret::Turret(ArmedObject* carrier, TurretType type, const Constants::TurretData* record, int side)
    : record(record), carrier(carrier), type(type) {
    this->side = side;
    if (record) {
        ammunition = record->maxAmmo;
        shotsLeftInSerie = record->roundsInSerie;
        serieTimer = record->serieReloadTime;
        bulletKind = record->bullet;
    }
}

} // namespace Vorn
