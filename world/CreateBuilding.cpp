// Making buildings.
#include "world/CreateBuilding.h"

#include "visuals/DrawingStore.h"
#include "rules/BuildingData.h"
#include "rules/ConstantsTable.h"
#include "rules/TypeCatalogue.h"
#include "world/Armory.h"
#include "world/Defence.h"
#include "world/HQ.h"
#include "world/TankFactory.h"
#include "world/World.h"

namespace Vorn {

namespace {
std::uint16_t CallsignNumber(World* world, BuildingType type, int side, int requested) {
    if (requested != nextCallsign || !world)
        return static_cast<std::uint16_t>(requested < 0 ? 0 : requested);
    int& next = world->sides[side].nextBuildingCallsign[static_cast<std::size_t>(type)];
    return static_cast<std::uint16_t>(next++);
}

Building* MakeOfClass(World* world, BuildingType type, int side, std::uint16_t number,
                      const Constants::BuildingData* record) {
    switch (type) {
    case BuildingType::Base:
    case BuildingType::Outpost:
        return new HQ(world, type, side, number, record);
    case BuildingType::Defense:
        return new Defence(world, side, number, record);
    case BuildingType::TankFactory:
        return new TankFactory(world, side, number, record);
    case BuildingType::Armory:
        return new Armory(world, side, number, record);
    default:
        return new Building(world, type, side, number, record);
    }
}
} // namespace

Building* CreateBuilding(World* world, BuildingType type, int side, int callsignNumber) {
    const auto* record = Constants::constantsTable.Find<Constants::BuildingData>(ConstantIdOf(type));
    const std::uint16_t number = CallsignNumber(world, type, side, callsignNumber);
    Building* building = MakeOfClass(world, type, side, number, record);
    building->drawing = drawingStore.FindDrawing(TypeNameOf(type));
    return building;
}

} // namespace Vorn
