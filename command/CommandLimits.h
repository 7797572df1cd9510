// The bounds a command must keep, so that a hostile or damaged record of commands can neither crash the
// simulation nor grow it without end.
#pragma once

namespace Vorn::CommandLimits {

// Points further out than this on either axis are refused: far beyond any map, as levels place nothing
// beyond it either, and small enough for every grid and distance computation to stay exact enough.
inline constexpr float maxCoordinate = 1'000'000.0f;
// A move stretches its group's offsets by at most this: the player's modifiers give 0.5 to 2.
inline constexpr float maxSpread = 16.0f;
// The most tanks one order queues: the largest count the factory's panel offers.
inline constexpr int maxTanksPerOrder = 1000;

} // namespace Vorn::CommandLimits
