// Where the commander places a building: a site the placement rules allow for its side now, found by
// trying rings of points around an anchor that suits the building (a deposit for a mine, a power plant
// for a building that needs power, a building without power for a power plant, the headquarters for the
// rest), the side of the anchor away from the enemy first. A gap is kept around each site so that tanks
// still pass between the buildings.
#pragma once

#include "commander/Commander.h"
#include "world/PlacementCheck.h"

#include <optional>

namespace Vorn {

class SideView;
class World;

// The room kept free around a new building beyond its own size.
inline constexpr float buildingGap = 30;

std::optional<MapPoint> FindBuildingSite(World& world, int side, BuildingType type, const SideView& view);

// A free spot for a tower, landmine or obstacle on the approach from the enemy to the headquarters:
// towers stand `distance` out, spread across the approach.
std::optional<MapPoint> FindDefenceSite(World& world, int side, const std::optional<PlacementRules>& rules,
                                        MapPoint headquarters, MapPoint enemy, float distance);

// The vector of length 1 along (x, y); straight up for a zero vector.
MapPoint Unit(float x, float y);

// The direction the enemy is expected from: the nearest remembered enemy building, else the centre of
// the map seen from the headquarters, else straight up.
MapPoint EnemyDirection(const SideView& view, MapPoint headquarters);

} // namespace Vorn
