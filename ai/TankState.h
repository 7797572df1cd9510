// What a tank brain is doing.
#pragma once

#include <cstdint>

namespace Vorn {

enum class TankState : std::uint32_t {
    Inactive = 0, // switched off: neither drives nor turns
    Holding = 1,  // standing, waiting for a waypoint
    Moving = 2,   // driving along its waypoints, or rolling out after the last
};

} // namespace Vorn
