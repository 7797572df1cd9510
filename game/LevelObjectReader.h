// Turns one object element of a level's "new" action into a game object.
#pragma once

#include "rules/ObjectTypes.h"

namespace Brisk {
class Node;
}

namespace Vorn {

class World;

struct TankDesign {
    TankType chassis;
    ArmorType armor;
    TurretType turret;
};

// The chassis, armour and turret a level's tank element asks for; a missing or unknown name gives the
// level's fallback (light, none, cannon1).
TankDesign TankDesignOf(const Brisk::Node& element);

// Reads the common attributes (drawing the random heading, then x, then y, as the element asks), then
// creates and files at most one object by the element's name. False when nothing was created: an unknown
// element, a required attribute missing or invalid, a position that is not finite or lies beyond
// LevelLimits::maxCoordinate, or a tank whose place is taken.
bool CreateLevelObject(World& world, const Brisk::Node& element);

} // namespace Vorn
