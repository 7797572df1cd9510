// The defence part: towers and landmines on the approach to the base, and a defence force that answers an
// enemy seen near the side's buildings.
#include "world/Defence.h"
#include "command/CommandQueue.h"
#include "commander/BaseThreat.h"
#include "commander/BuildingSites.h"
#include "commander/Commander.h"
#include "commander/OwnForces.h"
#include "rules/CarrierLoad.h"
#include "world/Tank.h"
#include "world/World.h"

namespace Vorn {

namespace {

// How far out on the approach towers and landmines stand.
constexpr float towerDistance = 300;
constexpr float landmineDistance = 520;

template <class T> bool IsFinished(const IBuildProgress<T>& slot) {
    return slot.active && slot.IsComplete();
}

const KnownObject* NearestThreat(World& world, int side, const SideView& view, float radius) {
    const unsigned now = world.Clock();
    const KnownObject* nearest = nullptr;
    for (const auto& [serial, tank] : view.Tanks()) {
        if (now - tank.lastSeenMs > threatMemoryMs)
            continue;
        for (Object* building : OwnObjects(world, side, KindBuilding))
            if (DistanceSquared(*building, tank.x, tank.y) < radius * radius) {
                nearest = &tank;
                break;
            }
        if (nearest != nullptr)
            break;
    }
    return nearest;
}

} // namespace

void Commander::ThinkDefence(World& world, CommandQueue& commands) {
    WeighThreat(world);
    for (Building* building : OwnBuildings(world, side, BuildingType::Defense))
        PlaceDefences(world, commands, *building);
    AnswerThreats(world, commands);
}

// Remembers the strongest attack on the base and where it came from, and whether what stands home now
// would meet it.
void Commander::WeighThreat(World& world) {
    const DefencePlan& plan = difficulty.defence;
    const BaseThreat threat = ThreatAtBase(world, side, view, plan.guardRadius);
    if (threat.strength > 0) {
        strongestAttack = std::max(strongestAttack, threat.strength);
        attackFrom = threat.centre;
    }
    homeOutmatched =
        HomeOutmatched(HomeStrength(world, side, *this, plan.guardRadius), strongestAttack, plan);
}

// A base without a factory has no army but its towers; one attacked harder than its towers and home tanks
// can meet needs more of them. Either puts its money into towers first, while a powered defence building
// can build them and they are fewer than the plan's most.
bool Commander::HoldingForTowers(World& world) const {
    if (!homeOutmatched && !OwnBuildings(world, side, BuildingType::TankFactory).empty())
        return false;
    bool poweredDefence = false;
    for (Building* building : OwnBuildings(world, side, BuildingType::Defense))
        poweredDefence = poweredDefence || building->powered;
    const DefencePlan& plan = difficulty.defence;
    return poweredDefence && Fits(plan.tower, plan.towerTurret) &&
           static_cast<int>(OwnObjects(world, side, KindTower).size()) < TowersWanted(plan, true);
}

// One defence building builds towers up to the plan, then landmines; what it finished goes on the approach.
void Commander::PlaceDefences(World& world, CommandQueue& commands, Object& building) {
    auto* defence = dynamic_cast<Defence*>(&building);
    const Building* headquarters = MainHeadquarters(world, side);
    if (defence == nullptr || headquarters == nullptr || !defence->powered)
        return;
    const MapPoint hq{headquarters->x, headquarters->y};
    // Towers go where the last attack came from; before any, towards the enemy expected.
    const MapPoint enemy =
        attackFrom ? Unit(attackFrom->x - hq.x, attackFrom->y - hq.y) : EnemyDirection(view, hq);
    const DefencePlan& plan = difficulty.defence;
    if (IsFinished(defence->TowerSlot()) && IsFinished(defence->TurretSlot())) {
        if (auto site = FindDefenceSite(world, side, PlacementRulesOf(defence->TowerSlot().type), hq, enemy,
                                        towerDistance))
            Issue(commands, PlaceCommand(defence->Serial(), ProductFamily::Tower, site->x, site->y));
        return;
    }
    if (IsFinished(defence->LandmineSlot())) {
        if (auto site = FindDefenceSite(world, side, PlacementRulesOf(defence->LandmineSlot().type), hq,
                                        enemy, landmineDistance))
            Issue(commands, PlaceCommand(defence->Serial(), ProductFamily::Landmine, site->x, site->y));
        return;
    }
    if (defence->TowerSlot().active || defence->LandmineSlot().active)
        return;
    const int towers = static_cast<int>(OwnObjects(world, side, KindTower).size());
    const int landmines = static_cast<int>(OwnObjects(world, side, KindLandmine).size());
    if (towers < TowersWanted(plan, HoldingForTowers(world)) && Fits(plan.tower, plan.towerTurret))
        Issue(commands, BuildCommand(defence->Serial(), plan.tower, plan.towerTurret));
    else if (landmines < plan.landmines)
        Issue(commands, BuildCommand(defence->Serial(), plan.landmine));
}

// Free tanks and the defenders drive to the nearest enemy seen near the base; once none is seen the
// defenders go back to the rally point and are free again.
void Commander::AnswerThreats(World& world, CommandQueue& commands) {
    const KnownObject* threat = NearestThreat(world, side, view, difficulty.defence.guardRadius);
    std::erase_if(defending, [&](std::uint64_t serial) { return world.FindBySerial(serial) == nullptr; });
    if (threat == nullptr) {
        if (!defending.empty() && rallyPoint)
            Issue(commands, MoveCommand({defending.begin(), defending.end()}, rallyPoint->x, rallyPoint->y,
                                        false, 0.3f));
        defending.clear();
        return;
    }
    for (Object* tank : FreeTanks(world))
        defending.insert(tank->Serial());
    if (!defending.empty())
        Issue(commands, MoveCommand({defending.begin(), defending.end()}, threat->x, threat->y, false, 0.3f));
}

} // namespace Vorn
