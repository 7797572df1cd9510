// Turret targeting: search, turn, line of fire, firing in series, experience and repair.
#include "ai/TurretBrain.h"

#include "rules/BulletData.h"
#include "rules/TurretData.h"
#include "world/Angles.h"
#include "world/ArmedObject.h"
#include "world/Bullet.h"
#include "world/CombatEvents.h"
#include "world/Tank.h"
#include "world/Turret.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {
constexpr float calmRangeMultiplier = 0.7f;
constexpr float provokedRangeMultiplier = 1.2f;
// The multiplier falls back by this much per millisecond.
constexpr float calmDownPerMs = 0.0001f;
// Within this many degrees of the aim the turret counts as on target.
constexpr float lockAngle = 1.0f;
} // namespace

TurretBrain::TurretBrain(World* world, Turret* turret)
    : Brain(world), turret(turret), range(turret->record ? turret->record->engageRange : 0) {}

ArmedObject& TurretBrain::Carrier() const {
    return *turret->carrier;
}

void TurretBrain::SetActive(bool active) {
    state = active ? TurretState::Searching : TurretState::Idle;
}

void TurretBrain::SetTarget(Object* object) {
    target = ObjectRef(object);
    if (state == TurretState::Idle || !object)
        return;
    ArmedObject& carrier = Carrier();
    aimAngle = BearingOf(carrier.x, carrier.y, object->x, object->y);
    state = TurretState::Aiming;
    carrier.OnTargetAcquired(object);
}

bool TurretBrain::IsInRange(const Object& object) const {
    const ArmedObject& carrier = Carrier();
    return range * range > DistanceSquared(object, carrier.x, carrier.y) - carrier.size;
}

bool TurretBrain::IsArmed() const {
    return turret->mouthCount > 0 && turret->record && turret->record->canShoot != 0;
}

int TurretBrain::ExperienceStep() const {
    const int* bodycount = turret->record->experienceBodycount;
    for (int step = 3; step >= 1; --step)
        if (kills >= static_cast<std::uint32_t>(bodycount[step - 1]))
            return step;
    return 0;
}

int TurretBrain::ExperienceLevel() const {
    if (!turret->record || turret->record->experienceBodycount[2] == 0)
        return 0;
    return ExperienceStep();
}

void TurretBrain::Provoke() {
    rangeMultiplier = provokedRangeMultiplier;
}

void TurretBrain::CountKill() {
    ++kills;
}

void TurretBrain::FollowHullTurn(float delta) {
    if (state == TurretState::Idle || state == TurretState::Searching)
        turret->direction += delta;
}

bool TurretBrain::Process(unsigned elapsedMs) {
    const float dt = static_cast<float>(elapsedMs);
    const Constants::TurretData* record = turret->record;
    if (!world || !record || !turret->carrier) {
        Brain::Process(elapsedMs);
        return true;
    }
    if (record->repairEffect > 0.1f)
        Repair(dt);
    if (!IsArmed()) {
        Brain::Process(elapsedMs);
        turret->direction += dt * record->idleRotate * 0.001f;
        return true;
    }
    CheckTarget();
    if (Brain::Process(elapsedMs))
        Think();
    if (rangeMultiplier > calmRangeMultiplier)
        rangeMultiplier = std::max(calmRangeMultiplier, rangeMultiplier - dt * calmDownPerMs);
    if (state == TurretState::Locked) {
        const Object& aimed = *target.Get();
        aimAngle = BearingOf(Carrier().x, Carrier().y, aimed.x, aimed.y);
    }
    if (state == TurretState::Locked || state == TurretState::Aiming || aimHold)
        Turn(dt);
    else
        turret->direction += dt * record->idleRotate * 0.001f;
    Fire(dt);
    return true;
}

void TurretBrain::Repair(float dt) {
    ArmedObject& carrier = Carrier();
    const Constants::TurretData& record = *turret->record;
    if (carrier.side < 0 || carrier.side >= sideCount)
        return;
    const float reachSquared = record.repairRange * record.repairRange;
    for (Object* object : world->Objects(carrier.side, KindTank)
                              .QueryRange(carrier.x, carrier.y, record.repairRange + largestObjectRadius)) {
        Tank* tank = object->AsTank();
        if (tank && DistanceSquared(*tank, carrier.x, carrier.y) < reachSquared)
            Vorn::Repair(*tank, record.repairEffect * 0.001f * dt);
    }
}

// The target is followed only after the world has confirmed it is still the object remembered.
void TurretBrain::CheckTarget() {
    ArmedObject& carrier = Carrier();
    if (target && world->ContainsNear(carrier.x, carrier.y, range, target))
        return;
    target.Reset();
    if (state <= TurretState::Searching)
        return;
    state = TurretState::Searching;
    carrier.OnTargetLost();
    // Only tells whether anything is near enough to keep the serie loaded; the think adopts targets.
    if (!world->FindNearestEnemy(carrier.x, carrier.y, range * rangeMultiplier, carrier.side))
        turret->ClearSerie();
}

void TurretBrain::Think() {
    ArmedObject& carrier = Carrier();
    if (turret->ammunition == 0)
        carrier.OnAmmoEmpty();
    if (state == TurretState::Searching) {
        Object* nearest =
            world->FindNearestEnemy(carrier.x, carrier.y, range * rangeMultiplier, carrier.side);
        SetTarget(nearest);
        // A turret that does not spin idly turns back to the hull's heading.
        if (!nearest && turret->record->idleRotate == 0) {
            aimAngle = carrier.direction;
            aimHold = true;
        }
    }
    if (state == TurretState::Locked && target) {
        LeaveLockWhenBlocked();
        if (DistanceSquared(*target.Get(), carrier.x, carrier.y) > range * range) {
            state = TurretState::Searching;
            carrier.OnTargetOutOfRange();
        }
    }
}

void TurretBrain::Turn(float dt) {
    const float d = AngleDifference(turret->direction, aimAngle);
    if (std::fabs(d) < lockAngle && !aimHold) {
        state = TurretState::Locked;
    } else {
        const int step = ExperienceStep();
        const float multiplier = step > 0 ? turret->record->experienceRotateMul[step - 1] : 1.0f;
        turret->direction = TurnTowards(turret->direction, aimAngle,
                                        dt * turret->record->rotationSpeed * 0.001f * multiplier);
        if (aimHold && turret->direction == aimAngle)
            aimHold = false;
    }
    if (state == TurretState::Locked)
        LeaveLockWhenBlocked();
}

void TurretBrain::LeaveLockWhenBlocked() {
    if (!IsLineOfFireBlocked())
        return;
    state = TurretState::Searching;
    const Object& aimed = *target.Get();
    Carrier().OnLineOfFireBlocked(aimed.x, aimed.y);
}

// Own units stand in the way; enemies never do. Rockets climb over their own side's tanks.
bool TurretBrain::IsLineOfFireBlocked() {
    if (!target)
        return false;
    ArmedObject& carrier = Carrier();
    const Object& aimed = *target.Get();
    const auto hits = [&](int side, ObjectKind kind) {
        return world->FirstHitOnSegment(carrier.x, carrier.y, aimed.x, aimed.y, 0, side, kind, &carrier) !=
               nullptr;
    };
    const int own = carrier.side;
    const bool rockets = turret->bulletRecord && turret->bulletRecord->rocketMovement;
    if (!rockets && hits(own, KindTank))
        return true;
    if (hits(own, KindBuilding) || hits(own, KindTower))
        return true;
    for (ObjectKind kind : {KindDebris, KindStatic})
        for (int side = 0; side < sideCount; ++side)
            if (hits(side, kind))
                return true;
    return false;
}

void TurretBrain::Fire(float dt) {
    const Constants::TurretData& record = *turret->record;
    if (!turret->FireStep(dt * 0.001f, state == TurretState::Locked)) {
        recoil = std::max(0.0f, recoil - record.punchBackReturn * 0.001f * dt);
        return;
    }
    const int step = ExperienceStep();
    const float accuracy = step > 0 ? record.experienceAccuracyMul[step - 1] : 1.0f;
    const float effect = step > 0 ? record.experienceEffectMul[step - 1] : 1.0f;
    ReportShot(*world, Carrier(), turret->type);
    if (record.maxAmmo / 8 == turret->ammunition)
        Carrier().OnAmmoLow();
    for (int i = 0; i < record.nBullets; ++i)
        if (Bullet* bullet = turret->SpawnBullet(accuracy, effect))
            world->InsertBullet(bullet);
    recoil = record.punchBack;
}

} // namespace Vorn
