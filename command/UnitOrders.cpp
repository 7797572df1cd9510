// The orders to units on the map: move in formation, attack, stop, a factory's rally point, destroy.
#include "ai/TankBrain.h"
#include "ai/TurretBrain.h"
#include "command/CommandLimits.h"
#include "command/CommandRules.h"
#include "random/Random.h"
#include "world/BoxCentre.h"
#include "world/Building.h"
#include "world/DestroyAtEndOfStep.h"
#include "world/Tank.h"
#include "world/TankFactory.h"
#include "world/Turret.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

TankBrain* BrainOf(Object* unit) {
    Tank* tank = unit->AsTank();
    return tank != nullptr ? tank->brain.get() : nullptr;
}

bool IsValidSpread(float spread) {
    return std::isfinite(spread) && spread >= 0 && spread <= CommandLimits::maxSpread;
}

// What a player can point at to attack: a tank, a tower or a building.
bool IsAttackable(const Object& object) {
    return dynamic_cast<const ArmedObject*>(&object) != nullptr ||
           dynamic_cast<const Building*>(&object) != nullptr;
}

} // namespace

// Every tank drives to the point at its offset from the group's centre, stretched by the spread; the
// other units of the group count for the centre but stay.
void ApplyMove(World& world, const Command& command) {
    if (!IsValidPoint(command.x, command.y) || !IsValidSpread(command.spread))
        return RefuseOrder(world, command, OrderRefusal::BadPoint);
    const std::vector<Object*> units = OwnUnits(world, command);
    if (units.empty())
        return;
    const BoxPoint centre = BoxCentre(units);
    for (Object* unit : units) {
        TankBrain* brain = BrainOf(unit);
        if (brain == nullptr)
            continue;
        const float x = command.x + command.spread * (unit->x - centre.x);
        const float y = command.y + command.spread * (unit->y - centre.y);
        if (command.queued)
            brain->AppendWaypoint(x, y);
        else
            brain->SetWaypoint(x, y);
    }
}

// Units in range fire at once; tanks out of range close in to a ring around the target whose size is a
// random share of their range over their distance from the group's centre, so the group surrounds it.
// Towers out of range stay silent.
void ApplyAttack(World& world, const Command& command) {
    Object* target = world.FindBySerial(command.target);
    if (target == nullptr || target->side == command.side || !IsAttackable(*target))
        return;
    const std::vector<Object*> units = OwnUnits(world, command);
    if (units.empty())
        return;
    const BoxPoint centre = BoxCentre(units);
    for (Object* unit : units) {
        auto* armed = dynamic_cast<ArmedObject*>(unit);
        if (armed == nullptr || !armed->turret)
            continue;
        TurretBrain& turretBrain = armed->turret->brain;
        if (turretBrain.IsInRange(*target)) {
            turretBrain.Provoke();
            turretBrain.SetTarget(target);
            continue;
        }
        TankBrain* brain = BrainOf(unit);
        if (brain == nullptr)
            continue;
        const float offsetX = unit->x - centre.x;
        const float offsetY = unit->y - centre.y;
        const float distance = std::hypot(offsetX, offsetY);
        const float range = turretBrain.range;
        const float share = distance > range
                                ? static_cast<float>(randomGenerator.Next() * 0.5 + 0.25) * (range / distance)
                                : 1.0f;
        brain->SetWaypoint(target->x + share * offsetX, target->y + share * offsetY);
    }
}

void ApplyStop(World& world, const Command& command) {
    for (Object* unit : OwnUnits(world, command))
        if (TankBrain* brain = BrainOf(unit))
            brain->ClearWaypoints();
}

void ApplyRallyPoint(World& world, const Command& command) {
    if (!IsValidPoint(command.x, command.y))
        return RefuseOrder(world, command, OrderRefusal::BadPoint);
    for (Object* unit : OwnUnits(world, command))
        if (auto* factory = dynamic_cast<TankFactory*>(unit))
            factory->SetRallyPoint(command.x, command.y);
}

// Each dies at the end of the step, as a level's "destroy" does.
void ApplyDestroy(World& world, const Command& command) {
    for (Object* unit : OwnUnits(world, command))
        DestroyAtEndOfStep(*unit);
}

} // namespace Vorn
