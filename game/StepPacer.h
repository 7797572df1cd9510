// Turns the frames' real time into world steps of one fixed length, so that a game in the window is the
// same game, step for step, as its replay: the frames come as they come, the steps always alike.
//
//   StepPacer pacer(16);
//   for (unsigned due = pacer.StepsDue(elapsedMs, 1); due > 0; --due) StepSimulation(..., pacer.StepMs());
#pragma once

#include <cstdint>

namespace Vorn {

class StepPacer {
public:
    // A frame runs at most this many steps. What a stall owes beyond them is forgotten: the game slows
    // down for a moment instead of spending ever longer frames catching up (8x at 16 ms steps and the
    // longest frame, 100 ms, stays within it).
    static constexpr unsigned mostStepsPerFrame = 64;

    explicit StepPacer(std::uint32_t stepMs) : stepMs(stepMs == 0 ? 1 : stepMs) {}

    // Adds a frame's real time, `speed` times over, and answers how many whole steps are due now; the
    // rest of the time waits for the next frame.
    unsigned StepsDue(std::uint32_t elapsedMs, unsigned speed);
    std::uint32_t StepMs() const { return stepMs; }

private:
    std::uint32_t stepMs;
    std::uint64_t owedMs = 0;
};

} // namespace Vorn
