// An explosion: shockwave, blast damage and push.
#include "world/Explosion.h"

#include "rules/ConstantsTable.h"
#include "rules/ExplosionData.h"
#include "rules/TypeCatalogue.h"
#include "world/CombatEvents.h"
#include "world/Debris.h"
#include "world/Landmine.h"
#include "world/PlaceEffect.h"
#include "world/Tank.h"
#include "world/Tower.h"
#include "world/Turret.h"
#include "world/World.h"

#include <cmath>
#include <vector>

namespace Vorn {

namespace {
// Landmines within this share of the blast radius go off too.
constexpr float landmineReach = 0.333f;

float SignOf(float value) {
    return value > 0 ? 1.0f : -1.0f;
}

// The objects of one container within r of (x, y), copied: pushing a tank may move it between cells and
// the blast must not meet it twice or lose its place in the query.
std::vector<Object*> Within(World& world, int side, ObjectKind kind, float x, float y, float r) {
    std::vector<Object*> found;
    for (Object* object : world.Objects(side, kind).QueryRange(x, y, r + largestObjectRadius))
        if (DistanceSquared(*object, x, y) < r * r)
            found.push_back(object);
    return found;
}
} // namespace

Explosion::Explosion(World* world, Type type, float ammunition)
    : Effect(TypeNameOf(type), 0, false), world(world), type(type),
      record(Constants::constantsTable.Find<Constants::ExplosionData>(ConstantIdOf(type))),
      shockwaveDone(!record || record->shockwave == 0) {
    if (record)
        damageMultiplier = ammunition * record->ammoCoefMul + record->ammoCoefAdd;
}

// After the first update both are done, and the battle's thousands of smoking explosions are run without
// reading this line of theirs.
void Explosion::Update(unsigned elapsedMs) {
    if (ownWorkPending) {
        ownWorkPending = false;
        if (!shockwaveDone) {
            shockwaveDone = true;
            if (world)
                PlaceEffect(*world, world->UpperEffects(), "Shockwave", 0, true, x, y);
        }
        if (!damageDone) {
            damageDone = true;
            if (world)
                world->Report({WorldEventKind::Explosion, side, x, y, static_cast<int>(type), 0});
            if (world && record && record->effectRange > 0)
                Blast();
        }
    }
    Effect::Update(elapsedMs);
}

// Every side suffers, the exploding unit's own included.
void Explosion::Blast() {
    for (int victims = 0; victims < sideCount; ++victims)
        BlastSide(victims);
}

void Explosion::BlastSide(int victims) {
    const float range = record->effectRange;
    const auto falloff = [&](const Object& object) {
        return 1 - std::sqrt(DistanceSquared(object, x, y)) / range;
    };
    for (Object* object : Within(*world, victims, KindLandmine, x, y, range * landmineReach))
        if (auto* landmine = dynamic_cast<Landmine*>(object))
            landmine->SetOff();
    if (record->damageLevel != 0) {
        const float strength = record->damageLevel * damageMultiplier;
        for (Object* object : Within(*world, victims, KindDebris, x, y, range))
            if (auto* piece = dynamic_cast<Debris*>(object))
                piece->remainingTime -= static_cast<int>(falloff(*piece) * strength * 20);
        for (ObjectKind kind : {KindTank, KindTower, KindBuilding})
            for (Object* object : Within(*world, victims, kind, x, y, range)) {
                Harm(*object, falloff(*object) * strength);
                ReportHarm(*world, *object, kind, side);
                if (kind == KindTower)
                    if (auto* tower = dynamic_cast<Tower*>(object); tower && tower->turret)
                        tower->turret->brain.Provoke();
            }
    }
    for (Object* object : Within(*world, victims, KindTank, x, y, range))
        Push(*object);
}

// The push is strongest at the centre; a tank is pushed only to a free place and refiled there.
void Explosion::Push(Object& object) {
    const float range = record->effectRange;
    const float force = record->forcewaveEffect;
    const float u = (object.x - x) / range;
    const float w = (object.y - y) / range;
    const float pushX = force * (SignOf(u) - u);
    const float pushY = force * (SignOf(w) - w);
    const float fromX = object.x;
    const float fromY = object.y;
    const float newX = fromX + pushX;
    const float newY = fromY + pushY;
    if (!world->IsPlaceFree(newX, newY, object.size, &object))
        return;
    if (!world->RefileObject(&object, KindTank, newX, newY))
        return;
    if (auto* tank = dynamic_cast<Tank*>(&object))
        tank->PlaceEffects(fromX, fromY);
}

} // namespace Vorn
