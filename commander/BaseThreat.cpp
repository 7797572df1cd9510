// The threat to the side's base and what stands home to meet it.
#include "commander/BaseThreat.h"

#include "commander/OwnForces.h"
#include "commander/SideView.h"
#include "commander/Strength.h"
#include "world/Building.h"
#include "world/World.h"

#include <algorithm>

namespace Vorn {

namespace {

bool NearAny(const std::vector<Object*>& buildings, float x, float y, float radius) {
    for (const Object* building : buildings)
        if (DistanceSquared(*building, x, y) < radius * radius)
            return true;
    return false;
}

} // namespace

BaseThreat ThreatAtBase(World& world, int side, const SideView& view, float radius) {
    const unsigned now = world.Clock();
    const std::vector<Object*> buildings = OwnObjects(world, side, KindBuilding);
    std::vector<UnitStrength> attackers;
    BaseThreat threat;
    for (const auto& [serial, tank] : view.Tanks()) {
        if (now - tank.lastSeenMs > threatMemoryMs || !NearAny(buildings, tank.x, tank.y, radius))
            continue;
        attackers.push_back(tank.strength);
        threat.centre.x += tank.x;
        threat.centre.y += tank.y;
    }
    if (attackers.empty())
        return threat;
    threat.centre.x /= static_cast<float>(attackers.size());
    threat.centre.y /= static_cast<float>(attackers.size());
    threat.strength = GroupStrength(attackers);
    return threat;
}

float HomeStrength(World& world, int side, const Commander& commander, float radius) {
    std::vector<UnitStrength> home;
    for (Object* tower : OwnObjects(world, side, KindTower))
        home.push_back(StrengthOf(*tower));
    const Building* headquarters = MainHeadquarters(world, side);
    if (headquarters != nullptr)
        for (Object* tank : OwnObjects(world, side, KindTank))
            if (tank->Serial() != commander.scout && !commander.attacking.contains(tank->Serial()) &&
                DistanceSquared(*tank, headquarters->x, headquarters->y) < radius * radius)
                home.push_back(StrengthOf(*tank));
    return GroupStrength(home);
}

bool HomeOutmatched(float home, float strongestAttack, const DefencePlan& plan) {
    return strongestAttack > 0 && home < strongestAttack * plan.holdMargin;
}

int TowersWanted(const DefencePlan& plan, bool holding) {
    return holding ? std::max(plan.towers, plan.mostTowers) : plan.towers;
}

} // namespace Vorn
