// The attack part: tanks gather at the rally point and set out when they outmatch what is known of the
// target by the plan's margin; damaged tanks drive back to be repaired.
#include "commander/Attack.h"

#include "ai/TankBrain.h"
#include "command/CommandQueue.h"
#include "commander/BuildingSites.h"
#include "commander/Commander.h"
#include "commander/OwnForces.h"
#include "commander/Scouting.h"
#include "world/Building.h"
#include "world/Tank.h"
#include "world/World.h"

#include <cmath>

namespace Vorn {

namespace {

// Free tanks this near the rally point are gathered.
constexpr float gatheredRadius = 600;
// The rally point lies this far from the headquarters towards the enemy.
constexpr float rallyDistance = 450;
// An attack whose strength falls below the target's known defence over this is called back.
constexpr float abandonBelow = 0.6f;
// A searching group that has not reached its point in this long goes on to the next.
constexpr unsigned searchLegTimeoutMs = 90000;

int TargetClass(const KnownObject& known) {
    if (known.kind != KindBuilding)
        return -1;
    switch (static_cast<BuildingType>(known.type)) {
    case BuildingType::TankFactory:
    case BuildingType::Base:
    case BuildingType::Outpost:
    case BuildingType::Defense:
        return 0;
    case BuildingType::PowerPlant:
        return 1;
    default:
        return 2;
    }
}

float DistanceSquaredBetween(float ax, float ay, float bx, float by) {
    return (ax - bx) * (ax - bx) + (ay - by) * (ay - by);
}

// Gathering tanks spread over a square of spots around the rally point, each by its serial, so that they
// do not queue up in a line behind the first one to arrive (a line that reaches back into the factory's
// exit stops production).
constexpr int gatherColumns = 5;
constexpr float gatherSpacing = 70;

std::vector<std::uint64_t> SerialsIn(const std::set<std::uint64_t>& serials) {
    return {serials.begin(), serials.end()};
}

} // namespace

MapPoint GatherSpot(MapPoint rally, std::uint64_t serial) {
    const auto slot = static_cast<int>(serial % (gatherColumns * gatherColumns));
    const float half = (gatherColumns - 1) / 2.0f;
    return {rally.x + (static_cast<float>(slot % gatherColumns) - half) * gatherSpacing,
            rally.y + (static_cast<float>(slot / gatherColumns) - half) * gatherSpacing};
}

std::optional<KnownObject> PickTarget(const SideView& view, float x, float y) {
    std::optional<KnownObject> best;
    int bestClass = 3;
    float bestDistance = 0;
    for (const auto& [serial, known] : view.Structures()) {
        const int targetClass = TargetClass(known);
        if (targetClass < 0)
            continue;
        const float distance = DistanceSquaredBetween(known.x, known.y, x, y);
        if (targetClass < bestClass || (targetClass == bestClass && distance < bestDistance)) {
            best = known;
            bestClass = targetClass;
            bestDistance = distance;
        }
    }
    return best;
}

float KnownDefenceOf(const SideView& view, float x, float y) {
    std::vector<UnitStrength> defenders;
    const float r2 = targetDefenceRadius * targetDefenceRadius;
    for (const auto& [serial, known] : view.Structures())
        if (known.kind == KindTower && DistanceSquaredBetween(known.x, known.y, x, y) < r2)
            defenders.push_back(known.strength);
    for (const auto& [serial, known] : view.Tanks())
        if (DistanceSquaredBetween(known.x, known.y, x, y) < r2)
            defenders.push_back(known.strength);
    return GroupStrength(defenders);
}

bool NeedsRepair(float hitPointFraction, const AttackPlan& plan) {
    return hitPointFraction < plan.retreatBelow;
}

bool IsRepaired(float hitPointFraction, const AttackPlan& plan) {
    return hitPointFraction >= plan.rejoinAt;
}

std::vector<Object*> Commander::FreeTanks(World& world) const {
    std::vector<Object*> free;
    for (Object* unit : OwnObjects(world, side, KindTank)) {
        const std::uint64_t serial = unit->Serial();
        if (serial != scout && !repairing.contains(serial) && !defending.contains(serial) &&
            !attacking.contains(serial))
            free.push_back(unit);
    }
    return free;
}

void Commander::ThinkAttack(World& world, CommandQueue& commands) {
    const Building* headquarters = MainHeadquarters(world, side);
    if (headquarters == nullptr)
        return;
    const MapPoint hq{headquarters->x, headquarters->y};
    const MapPoint enemy = EnemyDirection(view, hq);
    SetRallyPoint({hq.x + enemy.x * rallyDistance, hq.y + enemy.y * rallyDistance});
    SendForRepair(world, commands);
    GatherAtRallyPoint(world, commands);
    LeadAttack(world, commands);
}

void Commander::SetRallyPoint(MapPoint point) {
    if (rallyPoint && std::abs(rallyPoint->x - point.x) < 100 && std::abs(rallyPoint->y - point.y) < 100)
        return;
    rallyPoint = point;
}

// Free tanks standing idle away from the rally point (new ones ahead of their factory, the last of a
// defence) drive there, so that they count for the next attack.
void Commander::GatherAtRallyPoint(World& world, CommandQueue& commands) {
    if (!rallyPoint)
        return;
    for (Object* unit : FreeTanks(world)) {
        const Tank* tank = unit->AsTank();
        if (tank == nullptr || !tank->brain || !tank->brain->Waypoints().empty() ||
            DistanceSquared(*unit, rallyPoint->x, rallyPoint->y) < gatheredRadius * gatheredRadius / 4)
            continue;
        const MapPoint spot = GatherSpot(*rallyPoint, unit->Serial());
        Issue(commands, MoveCommand({unit->Serial()}, spot.x, spot.y, false, 1));
    }
}

// Damaged tanks leave whatever they do for the nearest repair shop, else the headquarters, which both
// repair tanks around them; repaired ones come back to the rally point.
void Commander::SendForRepair(World& world, CommandQueue& commands) {
    const Building* headquarters = MainHeadquarters(world, side);
    const std::vector<Building*> shops = OwnBuildings(world, side, BuildingType::RepairShop);
    const Object* repairer = !shops.empty() ? shops.front() : headquarters;
    std::vector<std::uint64_t> leaving;
    std::vector<std::uint64_t> back;
    for (Object* unit : OwnObjects(world, side, KindTank)) {
        const float fraction = HitPointFraction(*unit);
        const std::uint64_t serial = unit->Serial();
        if (!repairing.contains(serial) && NeedsRepair(fraction, difficulty.attack) && serial != scout) {
            repairing.insert(serial);
            attacking.erase(serial);
            defending.erase(serial);
            leaving.push_back(serial);
        } else if (repairing.contains(serial) && IsRepaired(fraction, difficulty.attack)) {
            repairing.erase(serial);
            back.push_back(serial);
        }
    }
    std::erase_if(repairing, [&](std::uint64_t serial) { return world.FindBySerial(serial) == nullptr; });
    if (!leaving.empty() && repairer != nullptr)
        Issue(commands, MoveCommand(leaving, repairer->x, repairer->y - repairer->size - 60, false, 0.2f));
    if (!back.empty() && rallyPoint)
        Issue(commands, MoveCommand(back, rallyPoint->x, rallyPoint->y, false, 0.3f));
}

// Half a group gathered at the rally point while an attack is under way follows it.
void Commander::Reinforce(World& world, CommandQueue& commands, MapPoint rally) {
    std::vector<Object*> gathered;
    for (Object* tank : FreeTanks(world))
        if (DistanceSquared(*tank, rally.x, rally.y) < gatheredRadius * gatheredRadius)
            gathered.push_back(tank);
    if (static_cast<int>(gathered.size()) * 2 < difficulty.attack.groupSize)
        return;
    for (Object* tank : gathered)
        attacking.insert(tank->Serial());
    Issue(commands, AttackCommand(SerialsOf(gathered), attackTarget));
}

void Commander::LeadAttack(World& world, CommandQueue& commands) {
    std::erase_if(attacking, [&](std::uint64_t serial) { return world.FindBySerial(serial) == nullptr; });
    const MapPoint from = rallyPoint.value_or(MapPoint{});
    const std::optional<KnownObject> target = PickTarget(view, from.x, from.y);
    if (!attacking.empty()) {
        std::vector<UnitStrength> group;
        for (std::uint64_t serial : attacking)
            group.push_back(StrengthOf(*world.FindBySerial(serial)));
        const bool outmatched =
            target && GroupStrength(group) < KnownDefenceOf(view, target->x, target->y) * abandonBelow;
        if (!target && attackTarget == 0) {
            SearchOn(world, commands);
        } else if (!target || outmatched) {
            if (rallyPoint)
                Issue(commands, MoveCommand(SerialsIn(attacking), from.x, from.y, false, 0.3f));
            attacking.clear();
            attackTarget = 0;
        } else if (target->serial != attackTarget) {
            attackTarget = target->serial;
            Issue(commands, AttackCommand(SerialsIn(attacking), attackTarget));
        } else {
            Reinforce(world, commands, from);
        }
        return;
    }
    // A base that cannot yet meet the attacks it has seen keeps its army home.
    if (world.Clock() < difficulty.attack.firstAttackMs || homeOutmatched)
        return;
    std::vector<Object*> gathered;
    std::vector<UnitStrength> group;
    for (Object* tank : FreeTanks(world))
        if (DistanceSquared(*tank, from.x, from.y) < gatheredRadius * gatheredRadius) {
            gathered.push_back(tank);
            group.push_back(StrengthOf(*tank));
        }
    if (static_cast<int>(gathered.size()) < difficulty.attack.groupSize)
        return;
    if (!target) {
        // Nothing of the enemy known yet (its scout lost or never built): the group looks for it itself.
        for (Object* tank : gathered)
            attacking.insert(tank->Serial());
        attackTarget = 0;
        searchLegSinceMs = 0;
        SearchOn(world, commands);
        return;
    }
    if (!ShouldAttack(GroupStrength(group), KnownDefenceOf(view, target->x, target->y),
                      difficulty.attack.margin))
        return;
    for (Object* tank : gathered)
        attacking.insert(tank->Serial());
    attackTarget = target->serial;
    Issue(commands, AttackCommand(SerialsOf(gathered), attackTarget));
}

// A group out without a known target drives the scouting round, a leg at a time, until its eyes find an
// enemy building.
void Commander::SearchOn(World& world, CommandQueue& commands) {
    const Building* headquarters = MainHeadquarters(world, side);
    if (headquarters == nullptr || attacking.empty())
        return;
    bool underway = false;
    for (std::uint64_t serial : attacking)
        if (const Tank* tank = world.FindBySerial(serial)->AsTank(); tank && tank->brain)
            underway = underway || !tank->brain->Waypoints().empty();
    const bool timedOut = world.Clock() - searchLegSinceMs > searchLegTimeoutMs;
    if (searchLegSinceMs != 0 && underway && !timedOut)
        return;
    if (searchLegSinceMs != 0)
        ++searchLeg;
    searchLegSinceMs = world.Clock() + 1;
    const std::vector<MapPoint> round =
        ScoutingRound(world.Width(), world.Height(), {headquarters->x, headquarters->y});
    const MapPoint leg = round[searchLeg % round.size()];
    Issue(commands, MoveCommand(SerialsIn(attacking), leg.x, leg.y, false, 0.5f));
}

} // namespace Vorn
