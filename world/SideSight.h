// What one side's own units and buildings see right now: the same sight radii that clear the fog for the
// player's side, asked directly for any side. A computer opponent knows the map only through this, and
// the placement rules judge a side other than the fog's by it.
#pragma once

namespace Vorn {

class Object;
class World;

// How far the object sees: a building its record's "see_range", halved without power; a tank its
// turret's range times the tank AI's and the turret's "see_multiplier"; a tower its turret's range times
// the tower AI's. 0 for anything else.
float SightRadiusOf(const Object& object);

// Whether some tank, tower or building of the side sees a point within r of (x, y).
bool SideSees(World& world, int side, float x, float y, float r);

} // namespace Vorn
