// How a finished level ended: won or lost, the game time, and per side the units it lost and the enemy
// units that were destroyed. The game's outcome screen and the simulator read the same level flags.
#pragma once

#include "replay/Replay.h"

#include <array>

namespace Vorn {

class Level;
class World;

struct SideOutcome {
    // Whether the side took part: it has units now or lost some.
    bool present = false;
    // Its tanks, towers and buildings standing now.
    int standing = 0;
    // Its own tanks, towers and buildings destroyed.
    int lost = 0;
    // Those of every other side destroyed (every other side is its enemy).
    int destroyed = 0;
};

struct Outcome {
    bool finished = false;
    bool won = false;
    unsigned gameMs = 0;
    std::array<SideOutcome, 7> sides;
};

Outcome ReadOutcome(World& world, const Level& level);
// What a replay of the game keeps of how it ended.
ReplayOutcome ReplayOutcomeOf(const Level& level);

} // namespace Vorn
