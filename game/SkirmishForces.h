// The heavy tanks a new game fields besides the level's own: one in eight for the player, the rest for
// side 2, at random free places on either side of the map's centre line.
#pragma once

namespace Vorn {

class World;

inline constexpr int skirmishTankCount = 256;
// Callsign numbers are 16 bits wide, so no larger skirmish can be told apart.
inline constexpr int largestSkirmish = 65536;

// Draws, per tank in callsign order: x, y, and for a tank whose place is free the brain's start time. A filed
// tank takes the next callsign number of its side's counter. Answers how many tanks were filed. A larger count
// than the game's own widens both fields by the square root of the ratio, so the armies stand as densely as
// the game's 256 do; a smaller one keeps the fields.
int FieldSkirmishTanks(World& world, int count = skirmishTankCount);

} // namespace Vorn
