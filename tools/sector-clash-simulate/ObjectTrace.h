// The simulator's list of what stands on the map: every tank, tower, building, obstacle and landmine
// with its side, type, callsign, place, radius and hit points, for tools that follow a battle object by
// object.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace Vorn {
class World;
}

namespace simulate {

// {"t": MS, "objects": [{"kind": "tank", "side": "Blue", "type": "HeavyTank", "callsign": "A1",
// "x": .., "y": .., "radius": .., "hp": ..}, ...]}: side by side, and within a side tanks, towers,
// buildings, obstacles and landmines, each in the world's walk order. "callsign" is the group letter and
// number ("A1"; null for obstacles and landmines), "radius" the size the world tests collisions with,
// "hp" the current hit points (null for objects without).
std::string ObjectsJson(Vorn::World& world);

// Prints the list on standard output whenever a step has crossed a multiple of the interval, and once at
// the end unless the last step has just printed it.
class ObjectTrace {
public:
    // An interval of 0 prints nothing.
    explicit ObjectTrace(std::uint32_t everyMs) : everyMs(everyMs) {}
    void AfterStep(Vorn::World& world, unsigned clockBefore);
    void AtEnd(Vorn::World& world);

private:
    void Print(Vorn::World& world);

    std::uint32_t everyMs;
    std::optional<unsigned> printedAt;
};

} // namespace simulate
