// Making a building of a type: the class that runs it, its record, its drawing and its callsign.
#pragma once

#include "rules/ObjectTypes.h"

namespace Vorn {

class Building;
class World;

// The callsign number that asks for the side's next number of the type.
inline constexpr int nextCallsign = -1;

// "Base" and "Outpost" make an HQ, "Defense" a Defence, "TankFactory" a TankFactory, "Armory" an Armory;
// the other types are plain buildings whose record says what they do. A callsign number of nextCallsign
// takes the side's next number for the type and counts it on. The caller places the building and files it
// in the world.
Building* CreateBuilding(World* world, BuildingType type, int side, int callsignNumber);

} // namespace Vorn
