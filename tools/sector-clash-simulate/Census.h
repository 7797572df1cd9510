// What the simulator reports of a world: per side money, unit counts and hit points, and the totals.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace Vorn {
class World;
}

namespace simulate {

struct SideCensus {
    int money = 0;
    std::size_t tanks = 0;
    std::size_t towers = 0;
    std::size_t buildings = 0;
    std::size_t landmines = 0;
    // Current hit points of the side's tanks, towers and buildings together.
    double hitPoints = 0;
};

struct Census {
    std::array<SideCensus, 7> sides;
    std::size_t bullets = 0;
    std::size_t effects = 0;
};

Census TakeCensus(Vorn::World& world);

// The "sides", "bullets" and "effects" members of the JSON line, without braces around them.
std::string CensusJson(const Census& census);

} // namespace simulate
