// A turret: firing clock, bullets, muzzle flashes and spent shells.
#include "world/Turret.h"

#include "visuals/DrawingStore.h"
#include "random/Random.h"
#include "rules/BulletData.h"
#include "rules/ConstantsTable.h"
#include "rules/TurretData.h"
#include "rules/TypeCatalogue.h"
#include "world/Angles.h"
#include "world/ArmedObject.h"
#include "world/Bullet.h"
#include "world/PlaceEffect.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {
const Constants::TurretData* RecordOf(TurretType type) {
    return Constants::constantsTable.Find<Constants::TurretData>(ConstantIdOf(type));
}
} // namespace

// The brain is built last: it reads the record and the range from the fields above it.
Turret::Turret(World* world, ArmedObject* carrier, TurretType type, int side)
    : record(RecordOf(type)), carrier(carrier), world(world), type(type), brain(world, this) {
    this->side = side;
    drawing = drawingStore.FindDrawing(TypeNameOf(type));
    mouthCount = static_cast<int>(drawing->Mouths().size());
    if (record) {
        bulletKind = record->bullet;
        bulletRecord = Constants::constantsTable.Find<Constants::BulletData>(ConstantIdOf(bulletKind));
        ammunition = record->maxAmmo;
        shotsLeftInSerie = record->roundsInSerie;
        serieTimer = record->serieReloadTime;
        brain.range = record->engageRange;
    }
}

bool Turret::FireStep(float seconds, bool wantFire) {
    if (ammunition <= 0 || !record)
        return false;
    if (shotsLeftInSerie > 0) {
        if (shotTimer > 0) {
            shotTimer -= seconds;
            return false;
        }
        if (!wantFire)
            return false;
        shotTimer = record->reloadTime;
        --shotsLeftInSerie;
        --ammunition;
        return true;
    }
    if (serieTimer > 0) {
        serieTimer -= seconds;
    } else {
        serieTimer = record->serieReloadTime;
        shotsLeftInSerie = record->roundsInSerie;
    }
    return false;
}

void Turret::ClearSerie() {
    shotsLeftInSerie = 0;
}

int Turret::Rearm(unsigned& pool) {
    const int missing = std::max(0, (record ? record->maxAmmo : 0) - ammunition);
    const int loaded = static_cast<int>(std::min<unsigned>(static_cast<unsigned>(missing), pool));
    ammunition += loaded;
    pool -= static_cast<unsigned>(loaded);
    return loaded;
}

Bullet* Turret::SpawnBullet(float accuracyMultiplier, float effectMultiplier) {
    auto* bullet = new Bullet(world, carrier, bulletKind, effectMultiplier);
    const float spread = accuracyMultiplier * (record ? record->accuracyAngle : 0);
    bullet->direction = direction + spread * 0.5f - static_cast<float>(randomGenerator.Next()) * spread;
    bullet->x = carrier->x;
    bullet->y = carrier->y;
    if (mouthCount > 0)
        ShowMuzzle(*bullet);
    if (world && record && !record->shellPs.empty())
        world->shared.EjectShells(*world, type, record->shellPs, carrier->x, carrier->y,
                                  record->shellDirection + direction);
    if (mouthCount > 1)
        currentMouth = (currentMouth + 1) % mouthCount;
    return bullet;
}

// Mouth offsets are in the drawing's own axes: y along the barrel, x across it.
void Turret::ShowMuzzle(Bullet& bullet) {
    const Drawing::Point& mouth = drawing->Mouths()[static_cast<std::size_t>(currentMouth)];
    const double t = bullet.direction * radiansPerDegree;
    const double across = t + 90 * radiansPerDegree;
    bullet.x += static_cast<float>(mouth.y * std::sin(t) + mouth.x * std::sin(across));
    bullet.y += static_cast<float>(mouth.y * std::cos(t) + mouth.x * std::cos(across));
    const std::string& flash = drawing->MouthParticleSystems()[static_cast<std::size_t>(currentMouth)];
    if (world && !flash.empty())
        PlaceEffect(*world, world->UpperEffects(), flash, direction, true, bullet.x, bullet.y);
}

} // namespace Vorn
