// A recorded game: what it was played on (version, level, data), how it was set up (seed, skirmish, step
// length), every command applied with its step, and the digests that let a second run say whether, and
// from which step, it played the same game.
#pragma once

#include "command/Command.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Vorn {

// The newest format this build reads and writes. A replay that starts from the level's beginning is
// written in the format before it, which older games read too; one that starts from a save needs the
// newest, so that an older game refuses it instead of playing it from the level's beginning. The first
// format lacks the date and the outcome.
inline constexpr int replayFormatVersion = 3;
inline constexpr int levelStartReplayFormatVersion = 2;
inline constexpr int oldestReplayFormatVersion = 1;

// How the recorded game ended, for a list of replays. Unknown for a replay of the first format.
enum class ReplayOutcome : std::uint8_t { Unknown, Unfinished, Won, Lost };

// The state digest after a step that ended a game second.
struct SecondDigest {
    std::uint32_t step = 0;
    std::uint64_t digest = 0;

    bool operator==(const SecondDigest&) const = default;
};

// The saved game a replay starts from: its file, as the player named it or relative to the saves folder,
// and the hash of its bytes, since a save changed since would start another game.
struct ReplayStartSave {
    std::string path;
    std::uint64_t hash = 0;

    bool operator==(const ReplayStartSave&) const = default;
};

struct Replay {
    std::string gameVersion;
    // The level as it was named to the game: a name under the data folder or a path.
    std::string levelPath;
    std::uint64_t levelHash = 0;
    std::uint64_t dataHash = 0;
    // Empty for a game from the level's beginning. With a save, the battle is the save's (its generator,
    // its steps and commands) and the replay's commands, seconds and step counts go on from its last
    // step, counted from the level's beginning as the save counts them; the seed is not used.
    std::optional<ReplayStartSave> startSave;
    std::uint32_t seed = 1;
    bool skirmish = false;
    // With skirmish: the tanks asked for; empty for the level's own count.
    std::optional<int> skirmishTanks;
    unsigned stepMs = 16;
    // In the order applied: by step (the step at whose start each applies), then as issued.
    std::vector<Command> commands;
    // One per game second, in step order: the digest once that many steps have run.
    std::vector<SecondDigest> seconds;
    std::uint32_t steps = 0;
    std::uint64_t finalDigest = 0;
    // When the game was recorded, in seconds since 1970 (UTC); 0 when not known.
    std::uint64_t date = 0;
    ReplayOutcome outcome = ReplayOutcome::Unknown;

    bool operator==(const Replay&) const = default;
};

} // namespace Vorn
