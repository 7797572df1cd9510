// A projectile in flight, from a gun shot to a guided rocket.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/Object.h"
#include "world/ObjectRef.h"

namespace Vorn {

class World;
namespace Constants {
struct BulletData;
}

// Lives in the world's bullets map. Its own side stays 0 (it is drawn white); the shooter's side is kept
// apart. Shooter and target are remembered references: either may die while the bullet flies.
class Bullet : public Object {
public:
    using Type = BulletType;

    Bullet(World* world, Object* shooter, int shooterSide, Type type, const Constants::BulletData* record,
           float effectMultiplier);

    // Flies, steers and hits; called by the world tick, which deletes the bullet once finished.
    virtual void Update(unsigned elapsedMs);

    Type type;
    World* world;
    ObjectRef shooter;
    ObjectRef target;
    int shooterSide;
    const Constants::BulletData* record;
    float effectMultiplier;
    float distanceFlown = 0;
    bool finished = false;
    bool firstUpdatePending = true;
};

} // namespace Vorn
