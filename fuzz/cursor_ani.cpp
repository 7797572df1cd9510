// Fuzz target: the animated cursor reader on arbitrary bytes must refuse or give steps naming real frames.
#include "platform/CursorFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::CursorAnimation animation;
    if (platform::ParseAnimatedCursor({data, size}, animation).empty()) {
        for (const auto& step : animation.steps) {
            if (step.frame < 0 || static_cast<std::size_t>(step.frame) >= animation.frames.size() ||
                step.milliseconds <= 0) {
                std::abort();
            }
        }
    }
    return 0;
}
