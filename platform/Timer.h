// Millisecond time, the timer period and sleeping; the clock can be replaced so that runs are repeatable.
#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// Milliseconds since the program started, wrapping at 2^32.
std::uint32_t TimeGetTime();
// Replaces the clock TimeGetTime reads (the headless driver's fixed frame interval); empty restores it.
void SetClock(std::function<std::uint32_t()> clock);

struct TimerCapabilities {
    std::uint32_t minimumPeriod = 1;
    std::uint32_t maximumPeriod = 1000000;
};
TimerCapabilities GetTimerCapabilities();
// Raising the timer resolution is a Windows matter; the clock here is always millisecond exact.
void TimeBeginPeriod(std::uint32_t period);
void TimeEndPeriod(std::uint32_t period);

void Sleep(std::uint32_t milliseconds);
// Milliseconds since the machine started, for seeding.
std::uint32_t TickCount();

} // namespace platform
