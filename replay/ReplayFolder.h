// The player's replay folder: every game leaves its replay there, named by its date and level, and the
// folder keeps the newest few. Files of other names are the player's own and are never touched.
//
//   SaveReplayInFolder(folder, replay, fault);      // "2026-12-10-085227-level0.replay"
//   for (const std::string& path : ReplayFilesNewestFirst(folder))
//       if (ReplaySummary summary; ReadReplaySummary(path, summary)) ... summary.levelPath ...
#pragma once

#include "replay/Replay.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Vorn {

// How many of its own replays the folder keeps.
inline constexpr std::size_t keptReplays = 20;

// The time now, in the form a replay keeps its date.
std::uint64_t SecondsSince1970();

// The name a replay of the level recorded at `date` takes: the date (UTC, so that names sort in time
// order across clock changes) and the level file's name without its folder and extension, with anything
// but letters, digits, '-' and '_' made '_'.
std::string ReplayFileName(std::uint64_t date, const std::string& levelPath);
// Whether a file name is one the game gave a replay.
bool IsGameReplayName(const std::string& name);

// The paths of the game's own replays in the folder, newest first; empty when it cannot be read.
std::vector<std::string> ReplayFilesNewestFirst(const std::string& folder);

// Writes the replay into the existing folder under its name (another number added when a file of that
// name stands already), then removes the oldest of the game's own replays beyond `keep`. Answers the path
// written, or empty with one line in `fault`.
std::string SaveReplayInFolder(const std::string& folder, const Replay& replay, std::string& fault,
                               std::size_t keep = keptReplays);

// What a list of replays shows of one.
struct ReplaySummary {
    std::string levelPath;
    // Seconds since 1970 (UTC): the recorded date, or for a replay of the first format the file's time.
    std::uint64_t date = 0;
    // The game time the replay lasts.
    std::uint64_t lengthSeconds = 0;
    ReplayOutcome outcome = ReplayOutcome::Unknown;
    // The save it starts from; a list says so, and whether the save is still at hand.
    std::optional<ReplayStartSave> startSave;
};

// Reads the whole file as the replay reader does: false (the reason in `fault`) for any file it refuses,
// so that a list never offers a replay that cannot be played.
bool ReadReplaySummary(const std::string& path, ReplaySummary& summary, std::string& fault);
bool ReadReplaySummary(const std::string& path, ReplaySummary& summary);

} // namespace Vorn
