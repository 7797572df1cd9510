// A turret: the weapon a tank or tower carries, with its ammunition and firing clock.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/Object.h"

namespace Vorn {

class ArmedObject;
namespace Constants {
struct TurretData;
struct BulletData;
} // namespace Constants

// Its x and y are unused: it sits on its carrier. Its direction is the absolute heading of the barrel.
class Turret : public Object {
public:
    using TurretType = Vorn::TurretType;

    Turret(ArmedObject* carrier, TurretType type, const Constants::TurretData* record, int side);

    const Constants::TurretData* record;
    const Constants::BulletData* bulletRecord = nullptr;
    int ammunition = 0;
    int shotsLeftInSerie = 0;
    float shotTimer = 0;
    float serieTimer = 0;
    int currentMouth = 0;
    int mouthCount = 0;
    ArmedObject* carrier;
    TurretType type;
    BulletType bulletKind = BulletType::GunBullet;
};

} // namespace Vorn
