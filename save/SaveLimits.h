// The bounds a save file must keep: a damaged or hostile file is refused at the first field beyond them,
// before anything is allocated for it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Vorn::SaveLimits {

// An hour's commands of a busy player take well under a megabyte: this leaves room for very long games,
// not for a file that would exhaust memory.
inline constexpr std::uintmax_t maxFileBytes = 64u * 1024 * 1024;
inline constexpr std::size_t maxSectionBytes = maxFileBytes;
// The head is read on its own for the list of saves, so it stays small.
inline constexpr std::size_t maxHeadBytes = 16 * 1024;
inline constexpr std::size_t maxPathBytes = 4096;
inline constexpr std::size_t maxVersionBytes = 64;
// One commander a side at most; a difficulty is a short name of commander.xml.
inline constexpr std::size_t maxCommanders = 7;
inline constexpr std::size_t maxDifficultyBytes = 64;
inline constexpr std::size_t maxCommands = 4'000'000;
inline constexpr std::size_t maxUnits = 4096;
// Runs of equal step lengths: a game whose frames all differ still fits an hour of 16 ms frames.
inline constexpr std::size_t maxStepRuns = 4'000'000;
inline constexpr unsigned maxStepMs = 1000;
// Steps are counted in 31 bits, so they compare and add safely everywhere.
inline constexpr std::uint32_t maxStep = 0x7fffffffu;
inline constexpr int maxSkirmishTanks = 65536;
// A selection or a control group names at most every unit a battle can hold.
inline constexpr std::size_t maxSelected = 1'000'000;

// The battle's state before it is compressed: 4,096 tanks in the middle of a battle take far less.
inline constexpr std::uint32_t maxStateBytes = 256u * 1024 * 1024;
// The simulation's state: no container of a battle comes near these, and every count is also checked
// against the bytes its section has left.
inline constexpr std::size_t maxObjectsPerContainer = 4'000'000;
inline constexpr std::size_t maxBullets = 4'000'000;
inline constexpr std::size_t maxWaypoints = 1'000'000;
inline constexpr std::size_t maxFactoryOrders = 1'000'000;
inline constexpr std::size_t maxFogPoints = 16'000'000;
inline constexpr std::size_t maxDebrisPerCorpse = 4096;
inline constexpr std::size_t maxSideNameBytes = 256;
inline constexpr std::size_t maxDrawings = 1'000'000;
inline constexpr std::size_t maxEffects = 4'000'000;
inline constexpr std::size_t maxParticlesPerSystem = 1'000'000;
inline constexpr std::size_t maxEffectsPerOwner = 4096;
inline constexpr std::size_t maxSystemNameBytes = 256;
// The level's events: names, requests, messages and objectives.
inline constexpr std::size_t maxLevelEntries = 1'000'000;
inline constexpr std::size_t maxLevelTextBytes = 64 * 1024;

} // namespace Vorn::SaveLimits
