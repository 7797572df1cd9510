// A projectile in flight, from a gun shot to a guided rocket.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/AttachedEffect.h"
#include "world/Object.h"
#include "world/ObjectKind.h"
#include "world/ObjectRef.h"
#include "world/WorldEvent.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Vorn {

class ArmedObject;
class World;
namespace Constants {
struct BulletData;
}

// Lives in the world's bullets map. Its own side stays 0 (it is drawn white); the shooter's side is kept
// apart. Shooter and target are remembered references: either may die while the bullet flies.
class Bullet : public Object {
public:
    using Type = BulletType;

    // Takes the type's record from the constants table and its drawing by the type's name. A guided type
    // homes on the shooter's current target. The shooter may be null (no side: it hits every side).
    Bullet(World* world, ArmedObject* shooter, Type type, float effectMultiplier);
    // Leaves its trail to fade in the world.
    ~Bullet() override;

    // Flies, steers and hits; called by the world tick, which deletes the bullet once finished.
    virtual void Update(unsigned elapsedMs);
    // Share of the full damage at the current distance: 1 - 0.8 x distance / "range" for shells.
    float Strength() const;

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
    std::vector<AttachedEffect> trail;

private:
    // What stopped a bullet: the kind of thing it struck and that object's serial.
    struct Stop {
        ImpactTarget target;
        std::uint64_t subject;
    };

    float Speed() const;
    void AttachTrail();
    void Steer(unsigned elapsedMs);
    // What between the two points stops the bullet, if anything; deals the damage when it does.
    std::optional<Stop> HitAlong(float fromX, float fromY, float toX, float toY, float strength);
    void Damage(Object& hit, ObjectKind kind, float damage, float strength);
    void ShowImpact(float x, float y);
    void MoveTrail(float dx, float dy, unsigned elapsedMs);
};

} // namespace Vorn
