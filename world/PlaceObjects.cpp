// Making and filing towers, buildings, obstacles, landmines and landmarks at a point.
#include "world/PlaceObjects.h"

#include "visuals/DrawingStore.h"
#include "rules/ConstantsTable.h"
#include "rules/LandmineData.h"
#include "rules/ObstacleData.h"
#include "rules/TypeCatalogue.h"
#include "world/Building.h"
#include "world/CreateBuilding.h"
#include "world/Landmark.h"
#include "world/Landmine.h"
#include "world/Obstacle.h"
#include "world/Tower.h"
#include "world/World.h"

#include <memory>

namespace Vorn {

namespace {

template <typename Record, typename Type> const Record* RecordOf(Type type) {
    return Constants::constantsTable.Find<Record>(ConstantIdOf(type));
}

template <typename Type> const Drawing* DrawingOf(Type type) {
    return drawingStore.FindDrawing(TypeNameOf(type));
}

void SetPlace(Object& object, const Placement& placement) {
    object.x = placement.x;
    object.y = placement.y;
    object.direction = placement.direction;
}

// The world takes the object, or it is deleted when the world refuses its side.
template <typename T> T* File(World& world, std::unique_ptr<T> object, ObjectKind kind) {
    if (!world.InsertObject(object.get(), kind))
        return nullptr;
    return object.release();
}

} // namespace

Tower* PlaceTower(World& world, const Placement& placement, TowerType type, TurretType turret) {
    auto tower = std::make_unique<Tower>(&world, type, placement.side, turret, placement.number);
    SetPlace(*tower, placement);
    tower->letter = placement.letter;
    Tower* filed = File(world, std::move(tower), KindTower);
    if (filed)
        filed->brain.SetActive(true);
    return filed;
}

Building* PlaceBuilding(World& world, const Placement& placement, BuildingType type) {
    return PlaceBuilding(world, placement, type, placement.number);
}

Building* PlaceBuilding(World& world, const Placement& placement, BuildingType type, int callsignNumber) {
    std::unique_ptr<Building> building(CreateBuilding(&world, type, placement.side, callsignNumber));
    SetPlace(*building, placement);
    building->letter = placement.letter;
    return File(world, std::move(building), KindBuilding);
}

Obstacle* PlaceObstacle(World& world, const Placement& placement, ObstacleType type, float sizeFactor) {
    auto obstacle = std::make_unique<Obstacle>(type, RecordOf<Constants::ObstacleData>(type), sizeFactor);
    SetPlace(*obstacle, placement);
    obstacle->side = 0;
    obstacle->drawing = DrawingOf(type);
    return File(world, std::move(obstacle), KindStatic);
}

Landmine* PlaceLandmine(World& world, const Placement& placement, LandmineType type) {
    auto landmine = std::make_unique<Landmine>(type, RecordOf<Constants::LandmineData>(type));
    SetPlace(*landmine, placement);
    landmine->side = placement.side;
    landmine->drawing = DrawingOf(type);
    return File(world, std::move(landmine), KindLandmine);
}

Landmark* PlaceLandmark(World& world, const Placement& placement, LandmarkType type) {
    auto landmark = std::make_unique<Landmark>(&world, type, placement.x, placement.y, placement.direction,
                                               placement.side);
    landmark->drawing = DrawingOf(type);
    return File(world, std::move(landmark), KindLandmark);
}

} // namespace Vorn
