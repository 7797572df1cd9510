// Frames per second over the most recent half second of frame intervals.
#include "shell/FrameRateMeter.h"

namespace Zelt {

float FrameRateMeter::Rate() {
    double sum = 0.0;
    std::size_t count = 0;
    while (count < history.size()) {
        sum += history[count];
        ++count;
        if (sum > window * 1000.0) {
            break;
        }
    }
    history.erase(history.begin() + static_cast<std::ptrdiff_t>(count), history.end());
    if (count == 0) {
        return 1000.0f;
    }
    return static_cast<float>(count * (1000.0 / sum));
}

} // namespace Zelt
