// Whether a building or a defence may be placed at a point, and if not, why.
#pragma once

#include "rules/ObjectTypes.h"

#include <optional>

namespace Vorn {

class World;

// 0 allowed; the rest say why not.
enum PlacementStatus : int {
    placementAllowed = 0,
    placementUnexplored = 1,
    placementOccupied = 2,
    placementEnemyNear = 3,
    placementNoHeadquarters = 4,
    placementNotSecured = 5,
    placementNoDeposit = 6
};

// What the thing being placed asks of its place.
struct PlacementRules {
    float maxBaseDistance = 0;
    float minEnemyDistance = 0;
    float size = 0;
    bool areaMustBeSecured = false;
    // 0: a deposit must lie under the centre (mines); -1: none needed.
    int depositRequirement = -1;
};

// The rules of a product's own constants record: where it may stand and how large it is. A mine must
// stand on a deposit. Nothing without a record: such a product cannot be placed.
std::optional<PlacementRules> PlacementRulesOf(BuildingType type);
std::optional<PlacementRules> PlacementRulesOf(TowerType type);
std::optional<PlacementRules> PlacementRulesOf(LandmineType type);
std::optional<PlacementRules> PlacementRulesOf(ObstacleType type);

// The status of placing at (x, y) for the side. The first of fog, room, enemies and headquarters that
// fails gives the status; a required secured area and a required deposit are judged after them and win.
// The fog is the player's side's; for any other side a place is explored while its own units see it.
PlacementStatus CheckPlacement(World& world, const PlacementRules& rules, int side, float x, float y);

} // namespace Vorn
