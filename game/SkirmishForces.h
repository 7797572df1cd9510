// The heavy tanks a new game fields besides the level's own: one in eight for the player, the rest for
// side 2, at random free places on the map on either side of its centre line.
#pragma once

namespace Brisk {
class Node;
}

namespace Vorn {

class World;

inline constexpr int skirmishTankCount = 256;
// Callsign numbers are 16 bits wide, so no larger skirmish can be told apart.
inline constexpr int largestSkirmish = 65536;

// How many skirmish tanks the level asks for with the "skirmish" attribute of its first "level" element:
// the game's 256 when it says nothing; otherwise the attribute read as a whole number (no digits give 0),
// kept within 0..largestSkirmish.
int SkirmishCountOf(const Brisk::Node& levelDocument);

// Draws, per tank in callsign order: x, y, and for a tank whose place is free the brain's start time. A filed
// tank takes the next callsign number of its side's counter. Answers how many tanks were filed. A larger
// count than the game's own widens both fields by the square root of the ratio, so the armies stand as
// densely as the game's 256 do; a smaller one keeps the fields. Either way the fields end where a tank's body
// would leave the map, so a small map holds fewer tanks; a map too narrow for the enemy's field fields none
// and draws nothing.
int FieldSkirmishTanks(World& world, int count = skirmishTankCount);

struct MapSize {
    float width = 0;
    float height = 0;
};

// The smallest map (centred on the origin, as every map is) on which the fields of a skirmish of `count`
// keep their whole size. Needs the constants.
MapSize MapHoldingSkirmish(int count);

} // namespace Vorn
