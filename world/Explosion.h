// An explosion: an effect that also deals its blast damage and pushes tanks, once.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/Effect.h"
#include "world/ObjectKind.h"

namespace Vorn {

class Object;
class World;
namespace Constants {
struct ExplosionData;
}

class Explosion : public Effect {
public:
    using Type = ExplosionType;

    // The effect is named after the type and the record is the type's. Every creator passes ammunition 0,
    // so the damage multiplier is the record's "ammo_coef_add". Throws like any effect when the particle
    // system is unknown.
    Explosion(World* world, Type type, float ammunition);

    // Shows the shockwave and deals the blast on the first update, then runs like any effect.
    void Update(unsigned elapsedMs) override;

    World* world;
    Type type;
    // The side whose weapon it is (a shell's shooter, a mine's layer), or noSide for a wreck's: its blast
    // attacks the other sides.
    int side = noSide;
    const Constants::ExplosionData* record;
    bool shockwaveDone;
    bool damageDone = false;
    float damageMultiplier = 0;

private:
    void Blast();
    // Harms the objects of the victims' side in range; the harm attacks them when this is another side's
    // weapon.
    void BlastSide(int victims);
    void Push(Object& tank);
};

} // namespace Vorn
