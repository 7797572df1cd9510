// How each kind of object is made and filed in the world at a point: one small function per kind, so the
// objects' construction rules stay in one place for the level, the skirmish and the placing of what the
// player's buildings finish.
#pragma once

#include "rules/ObjectTypes.h"

#include <cstdint>

namespace Vorn {

class Building;
class Landmark;
class Landmine;
class Obstacle;
class Tower;
class World;

// Where and for whom an object is placed; callsigns only count for tanks, towers and buildings.
struct Placement {
    float x = 0;
    float y = 0;
    float direction = 0;
    int side = 0;
    char letter = 0;
    std::uint16_t number = 0;
};

// Each returns the object filed, or null when the world refused its side (the object is then deleted).
Tower* PlaceTower(World& world, const Placement& placement, TowerType type, TurretType turret);
Building* PlaceBuilding(World& world, const Placement& placement, BuildingType type);
// The same with a callsign number that may be CreateBuilding's nextCallsign, which takes the side's next
// number of the type.
Building* PlaceBuilding(World& world, const Placement& placement, BuildingType type, int callsignNumber);
// Obstacles always belong to side 0; the radius is the factor times the type's "size".
Obstacle* PlaceObstacle(World& world, const Placement& placement, ObstacleType type, float sizeFactor);
Landmine* PlaceLandmine(World& world, const Placement& placement, LandmineType type);
Landmark* PlaceLandmark(World& world, const Placement& placement, LandmarkType type);

} // namespace Vorn
