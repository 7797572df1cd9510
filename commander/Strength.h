// How strong units are in a fight, from the rules data alone: hit points, damage per second and range.
// The commander compares its group with what it knows of the enemy at a target by these numbers.
#pragma once

#include "world/TankOrder.h"

#include <vector>

namespace Vorn {

class Object;

struct UnitStrength {
    float hitPoints = 0;
    // Damage per second of a whole series cycle, weighed by range: a turret that outranges the usual one
    // deals its damage before it takes any.
    float damagePerSecond = 0;
    float range = 0;
};

// A turret's damage per second over its series cycle, at full strength; 0 for a turret that never fires.
float TurretDamagePerSecond(TurretType turret);
// The strength of a tank, a tower or a building as it stands (a building does no damage).
UnitStrength StrengthOf(const Object& object);
// The strength of a new tank of the design.
UnitStrength StrengthOf(const TankOrder& design);
// What a group is worth in a fight: its hit points times its damage, since a group that lasts longer
// also deals damage longer. 0 for a group with no hit points or no damage.
float GroupStrength(const std::vector<UnitStrength>& group);
// The group sets out when its strength exceeds what is known at the target by the margin; an empty
// picture of the target is beaten by any group that can do damage.
bool ShouldAttack(float ownStrength, float knownStrength, float margin);
// What the chassis, armour and turret of the design cost together.
int PriceOf(const TankOrder& design);

} // namespace Vorn
