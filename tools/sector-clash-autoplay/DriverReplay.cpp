// Recording and playing replays in the driver.
#include "tools/sector-clash-autoplay/DriverReplay.h"

#include "game/GameMode.h"
#include "game/ReplaySetup.h"
#include "game/StateDigest.h"
#include "replay/ReplayWriter.h"
#include "world/World.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace autoplay {

namespace {

constexpr const char* program = "sector-clash-autoplay";

} // namespace

bool ReadDriverReplay(const std::string& path, unsigned longestStepMs, Vorn::Replay& replay) {
    std::string fault;
    if (!Vorn::ReadPlayableReplay(path, replay, fault)) {
        std::fprintf(stderr, "%s: %s\n", program, fault.c_str());
        return false;
    }
    if (replay.stepMs <= longestStepMs)
        return true;
    std::fprintf(stderr, "%s: %s: steps of %u ms, longer than the driver's longest frame, %u\n", program,
                 path.c_str(), replay.stepMs, longestStepMs);
    return false;
}

bool DriverReplayInputsMatch(const std::string& path, const Vorn::Replay& replay, bool force) {
    const std::string differs = Vorn::ReplayInputsDiffer(replay);
    if (differs.empty())
        return true;
    std::fprintf(stderr, "%s: %s: %s%s\n", program, path.c_str(), differs.c_str(),
                 force ? " (played anyway: --force)" : " (--force plays it anyway)");
    return force;
}

bool ReplayWatch::AfterFrame(const Vorn::Mode::Game* game) {
    if (game == nullptr || game->Commands() == nullptr)
        return true;
    // The game the viewer loaded runs on for as long as the replay would have.
    left = left || game->Playback() == nullptr;
    if (left)
        return game->Commands()->NextStep() < replay->steps;
    stepsRun = game->Commands()->NextStep();
    divergence = Vorn::FirstDivergence(replay->seconds, game->Trail().Seconds());
    secondsPlayed = game->Trail().Seconds().size();
    const bool done = divergence || stepsRun >= replay->steps;
    // Taken while the world stands: the program takes it down after the last frame.
    if (done && Vorn::world != nullptr)
        finalDigest = Vorn::StateDigest(*Vorn::world, game->CurrentLevel());
    return !done;
}

int ReplayWatch::Verdict() const {
    std::string astray;
    if (left) {
        return 0;
    } else if (divergence) {
        astray = "the game goes astray at step " + std::to_string(*divergence) +
                 " (its digest differs from the recorded one)";
    } else if (stepsRun < replay->steps) {
        astray = "the game stood still at step " + std::to_string(stepsRun) + " of the replay's " +
                 std::to_string(replay->steps);
    } else if (finalDigest != replay->finalDigest || secondsPlayed != replay->seconds.size()) {
        astray = "the game goes astray at step " + std::to_string(stepsRun) +
                 " (its final digest differs from the recorded one)";
    }
    if (astray.empty())
        return 0;
    std::fprintf(stderr, "%s: %s: %s\n", program, path.c_str(), astray.c_str());
    return 3;
}

std::optional<Vorn::Replay> RecordDriverGame(const Vorn::Mode::Game* game) {
    return game != nullptr ? game->RecordedReplay() : std::nullopt;
}

bool WriteDriverRecord(const std::string& path, const std::optional<Vorn::Replay>& replay) {
    if (!replay) {
        std::fprintf(stderr, "%s: no replay of the run to write to %s (no game ran)\n", program,
                     path.c_str());
        return false;
    }
    if (Vorn::WriteReplayFile(path, *replay))
        return true;
    std::fprintf(stderr, "%s: cannot write the replay %s: %s\n", program, path.c_str(), std::strerror(errno));
    return false;
}

} // namespace autoplay
