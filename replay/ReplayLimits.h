// The bounds a replay file must keep: a damaged or hostile file is refused at the first line beyond them,
// before anything is allocated for it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Vorn::ReplayLimits {

// An hour of 16 ms steps takes a few megabytes: this leaves room for very long games, not for a file
// that would exhaust memory.
inline constexpr std::uintmax_t maxFileBytes = 256u * 1024 * 1024;
// A line holds at most one command of maxUnits serials.
inline constexpr std::size_t maxLineBytes = 128 * 1024;
inline constexpr std::size_t maxUnits = 4096;
inline constexpr std::size_t maxCommands = 4'000'000;
// Steps are counted in 31 bits, so they compare and add safely everywhere.
inline constexpr std::uint32_t maxStep = 0x7fffffffu;
inline constexpr std::size_t maxPathBytes = 4096;
inline constexpr std::size_t maxVersionBytes = 64;
inline constexpr unsigned maxStepMs = 1000;
inline constexpr int maxSkirmishTanks = 65536;
// Seconds since 1970: far beyond any real date, yet small enough for any calendar routine.
inline constexpr std::uint64_t maxDate = 253402300799; // 9999-12-31 23:59:59 UTC

} // namespace Vorn::ReplayLimits
