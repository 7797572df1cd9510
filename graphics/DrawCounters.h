// Eight counters of what was drawn since the game mode last printed them: the first counts particles,
// the fifth the minimap's painted objects; the others are free for whatever drawing wants watching.
#pragma once

#include <array>
#include <cstdint>

namespace Vorn {

inline constexpr std::size_t drawCounterCount = 8;
inline constexpr std::size_t particlesDrawnCounter = 0;
inline constexpr std::size_t minimapObjectsCounter = 4;

extern std::array<std::uint32_t, drawCounterCount> drawCounters;

} // namespace Vorn
