// The bounds that keep a hostile level file from crashing, hanging or growing the game without end.
#pragma once

#include <cstddef>

namespace Vorn::LevelLimits {

// Objects whose position (after the scatter) lies further out than this on either axis are not created:
// far beyond any map, and small enough for every grid and distance computation to stay exact enough.
inline constexpr float maxCoordinate = 1'000'000.0f;
// The largest "random" scatter radius; larger scatters could only throw the object out of bounds.
inline constexpr float maxScatter = maxCoordinate;
// An obstacle's "size" factor outside 0..this creates nothing.
inline constexpr float maxObstacleSizeFactor = 100.0f;
// The most objects one level creates over a whole game; further "new" elements create nothing.
inline constexpr std::size_t maxCreatedObjects = 65'536;
// The most requests waiting and delayed together; a request beyond it is not registered, so an event
// that registers itself twice per run cannot double the lists every step.
inline constexpr std::size_t maxPendingRequests = 4'096;

// A message or objective text longer than this is cut there: one line on the screen holds far less.
inline constexpr std::size_t maxTextLength = 400;
// The message log keeps this many of the latest messages; older ones leave it.
inline constexpr std::size_t maxLogMessages = 200;
// The objectives panel holds this many; an objective of a new name beyond them is not added.
inline constexpr std::size_t maxObjectives = 16;

} // namespace Vorn::LevelLimits
