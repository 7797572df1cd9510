// The commander's look at its own side, which it may read in full like a player reads the own panel:
// its objects by kind, its headquarters and where its base lies.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/ObjectKind.h"

#include <vector>

namespace Vorn {

class Building;
class Object;
class World;

// The side's objects of the kind in the world's walk order.
std::vector<Object*> OwnObjects(World& world, int side, ObjectKind kind);
// The side's buildings of the type.
std::vector<Building*> OwnBuildings(World& world, int side, BuildingType type);
// The base the side builds from: its first "Base", else its first "Outpost"; null when it has neither.
Building* MainHeadquarters(World& world, int side);
// Whether the building needs a power plant near to work.
bool NeedsPower(const Building& building);
bool NeedsPower(BuildingType type);

} // namespace Vorn
