// An explosion.
#include "world/Explosion.h"

#include "rules/ExplosionData.h"
#include "rules/TypeCatalogue.h"

namespace Vorn {

Explosion::Explosion(World* world, Type type, const Constants::ExplosionData* record, float ammunition)
    : Effect(TypeNameOf(type), 0, false), world(world), record(record),
      shockwaveDone(!record || record->shockwave == 0), damageMultiplier(0) {
    if (record)
        damageMultiplier = ammunition * record->ammoCoefMul + record->ammoCoefAdd;
}

void Explosion::Update(unsigned elapsedMs) {
    shockwaveDone = true;
    damageDone = true;
    Effect::Update(elapsedMs);
}

} // namespace Vorn
