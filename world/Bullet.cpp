// A projectile in flight: speed laws, homing, the hit search, impacts and the trail.
#include "world/Bullet.h"

#include "ai/TankBrain.h"
#include "visuals/DrawingStore.h"
#include "random/Random.h"
#include "rules/BulletData.h"
#include "rules/ConstantsTable.h"
#include "rules/TypeCatalogue.h"
#include "world/Angles.h"
#include "world/ArmedObject.h"
#include "world/CombatEvents.h"
#include "world/Effect.h"
#include "world/PlaceEffect.h"
#include "world/Tank.h"
#include "world/Tower.h"
#include "world/Turret.h"
#include "world/World.h"

#include <cmath>

namespace Vorn {

namespace {
// log10(2): a rocket's speed grows by this share of its top speed over its flight, and a little more.
constexpr double rocketGrowth = 0.3010299956639812;
constexpr float shellFade = 0.8f;

int DrawBelow(int count) {
    return static_cast<int>(randomGenerator.Next() * count);
}
} // namespace

Bullet::Bullet(World* world, ArmedObject* shooter, Type type, float effectMultiplier)
    : type(type), world(world), shooter(shooter), shooterSide(shooter ? shooter->side : sideCount),
      record(Constants::constantsTable.Find<Constants::BulletData>(ConstantIdOf(type))),
      effectMultiplier(effectMultiplier) {
    drawing = drawingStore.FindDrawing(TypeNameOf(type));
    if (record && record->guiding >= 0.1f && shooter && shooter->turret)
        target = shooter->turret->brain.target;
}

Bullet::~Bullet() {
    for (const AttachedEffect& attached : trail)
        ReleaseEffect(attached.effect);
}

float Bullet::Strength() const {
    if (!record || record->range <= 0)
        return 1;
    return 1 - distanceFlown / static_cast<float>(record->range) * shellFade;
}

float Bullet::Speed() const {
    const float f = Strength();
    if (record->rocketMovement)
        return static_cast<float>(record->topSpeed * (rocketGrowth * (1.01 - f) * 0.5 + 1.1));
    return static_cast<float>(record->topSpeed) * f;
}

void Bullet::Update(unsigned elapsedMs) {
    if (!record || !world) {
        finished = true;
        return;
    }
    if (firstUpdatePending) {
        firstUpdatePending = false;
        AttachTrail();
    }
    const float speed = Speed();
    const float strength = record->payload ? 1.0f : Strength();
    const float step = static_cast<float>(elapsedMs) * 0.001f * speed;
    distanceFlown += step;
    const double heading = direction * radiansPerDegree;
    Steer(elapsedMs);
    const float newX = x + static_cast<float>(std::sin(heading)) * step;
    const float newY = y + static_cast<float>(std::cos(heading)) * step;
    if (const std::optional<Stop> stop = HitAlong(x, y, newX, newY, strength)) {
        finished = true;
        const float impactX = (x + newX) / 2;
        const float impactY = (y + newY) / 2;
        ReportImpact(*world, shooterSide, impactX, impactY, stop->target, stop->subject);
        ShowImpact(impactX, impactY);
    }
    MoveTrail(x - newX, y - newY, elapsedMs);
    world->RefileBullet(this, newX, newY);
    if (finished)
        return;
    finished = static_cast<float>(record->range) <= distanceFlown;
    if (!finished)
        return;
    // Spent, it comes down where it is.
    ReportImpact(*world, shooterSide, newX, newY, ImpactTarget::Ground, 0);
    if (!record->deathPs.empty())
        PlaceEffect(*world, world->LowerEffects(), record->deathPs, direction, true, newX, newY);
}

// Trails hang off the drawing's particle-system points; the bullet runs them itself, so they are frozen
// to the world.
void Bullet::AttachTrail() {
    const auto& points = drawing->ParticleSystemPoints();
    const auto& names = drawing->ParticleSystemNames();
    for (std::size_t i = 0; i < points.size(); ++i)
        if (Effect* effect = PlaceEffect(*world, world->UpperEffects(), names[i], direction, false,
                                         x + points[i].x, y + points[i].y)) {
            effect->frozen = true;
            effect->held = true;
            trail.push_back({effect, points[i].x, points[i].y});
        }
}

// A guided bullet turns towards its target while the world still holds it, and keeps its heading after.
void Bullet::Steer(unsigned elapsedMs) {
    if (record->guiding <= 0.01f || !target || !world->ContainsAnywhere(target))
        return;
    const Object& aimed = *target.Get();
    const float wanted = BearingOf(x, y, aimed.x, aimed.y);
    if (std::fabs(AngleDifference(direction, wanted)) > 0.1f)
        direction = TurnTowards(direction, wanted, 0.001f * record->guiding * static_cast<float>(elapsedMs));
}

// Units and buildings count only beyond "range_begin"; debris, obstacles and wrecks stop the bullet even
// before. The shooter's own tanks and towers are never hit, its buildings are.
std::optional<Bullet::Stop> Bullet::HitAlong(float fromX, float fromY, float toX, float toY, float strength) {
    const float damage = static_cast<float>(record->effectivity) * effectMultiplier * strength;
    const auto first = [&](ObjectKind kind, bool skipShooterSide) -> Object* {
        for (int side = 0; side < sideCount; ++side) {
            if (skipShooterSide && side == shooterSide)
                continue;
            if (Object* hit = world->FirstHitOnSegment(fromX, fromY, toX, toY, 0, side, kind, nullptr))
                return hit;
        }
        return nullptr;
    };
    if (distanceFlown > static_cast<float>(record->rangeBegin))
        for (auto [kind, skipOwn] : {std::pair{KindTank, true}, {KindTower, true}, {KindBuilding, false}})
            if (Object* hit = first(kind, skipOwn)) {
                Damage(*hit, kind, damage, strength);
                return Stop{kind == KindBuilding ? ImpactTarget::Building : ImpactTarget::Armour,
                            hit->Serial()};
            }
    for (ObjectKind kind : {KindDebris, KindStatic})
        if (Object* hit = first(kind, false))
            return Stop{ImpactTarget::Ground, hit->Serial()};
    return std::nullopt;
}

// A tank hit turns on the shooter, or counts as the shooter's kill; a tower hit is provoked.
void Bullet::Damage(Object& hit, ObjectKind kind, float damage, float strength) {
    const std::optional<HitPoints> before = hit.Health();
    if (!before)
        return;
    hit.SetHealth(before->current - damage);
    ReportHarm(*world, hit, kind, shooterSide);
    const bool alive = hit.Health()->current > 0;
    if (kind == KindTank) {
        Tank* tank = hit.AsTank();
        if (!tank)
            return;
        if (alive) {
            tank->brain->OnHit(direction + 180, strength * effectMultiplier);
            return;
        }
        // A kill counts once, when the hit points cross 0, and only for a shooter that still exists.
        if (before->current > 0 && world->ContainsAnywhere(shooter))
            if (auto* armed = dynamic_cast<ArmedObject*>(shooter.Get()); armed && armed->turret)
                armed->turret->brain.CountKill();
    } else if (kind == KindTower) {
        if (auto* tower = dynamic_cast<Tower*>(&hit); tower && tower->turret)
            tower->turret->brain.Provoke();
    }
}

void Bullet::ShowImpact(float x, float y) {
    World::EffectMap& upper = world->UpperEffects();
    const float back = direction + 180;
    const auto ricochet = [&] { PlaceEffect(*world, upper, "Ricochet", back, true, x, y); };
    const auto dust = [&] { PlaceEffect(*world, upper, "BriefDust", back, true, x, y); };
    switch (type) {
    case BulletType::GunBullet:
        if (DrawBelow(3) == 0)
            ricochet();
        if (DrawBelow(3) == 0)
            dust();
        break;
    case BulletType::RazorBullet:
        ricochet();
        dust();
        if (DrawBelow(6) == 0)
            world->shared.EmitFragments(*world, x, y);
        break;
    case BulletType::TankBullet:
        dust();
        PlaceExplosion(*world, ExplosionType::ExplosionCannon, x, y, shooterSide);
        if (DrawBelow(2) == 0)
            world->shared.EmitFragments(*world, x, y);
        break;
    case BulletType::Rocket:
        PlaceExplosion(*world, ExplosionType::ExplosionRocket, x, y, shooterSide);
        world->shared.EmitFragments(*world, x, y);
        break;
    case BulletType::RocketL:
        PlaceExplosion(*world, ExplosionType::ExplosionLargeRocket, x, y, shooterSide);
        world->shared.EmitFragments(*world, x, y);
        break;
    case BulletType::GrenadeBullet:
        PlaceExplosion(*world, ExplosionType::ExplosionGrenade, x, y, shooterSide);
        world->shared.EmitFragments(*world, x, y);
        break;
    }
}

// The trail's particles stay in the world while its emitters follow the bullet: an emitting trail is run
// in sub-steps of its emit time, each shifting the particles by its share of the move.
void Bullet::MoveTrail(float dx, float dy, unsigned elapsedMs) {
    const double a = -direction * radiansPerDegree;
    const float cosA = static_cast<float>(std::cos(a));
    const float sinA = static_cast<float>(std::sin(a));
    const float newX = x - dx;
    const float newY = y - dy;
    for (const AttachedEffect& attached : trail) {
        Effect& effect = *attached.effect;
        effect.frozen = false;
        const unsigned emitTime = effect.EmitTime();
        if (!effect.IsEmitting() || emitTime == 0 || elapsedMs == 0) {
            effect.Update(elapsedMs);
            effect.MoveParticles(dx, dy);
        } else {
            const float perMs = 1.0f / static_cast<float>(elapsedMs);
            for (unsigned done = 0; done + emitTime <= elapsedMs; done += emitTime) {
                effect.Update(emitTime);
                effect.MoveParticles(dx * emitTime * perMs, dy * emitTime * perMs);
            }
            if (const unsigned rest = elapsedMs % emitTime; rest != 0) {
                effect.Update(rest);
                effect.MoveParticles(dx * rest * perMs, dy * rest * perMs);
            }
        }
        effect.frozen = true;
        world->RefileEffect(world->UpperEffects(), &effect,
                            newX + attached.offsetX * cosA - attached.offsetY * sinA,
                            newY + attached.offsetX * sinA + attached.offsetY * cosA);
    }
}

} // namespace Vorn
