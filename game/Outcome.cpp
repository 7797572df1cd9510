// Reading how a level ended.
#include "game/Outcome.h"

#include "game/Level.h"
#include "world/World.h"

#include <numeric>

namespace Vorn {

namespace {

int Standing(World& world, int side) {
    return static_cast<int>(world.Objects(side, KindTank).Count() + world.Objects(side, KindTower).Count() +
                            world.Objects(side, KindBuilding).Count());
}

} // namespace

Outcome ReadOutcome(World& world, const Level& level) {
    Outcome outcome;
    outcome.finished = level.finished;
    outcome.won = level.won;
    outcome.gameMs = world.Clock();
    const int allLosses = std::accumulate(level.losses.begin(), level.losses.end(), 0);
    for (int side = 0; side < sideCount; ++side) {
        SideOutcome& entry = outcome.sides[static_cast<std::size_t>(side)];
        entry.standing = Standing(world, side);
        entry.lost = level.losses[static_cast<std::size_t>(side)];
        entry.destroyed = allLosses - entry.lost;
        entry.present = entry.standing > 0 || entry.lost > 0;
    }
    return outcome;
}

ReplayOutcome ReplayOutcomeOf(const Level& level) {
    if (!level.finished)
        return ReplayOutcome::Unfinished;
    return level.won ? ReplayOutcome::Won : ReplayOutcome::Lost;
}

} // namespace Vorn
