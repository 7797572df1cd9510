// A registered wish to run an event once a moment of the level clock comes or a unit is destroyed.
#pragma once

#include <cstdint>
#include <string>

namespace Vorn {

enum class RequestKind : int { Time = 0, Destroyed = 1, Other = 2 };

struct LevelRequest {
    std::string name;
    // Counted down once the condition held; the event runs in the step it drops below 1.
    std::int32_t delay = 0;
    RequestKind kind = RequestKind::Other;
    // Survives when another request fires.
    bool persistent = false;
    std::int32_t side = 0;
    char letter = 0;
    std::uint16_t number = 0;
    // A moment of the level clock, not a time from now.
    std::uint32_t when = 0;
};

} // namespace Vorn
