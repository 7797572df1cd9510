// What the driver measures of a run: frame and World-step times, start-up time, peak memory, and the
// state digest of the last frame, printed as one JSON line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace autoplay {

class RunStats {
public:
    // After every frame of the program; gameFrame tells whether the game mode ran it.
    void AfterFrame(bool gameFrame);

    std::uint32_t frames = 0;
    std::uint64_t steps = 0;
    // Wall times of the game mode's World steps.
    std::vector<double> tickMs;
    // The digest of the world after the last frame.
    std::string digest;
    // Frames after this much game time are the ones the frame rate counts (the battle has developed).
    unsigned settledGameMs = 10000;
    unsigned gameMs = 0;

    std::string Json() const;

private:
    double startupMs = -1;
    double lastFrameAt = -1;
    // Frame times (ms) of game frames, and whether each came after the battle settled.
    std::vector<double> frameMs;
    std::vector<bool> settled;
};

// Milliseconds since the process started, from the kernel's record of its start.
double MsSinceProcessStart();
// The peak resident memory of the process in megabytes.
double PeakResidentMb();

} // namespace autoplay
