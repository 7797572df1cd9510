// Following a replay as the game plays it.
#include "game/ReplayPlayback.h"

#include <algorithm>
#include <array>

namespace Vorn {

unsigned SpeedFactor(ReplaySpeed speed) {
    constexpr std::array<unsigned, replaySpeedCount> factors = {1, 2, 4, 8, 0};
    return factors.at(static_cast<std::size_t>(speed));
}

// Only the seconds added since the last call are compared, so a long replay costs the same per second.
std::optional<std::uint32_t> ReplayPlayback::NewDivergence(const std::vector<SecondDigest>& played) {
    if (divergence)
        return std::nullopt;
    for (; secondsChecked < played.size(); ++secondsChecked) {
        const SecondDigest& now = played[secondsChecked];
        if (secondsChecked >= replay->seconds.size()) {
            // The recorded game had no more seconds: a longer trail is a game that went on differently.
            return now.step;
        }
        const SecondDigest& then = replay->seconds[secondsChecked];
        if (now != then)
            return std::min(now.step, then.step);
    }
    return std::nullopt;
}

bool ReplayPlayback::MarkAstray(std::uint32_t step) {
    if (divergence)
        return false;
    divergence = step;
    return true;
}

void ReplayPlayback::Rewind() {
    secondsChecked = 0;
    divergence.reset();
}

} // namespace Vorn
