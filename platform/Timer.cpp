// Millisecond time, the timer period and sleeping.
#include "platform/Timer.h"

#include <chrono>
#include <thread>
#include <time.h>

namespace platform {

namespace {

const auto programStart = std::chrono::steady_clock::now();
std::function<std::uint32_t()> replacementClock;

} // namespace

std::uint32_t TimeGetTime() {
    if (replacementClock) {
        return replacementClock();
    }
    auto elapsed = std::chrono::steady_clock::now() - programStart;
    return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void SetClock(std::function<std::uint32_t()> clock) {
    replacementClock = std::move(clock);
}

TimerCapabilities GetTimerCapabilities() {
    return {};
}
void TimeBeginPeriod(std::uint32_t) {}
void TimeEndPeriod(std::uint32_t) {}

void Sleep(std::uint32_t milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::uint32_t TickCount() {
    // A replaced clock makes runs repeatable, the random seed included.
    if (replacementClock) {
        return replacementClock();
    }
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u + now.tv_nsec / 1000000);
}

} // namespace platform
