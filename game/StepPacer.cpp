// Counting the steps a frame's time pays for.
#include "game/StepPacer.h"

#include <algorithm>

namespace Vorn {

unsigned StepPacer::StepsDue(std::uint32_t elapsedMs, unsigned speed) {
    owedMs += static_cast<std::uint64_t>(elapsedMs) * speed;
    const std::uint64_t due = owedMs / stepMs;
    if (due > mostStepsPerFrame) {
        owedMs = 0;
        return mostStepsPerFrame;
    }
    owedMs -= due * stepMs;
    return static_cast<unsigned>(due);
}

} // namespace Vorn
