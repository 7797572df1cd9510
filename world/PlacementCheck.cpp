// The rules of a place for a new building or defence.
#include "world/PlacementCheck.h"

#include "rules/ConstantsTable.h"
#include "rules/PlaceableData.h"
#include "rules/TypeCatalogue.h"
#include "world/HQ.h"
#include "world/Landmark.h"
#include "world/SideSight.h"
#include "world/World.h"

namespace Vorn {

namespace {

// Whether any object of the side and kind has its centre strictly within r of (x, y) and passes the test.
template <typename Test>
bool AnyCentreWithin(World& world, int side, ObjectKind kind, float x, float y, float r, Test test) {
    bool found = false;
    world.Objects(side, kind).ForEachCellInRange(x, y, r, [&](const World::ObjectMap::Cell& cell) {
        for (Object* object : cell) {
            if (!found && DistanceSquared(*object, x, y) < r * r && test(*object)) {
                found = true;
            }
        }
    });
    return found;
}

int CountCentresWithin(World& world, int side, ObjectKind kind, float x, float y, float r) {
    int count = 0;
    world.Objects(side, kind).ForEachCellInRange(x, y, r, [&](const World::ObjectMap::Cell& cell) {
        for (const Object* object : cell) {
            if (DistanceSquared(*object, x, y) < r * r) {
                ++count;
            }
        }
    });
    return count;
}

bool IsHeadquarters(const Object& object) {
    return dynamic_cast<const HQ*>(&object) != nullptr;
}

bool IsDeposit(const Object& object) {
    const auto* landmark = dynamic_cast<const Landmark*>(&object);
    return landmark != nullptr && landmark->type == LandmarkType::Deposit;
}

bool DepositWithin(World& world, int side, float x, float y, float r) {
    return AnyCentreWithin(world, 0, KindLandmark, x, y, r, IsDeposit) ||
           AnyCentreWithin(world, side, KindLandmark, x, y, r, IsDeposit);
}

// More than this many own tanks around the place secure it.
constexpr int securingTanks = 3;

template <class Type> std::optional<PlacementRules> RulesOfRecord(Type type, int depositRequirement) {
    const auto* record = Constants::constantsTable.Find<Constants::PlaceableData>(ConstantIdOf(type));
    if (record == nullptr)
        return std::nullopt;
    return PlacementRules{record->maxBaseDistance, record->minEnemyDistance, record->size,
                          record->areaMustBeSecured, depositRequirement};
}

// The fog belongs to the player's side; any other side (a computer opponent) places where its own units
// and buildings see.
bool Explored(World& world, int side, float x, float y, float r) {
    if (side == world.fog.Side())
        return world.fog.IsVisible(x, y, r);
    return SideSees(world, side, x, y, r);
}

} // namespace

std::optional<PlacementRules> PlacementRulesOf(BuildingType type) {
    return RulesOfRecord(type, type == BuildingType::Mine ? 0 : -1);
}

std::optional<PlacementRules> PlacementRulesOf(TowerType type) {
    return RulesOfRecord(type, -1);
}

std::optional<PlacementRules> PlacementRulesOf(LandmineType type) {
    return RulesOfRecord(type, -1);
}

std::optional<PlacementRules> PlacementRulesOf(ObstacleType type) {
    return RulesOfRecord(type, -1);
}

PlacementStatus CheckPlacement(World& world, const PlacementRules& rules, int side, float x, float y) {
    PlacementStatus status = placementAllowed;
    if (!Explored(world, side, x, y, 4 * rules.size)) {
        status = placementUnexplored;
    } else if (!world.IsPlaceFree(x, y, rules.size, nullptr)) {
        status = placementOccupied;
    } else if (world.FindNearestEnemy(x, y, rules.minEnemyDistance, side) != nullptr) {
        status = placementEnemyNear;
    } else if (!AnyCentreWithin(world, side, KindBuilding, x, y, rules.maxBaseDistance, IsHeadquarters)) {
        status = placementNoHeadquarters;
    }
    if (rules.areaMustBeSecured &&
        CountCentresWithin(world, side, KindTank, x, y, rules.minEnemyDistance) <= securingTanks) {
        status = placementNotSecured;
    }
    if (rules.depositRequirement != -1 && !DepositWithin(world, side, x, y, rules.size / 2)) {
        status = placementNoDeposit;
    }
    return status;
}

} // namespace Vorn
