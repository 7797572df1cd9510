// What a turret brain is doing.
#pragma once

#include <cstdint>

namespace Vorn {

enum class TurretState : std::uint32_t {
    Idle = 0,      // switched off
    Searching = 1, // looking for a target
    Aiming = 2,    // target held, turret still turning
    Locked = 3,    // on target, firing
};

} // namespace Vorn
