// The frame clock: the interval of each frame, the running time, and the clamp that keeps one slow
// frame from moving the game by more than a tenth of a second.
#pragma once

#include <algorithm>
#include <cstdint>

namespace Zelt {

struct FrameTimer {
    static constexpr std::uint32_t maximumStep = 100;

    // Starts a frame at `now`: the interval since the last frame (unsigned, so a wrap of the clock is
    // harmless; 0 counts as 1) becomes the frame interval and is added to the running time.
    std::uint32_t BeginFrame(std::uint32_t now) {
        std::uint32_t interval = now - lastFrameTime;
        if (interval == 0) {
            interval = 1;
        }
        frameInterval = interval;
        runningTime += interval;
        return interval;
    }
    // The next interval is measured from here.
    void Restart(std::uint32_t now) { lastFrameTime = now; }
    // What the mode is given: the interval, at most maximumStep.
    std::uint32_t ClampedInterval() const { return std::min(frameInterval, maximumStep); }

    std::uint32_t lastFrameTime = 0;
    std::uint32_t frameInterval = 0;
    std::uint32_t runningTime = 0;
};

} // namespace Zelt
