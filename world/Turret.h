// A turret: the weapon a tank or tower carries, with its ammunition, its firing clock and its brain.
#pragma once

#include "ai/TurretBrain.h"
#include "rules/ObjectTypes.h"
#include "world/Object.h"

namespace Vorn {

class ArmedObject;
class Bullet;
class World;
namespace Constants {
struct TurretData;
struct BulletData;
} // namespace Constants

// Its x and y are unused: it sits on its carrier. Its direction is the absolute heading of the barrel.
class Turret : public Object {
public:
    using TurretType = Vorn::TurretType;

    // Takes the type's record and its bullet's record from the constants table and the drawing by the
    // type's name; a type without a record makes a turret that never fires.
    Turret(World* world, ArmedObject* carrier, TurretType type, int side);

    // Advances the firing clock by the seconds; true when a shot leaves now. A new turret fires at once; an
    // exhausted serie first waits "serie_reload_time".
    bool FireStep(float seconds, bool wantFire);
    // The next shot waits for a full serie reload.
    void ClearSerie();
    // Loads what is missing from the pool, at most all of it; takes it from the pool and answers it.
    int Rearm(unsigned& pool);
    // A new bullet leaving the current mouth with a random spread, with the muzzle flash and the spent
    // shells it makes; the caller files it in the world.
    Bullet* SpawnBullet(float accuracyMultiplier, float effectMultiplier);

    const Constants::TurretData* record;
    const Constants::BulletData* bulletRecord = nullptr;
    int ammunition = 0;
    int shotsLeftInSerie = 0;
    float shotTimer = 0;
    float serieTimer = 0;
    int currentMouth = 0;
    int mouthCount = 0;
    ArmedObject* carrier;
    World* world;
    TurretType type;
    BulletType bulletKind = BulletType::GunBullet;
    TurretBrain brain;

private:
    void ShowMuzzle(Bullet& bullet);
};

} // namespace Vorn
