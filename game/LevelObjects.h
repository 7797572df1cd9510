// How the level and the skirmish make their tanks and send them; the other kinds of object are placed by
// the world's own placing functions, which the placing of products shares.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/PlaceObjects.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace Vorn {

class Tank;
class World;

// A tank with its armour and turret, not yet filed; the caller files it or lets it go.
std::unique_ptr<Tank> MakeTank(World& world, TankType chassis, int side, std::uint16_t number,
                               ArmorType armor, TurretType turret);
// Files the tank in its side's tank list and switches its brain on; the world owns it from then on.
Tank* FileTank(World& world, std::unique_ptr<Tank> tank);
// Runs the brain once for this long, so that the brains of many tanks made together think out of step.
void StartTankBrain(Tank& tank, unsigned elapsedMs);
// Gives the tank a point to drive to.
void SendTank(Tank& tank, float x, float y);

// Every tank of the side whose callsign letter is this one.
std::vector<Tank*> TanksOfGroup(World& world, int side, char letter);

} // namespace Vorn
