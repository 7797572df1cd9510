// The brain of one turret: finds the nearest enemy, turns towards it, keeps its own side out of the line
// of fire and fires in series; a repair turret also heals its side's tanks around it. It reports to the
// unit that carries the turret through the ArmedObject notifications.
#pragma once

#include "ai/Brain.h"
#include "ai/TurretState.h"
#include "world/ObjectRef.h"

#include <cstdint>

namespace Vorn {

class ArmedObject;
class Object;
class Turret;

class TurretBrain : public Brain {
public:
    // Embedded in its turret; reads the turret's record, so the turret's fields must be set first.
    TurretBrain(World* world, Turret* turret);

    // One step of the turret; always true. Run by the carrier's brain, never by the world.
    bool Process(unsigned elapsedMs) override;
    // On: searching; off: idle.
    void SetActive(bool active) override;

    // Takes the object as target; while not idle, starts aiming at it and tells the carrier.
    void SetTarget(Object* object);
    // The target as remembered, or null. Only safe to follow in the step it was confirmed.
    Object* Target() const { return target.Get(); }
    bool IsInRange(const Object& object) const;
    bool IsArmed() const;
    // 0 to 3 by kills; 0 for a type whose third threshold is 0.
    int ExperienceLevel() const;
    // A hit or an order widens the search for a while.
    void Provoke();
    void CountKill();
    // The hull turned by delta: a turret that is not aiming turns with it.
    void FollowHullTurn(float delta);
    bool IsLineOfFireBlocked();

    Turret* turret;
    TurretState state = TurretState::Idle;
    ObjectRef target;
    float range;
    float aimAngle = 0;
    float recoil = 0;
    float rangeMultiplier = 0.7f;
    std::uint32_t kills = 0;
    bool aimHold = false;

private:
    ArmedObject& Carrier() const;
    // 0 below the first threshold, else the highest step whose bodycount is reached.
    int ExperienceStep() const;
    void Repair(float dt);
    void CheckTarget();
    void Think();
    void Turn(float dt);
    void Fire(float dt);
    void LeaveLockWhenBlocked();
};

} // namespace Vorn
