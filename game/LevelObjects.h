// How the level and the skirmish make each kind of object and file it in the world: one small function per
// kind, so the objects' own construction rules stay in one place for everything that places them.
#pragma once

#include "rules/ObjectTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Vorn {

class Building;
class Landmark;
class Landmine;
class Obstacle;
class Tank;
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

// A tank with its armour and turret, not yet filed; the caller files it or lets it go.
std::unique_ptr<Tank> MakeTank(World& world, TankType chassis, int side, std::uint16_t number,
                               ArmorType armor, TurretType turret);
// Files the tank in its side's tank list and switches its brain on; the world owns it from then on.
Tank* FileTank(World& world, std::unique_ptr<Tank> tank);
// Runs the brain once for this long, so that the brains of many tanks made together think out of step.
void StartTankBrain(Tank& tank, unsigned elapsedMs);
// Gives the tank a point to drive to.
void SendTank(Tank& tank, float x, float y);

Tower* PlaceTower(World& world, const Placement& placement, TowerType type, TurretType turret);
Building* PlaceBuilding(World& world, const Placement& placement, BuildingType type);
// Obstacles always belong to side 0; the radius is the factor times the type's "size".
Obstacle* PlaceObstacle(World& world, const Placement& placement, ObstacleType type, float sizeFactor);
Landmine* PlaceLandmine(World& world, const Placement& placement, LandmineType type);
Landmark* PlaceLandmark(World& world, const Placement& placement, LandmarkType type);

// Every tank of the side whose callsign letter is this one.
std::vector<Tank*> TanksOfGroup(World& world, int side, char letter);

} // namespace Vorn
