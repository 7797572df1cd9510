// The side's own objects.
#include "commander/OwnForces.h"

#include "rules/BuildingData.h"
#include "rules/ConstantsTable.h"
#include "rules/TypeCatalogue.h"
#include "world/Building.h"
#include "world/World.h"

namespace Vorn {

namespace {

// A power plant range at or below this means the building needs no power.
constexpr float noPowerNeeded = 0.1f;

} // namespace

std::vector<Object*> OwnObjects(World& world, int side, ObjectKind kind) {
    std::vector<Object*> objects;
    if (side < 0 || side >= sideCount)
        return objects;
    for (const auto& [key, cell] : world.Objects(side, kind).Cells())
        objects.insert(objects.end(), cell.begin(), cell.end());
    return objects;
}

std::vector<Building*> OwnBuildings(World& world, int side, BuildingType type) {
    std::vector<Building*> buildings;
    for (Object* object : OwnObjects(world, side, KindBuilding))
        if (auto* building = dynamic_cast<Building*>(object); building != nullptr && building->type == type)
            buildings.push_back(building);
    return buildings;
}

Building* MainHeadquarters(World& world, int side) {
    for (BuildingType type : {BuildingType::Base, BuildingType::Outpost}) {
        const std::vector<Building*> found = OwnBuildings(world, side, type);
        if (!found.empty())
            return found.front();
    }
    return nullptr;
}

bool NeedsPower(const Building& building) {
    return building.record != nullptr && building.record->powerPlantRange > noPowerNeeded;
}

bool NeedsPower(BuildingType type) {
    const auto* record = Constants::constantsTable.Find<Constants::BuildingData>(ConstantIdOf(type));
    return record != nullptr && record->powerPlantRange > noPowerNeeded;
}

} // namespace Vorn
