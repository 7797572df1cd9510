// The sight of a side's own objects.
#include "world/SideSight.h"

#include "ai/TurretBrain.h"
#include "rules/BuildingData.h"
#include "rules/ConstantsTable.h"
#include "rules/TankAIData.h"
#include "rules/TowerAIData.h"
#include "rules/TurretData.h"
#include "world/Building.h"
#include "world/Tank.h"
#include "world/Tower.h"
#include "world/Turret.h"
#include "world/World.h"

namespace Vorn {

namespace {

float TankSight(const Tank& tank) {
    const auto* ai = Constants::constantsTable.Find<Constants::TankAIData>(Constants::ConstantId::TankAI);
    if (ai == nullptr || !tank.turret || tank.turret->record == nullptr)
        return 0;
    return tank.turret->brain.range * ai->seeMultiplier * tank.turret->record->seeMultiplier;
}

float TowerSight(const Tower& tower) {
    const auto* ai = Constants::constantsTable.Find<Constants::TowerAIData>(Constants::ConstantId::TowerAI);
    if (ai == nullptr || !tower.turret)
        return 0;
    return tower.turret->brain.range * ai->seeMultiplier;
}

// No record gives a larger sight; a query reaching this far finds every object that sees the point.
float LargestSight(World& world, int side) {
    float largest = 0;
    for (ObjectKind kind : {KindTank, KindTower, KindBuilding})
        for (const auto& [key, cell] : world.Objects(side, kind).Cells())
            for (const Object* object : cell)
                largest = std::max(largest, SightRadiusOf(*object));
    return largest;
}

} // namespace

float SightRadiusOf(const Object& object) {
    if (const Tank* tank = object.AsTank())
        return TankSight(*tank);
    if (const auto* building = dynamic_cast<const Building*>(&object))
        return building->record ? building->record->seeRange * (building->powered ? 1.0f : 0.5f) : 0;
    if (const auto* tower = dynamic_cast<const Tower*>(&object))
        return TowerSight(*tower);
    return 0;
}

bool SideSees(World& world, int side, float x, float y, float r) {
    if (side < 0 || side >= sideCount)
        return false;
    const float reach = LargestSight(world, side) + r;
    for (ObjectKind kind : {KindTank, KindTower, KindBuilding}) {
        bool seen = false;
        world.Objects(side, kind).ForEachCellInRange(x, y, reach, [&](const World::ObjectMap::Cell& cell) {
            for (const Object* object : cell) {
                const float sight = SightRadiusOf(*object) + r;
                if (!seen && DistanceSquared(*object, x, y) < sight * sight)
                    seen = true;
            }
        });
        if (seen)
            return true;
    }
    return false;
}

} // namespace Vorn
