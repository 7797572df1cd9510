// Replays in the driver: the game it ran written as a replay (--record), and a replay played through the
// real game mode (--replay), checked digest for digest against its file.
#pragma once

#include "replay/Replay.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace Vorn::Mode {
class Game;
}

namespace autoplay {

// Reads the replay and checks that the game mode can play it (it fields the skirmish, and takes steps of
// at most `longestStepMs`); false after one line on standard error.
bool ReadDriverReplay(const std::string& path, unsigned longestStepMs, Vorn::Replay& replay);
// Whether the level and data files at hand are those recorded; a difference is named on standard error,
// and refused unless `force`.
bool DriverReplayInputsMatch(const std::string& path, const Vorn::Replay& replay, bool force);

// Follows a replay played in the game mode, frame by frame.
class ReplayWatch {
public:
    ReplayWatch(std::string path, std::shared_ptr<const Vorn::Replay> replay)
        : path(std::move(path)), replay(std::move(replay)) {}

    // After a frame: false once the game has run the replay's steps or has gone astray. A game that has
    // left the replay (the script loaded a save) is no longer checked against it, and ends where the
    // replay would have.
    bool AfterFrame(const Vorn::Mode::Game* game);
    // After the run: 0 when the game ended in the recorded digest, else 3 after one line on standard
    // error naming the step from which it differs.
    int Verdict() const;

private:
    std::string path;
    std::shared_ptr<const Vorn::Replay> replay;
    std::optional<std::uint32_t> divergence;
    std::uint32_t stepsRun = 0;
    std::optional<std::uint64_t> finalDigest;
    std::size_t secondsPlayed = 0;
    bool left = false;
};

// The game mode's game as a replay, taken after the run's last frame while the game still stands; nothing
// when no game runs.
std::optional<Vorn::Replay> RecordDriverGame(const Vorn::Mode::Game* game);
// Writes the replay; false after one line on standard error (also when there is none).
bool WriteDriverRecord(const std::string& path, const std::optional<Vorn::Replay>& replay);

} // namespace autoplay
