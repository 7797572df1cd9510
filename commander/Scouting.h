// The scouting part's round: the places a scout visits in turn until the enemy is found.
#pragma once

#include "commander/Commander.h"

#include <vector>

namespace Vorn {

// The headquarters' mirror through the map's centre first (where a symmetric map puts the enemy), then the
// other corners' regions and the centre, each kept a margin inside the map.
std::vector<MapPoint> ScoutingRound(float mapWidth, float mapHeight, MapPoint headquarters);

// Contact older than this sends the scout out again.
inline constexpr unsigned contactLostMs = 90000;

} // namespace Vorn
