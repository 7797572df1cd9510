// The object elements of a level: common attributes, required attributes, keywords and placement.
#include "game/LevelObjectReader.h"

#include "ai/TankBrain.h"
#include "datafiles/Node.h"
#include "datafiles/TypeKeywords.h"
#include "game/LevelLimits.h"
#include "game/LevelNames.h"
#include "game/LevelObjects.h"
#include "random/Random.h"
#include "world/SideTable.h"
#include "world/Tank.h"
#include "world/World.h"

#include <cmath>
#include <string>

namespace Vorn {

namespace {

namespace Names = LevelNames;

// The radius kept free around a new tank of the level.
constexpr float tankPlaceRadius = 32.0f;

const Brisk::Attribute* AttributeNamed(const Brisk::Node& element, std::string_view name) {
    return element.FindAttribute(std::string(name));
}

bool Has(const Brisk::Node& element, std::string_view name) {
    return AttributeNamed(element, name) != nullptr;
}

float FloatOr(const Brisk::Node& element, std::string_view name, float fallback) {
    const Brisk::Attribute* attribute = AttributeNamed(element, name);
    return attribute ? static_cast<float>(Brisk::ToFloat(*attribute)) : fallback;
}

template <typename Type, std::size_t N>
Type KeywordOf(const Brisk::Node& element, const TypeKeyword (&table)[N], int fallback) {
    const Brisk::Attribute* attribute = AttributeNamed(element, Names::type);
    return static_cast<Type>(attribute ? TypeOfKeyword(table, attribute->value, fallback) : fallback);
}

template <typename Type, std::size_t N>
Type KeywordOf(const Brisk::Node& element, std::string_view name, const TypeKeyword (&table)[N],
               int fallback) {
    const Brisk::Attribute* attribute = AttributeNamed(element, name);
    return static_cast<Type>(attribute ? TypeOfKeyword(table, attribute->value, fallback) : fallback);
}

struct CommonAttributes {
    Placement placement;
    bool validSide = false;
    bool hasGroup = false;
    bool withinBounds = false;
};

float Scatter(float coordinate, float radius) {
    return coordinate - radius + static_cast<float>(randomGenerator.Next()) * 2 * radius;
}

bool WithinBounds(const Placement& placement) {
    return std::isfinite(placement.direction) && std::abs(placement.x) <= LevelLimits::maxCoordinate &&
           std::abs(placement.y) <= LevelLimits::maxCoordinate;
}

// The random values are drawn in this order: heading, x, y; a level's look depends on it.
CommonAttributes ReadCommon(const Brisk::Node& element) {
    CommonAttributes common;
    Placement& placement = common.placement;
    placement.x = FloatOr(element, Names::x, 0);
    placement.y = FloatOr(element, Names::y, 0);
    const Brisk::Attribute* direction = AttributeNamed(element, Names::direction);
    if (direction && direction->value == Names::randomDirection)
        placement.direction = static_cast<float>(randomGenerator.Next() * 360.0);
    else if (direction)
        placement.direction = static_cast<float>(Brisk::ToFloat(*direction));
    if (const Brisk::Attribute* scatter = AttributeNamed(element, Names::randomScatter)) {
        const float radius = static_cast<float>(Brisk::ToFloat(*scatter));
        placement.x = Scatter(placement.x, radius);
        placement.y = Scatter(placement.y, radius);
    }
    const Brisk::Attribute* color = AttributeNamed(element, Names::color);
    placement.side = color ? SideOfName(color->value) : noSide;
    common.validSide = placement.side >= 0 && placement.side < sideCount;
    if (const Brisk::Attribute* number = AttributeNamed(element, Names::number))
        placement.number = static_cast<std::uint16_t>(Brisk::ToInt(*number));
    const Brisk::Attribute* group = AttributeNamed(element, Names::group);
    common.hasGroup = group && !group->value.empty();
    placement.letter = common.hasGroup ? group->value[0] : 0;
    common.withinBounds = WithinBounds(placement);
    return common;
}

// Tanks and towers are named units: both need a side, a callsign number that is not 0 once cut to 16
// bits, and a group letter.
bool IsNamedUnit(const CommonAttributes& common) {
    return common.validSide && common.placement.number != 0 && common.hasGroup;
}

// "to_x" and "to_y" together give the tank a first waypoint. One that is not a finite number within the
// coordinate limit is dropped: a tank driving towards it would stand or wander for the whole game.
void SendToWaypoint(Tank& tank, const Brisk::Node& element) {
    if (!Has(element, Names::toX) || !Has(element, Names::toY))
        return;
    const float toX = FloatOr(element, Names::toX, 0);
    const float toY = FloatOr(element, Names::toY, 0);
    if (std::abs(toX) <= LevelLimits::maxCoordinate && std::abs(toY) <= LevelLimits::maxCoordinate)
        SendTank(tank, toX, toY);
}

bool CreateTank(World& world, const Brisk::Node& element, const CommonAttributes& common) {
    if (!Has(element, Names::type) || !Has(element, Names::turret) || !Has(element, Names::armor) ||
        !IsNamedUnit(common))
        return false;
    const Placement& placement = common.placement;
    if (!world.IsPlaceFree(placement.x, placement.y, tankPlaceRadius, nullptr))
        return false;
    const TankDesign design = TankDesignOf(element);
    auto tank =
        MakeTank(world, design.chassis, placement.side, placement.number, design.armor, design.turret);
    tank->x = placement.x;
    tank->y = placement.y;
    tank->direction = placement.direction;
    tank->letter = placement.letter;
    Tank* filed = FileTank(world, std::move(tank));
    if (!filed)
        return false;
    filed->brain->SetActive(true);
    SendToWaypoint(*filed, element);
    return true;
}

} // namespace

TankDesign TankDesignOf(const Brisk::Node& element) {
    return {KeywordOf<TankType>(element, tankTypeKeywords, levelTankTypeFallback),
            KeywordOf<ArmorType>(element, Names::armor, armorTypeKeywords, levelArmorTypeFallback),
            KeywordOf<TurretType>(element, Names::turret, turretTypeKeywords, levelTurretTypeFallback)};
}

namespace {

bool CreateTower(World& world, const Brisk::Node& element, const CommonAttributes& common) {
    if (!Has(element, Names::type) || !Has(element, Names::turret) || !IsNamedUnit(common))
        return false;
    return PlaceTower(world, common.placement,
                      KeywordOf<TowerType>(element, towerTypeKeywords, levelTowerTypeFallback),
                      KeywordOf<TurretType>(element, Names::turret, turretTypeKeywords,
                                            levelTurretTypeFallback)) != nullptr;
}

bool CreateBuilding(World& world, const Brisk::Node& element, const CommonAttributes& common) {
    if (!Has(element, Names::type) || !common.validSide)
        return false;
    return PlaceBuilding(world, common.placement,
                         KeywordOf<BuildingType>(element, buildingTypeKeywords, levelBuildingTypeFallback)) !=
           nullptr;
}

bool CreateObstacle(World& world, const Brisk::Node& element, const CommonAttributes& common) {
    const float sizeFactor = FloatOr(element, Names::size, 1);
    if (!Has(element, Names::type) || !(sizeFactor >= 0 && sizeFactor <= LevelLimits::maxObstacleSizeFactor))
        return false;
    return PlaceObstacle(world, common.placement,
                         KeywordOf<ObstacleType>(element, obstacleTypeKeywords, levelObstacleTypeFallback),
                         sizeFactor) != nullptr;
}

bool CreateLandmine(World& world, const Brisk::Node& element, const CommonAttributes& common) {
    if (!Has(element, Names::type) || !common.validSide)
        return false;
    return PlaceLandmine(world, common.placement,
                         KeywordOf<LandmineType>(element, landmineTypeKeywords, levelLandmineTypeFallback)) !=
           nullptr;
}

bool CreateLandmark(World& world, const Brisk::Node& element, const CommonAttributes& common) {
    if (!Has(element, Names::type) || !common.validSide)
        return false;
    return PlaceLandmark(world, common.placement,
                         KeywordOf<LandmarkType>(element, landmarkTypeKeywords, levelLandmarkTypeFallback)) !=
           nullptr;
}

} // namespace

bool CreateLevelObject(World& world, const Brisk::Node& element) {
    const CommonAttributes common = ReadCommon(element);
    if (!common.withinBounds)
        return false;
    const std::string& name = element.name;
    if (name == Names::tank)
        return CreateTank(world, element, common);
    if (name == Names::tower)
        return CreateTower(world, element, common);
    if (name == Names::building)
        return CreateBuilding(world, element, common);
    if (name == Names::obstacle)
        return CreateObstacle(world, element, common);
    if (name == Names::landmine)
        return CreateLandmine(world, element, common);
    if (name == Names::landmark)
        return CreateLandmark(world, element, common);
    return false;
}

} // namespace Vorn
