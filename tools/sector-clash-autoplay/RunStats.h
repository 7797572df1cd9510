// What the driver measures of a run: frame and World-step times, start-up time, peak memory, and the
// state digest of the last frame, printed as one JSON line.
#pragma once

#include "shell/DurationQuantiles.h"

#include <cstdint>
#include <string>

namespace autoplay {

class RunStats {
public:
    // After every frame of the program; gameFrame tells whether the game mode ran it.
    void AfterFrame(bool gameFrame);

    std::uint32_t frames = 0;
    std::uint64_t steps = 0;
    // Wall times of the game mode's World steps, in fixed memory however long the run.
    Zelt::DurationQuantiles tickMs;
    // The digest of the world after the last frame.
    std::string digest;
    // Frames after this much game time are the ones the frame rate counts (the battle has developed).
    unsigned settledGameMs = 10000;
    unsigned gameMs = 0;
    // The last game frame's time; negative until there are two game frames.
    double lastFrameMs = -1;

    std::string Json() const;

private:
    double startupMs = -1;
    double lastFrameAt = -1;
    // Frame times (ms) of game frames; the sum and count of all of them and of those after the battle
    // settled, for the frame rate.
    Zelt::DurationQuantiles frameMs;
    double allMs = 0;
    double settledMs = 0;
    std::uint64_t settledFrames = 0;
};

// Milliseconds since the process started, from the kernel's record of its start.
double MsSinceProcessStart();
// The peak resident memory of the process in megabytes.
double PeakResidentMb();

} // namespace autoplay
