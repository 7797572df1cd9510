// Putting effects into the world's layers. Effects are decoration: a particle system name the factory does
// not know places nothing rather than stopping the world's tick.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/World.h"

#include <string>

namespace Vorn {

class Explosion;

// Creates the named effect at (x, y) in the layer and returns it, or null when the name is unknown.
Effect* PlaceEffect(World& world, World::EffectMap& layer, const std::string& systemName,
                    float directionOffset, bool stepMode, float x, float y);
// Creates the explosion with ammunition 0 at (x, y) in the upper effects, as the side's (noSide for none);
// null when its system is unknown.
Explosion* PlaceExplosion(World& world, ExplosionType type, float x, float y, int side);

} // namespace Vorn
