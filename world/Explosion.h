// An explosion: an effect that also deals its blast damage and pushes tanks, once.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/Effect.h"

namespace Vorn {

class World;
namespace Constants {
struct ExplosionData;
}

class Explosion : public Effect {
public:
    using Type = ExplosionType;

    // The effect is named after the type. Every creator passes ammunition 0, so the damage multiplier is
    // the record's "ammo_coef_add". Throws like any effect when the particle system is unknown.
    Explosion(World* world, Type type, const Constants::ExplosionData* record, float ammunition);

    // Deals the blast on the first update, then runs like any effect.
    void Update(unsigned elapsedMs) override;

    World* world;
    const Constants::ExplosionData* record;
    bool shockwaveDone;
    bool damageDone = false;
    float damageMultiplier;
};

} // namespace Vorn
