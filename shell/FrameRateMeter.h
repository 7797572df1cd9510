// Frames per second over the most recent half second of frame intervals.
#pragma once

#include <cstdint>
#include <deque>

namespace Zelt {

class FrameRateMeter {
public:
    // Adds the newest interval at the front.
    void Push(std::uint32_t intervalMs) { history.push_front(intervalMs); }
    // Counts the newest intervals until their sum passes the window, drops the older ones, and answers
    // the rate they give (1000 with no history).
    float Rate();
    void Reset() { history.clear(); }

    float window = 0.5f;
    std::deque<std::uint32_t> history;
};

} // namespace Zelt
