// The heavy tanks a new game fields besides the level's own: one in eight for the player, the rest for
// side 2, at random free places on either side of the map's centre line.
#pragma once

namespace Vorn {

class World;

inline constexpr int skirmishTankCount = 256;

// Draws, per tank in order: x, y, and for a tank whose place is free the brain's start time. A filed tank
// takes the next callsign number of its side's counter. Answers how many tanks were filed.
int FieldSkirmishTanks(World& world);

} // namespace Vorn
