// The economy's choice of what the headquarters builds next, from a census of the side's base.
#pragma once

#include "commander/Difficulty.h"

#include <array>
#include <optional>
#include <vector>

namespace Vorn {

class SideView;
class World;

struct BaseCensus {
    // Standing buildings of the side by type, with the one the headquarters is building counted in.
    std::array<int, buildingTypeCount> buildings{};
    // Buildings that need power and have no power plant near.
    int unpowered = 0;
    // Known deposits with nothing on them within a headquarters' reach for a mine ...
    int reachableDeposits = 0;
    // ... and beyond it, where only an outpost would bring them in reach.
    int distantDeposits = 0;
    int money = 0;
    // Wrecks lie in the side's sight: a recycler would earn from them.
    bool battlefield = false;
};

// Power first, so that nothing stands idle; then the build order, rebuilding what was lost in its place
// (a mine only with a deposit in reach); then mines on free deposits, outposts towards distant ones, a
// recycler by a battlefield and, with money to spare, more factories. Nothing when all is built.
// Everything wanted, in that order, each once: the headquarters builds the first that has a site.
std::vector<BuildingType> WantedBuildings(const BaseCensus& census, const EconomyPlan& plan);
std::optional<BuildingType> NextBuilding(const BaseCensus& census, const EconomyPlan& plan);

// The census of the side as its commander knows it.
BaseCensus TakeBaseCensus(World& world, int side, const SideView& view);

} // namespace Vorn
