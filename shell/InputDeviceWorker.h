// The worker thread of an input device: it wakes every few milliseconds and hands the elapsed time to
// the device, which adds it to the held or idle clock of every button or key.
#pragma once

#include "shell/InputClock.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <thread>

namespace Zelt::C {

class InputDeviceWorker {
public:
    struct SleepPeriods {
        std::uint32_t withCounter = 10;
        std::uint32_t withoutCounter = 25;
    };
    // Called on the worker thread with the whole milliseconds since the previous call; the device takes
    // its own lock inside.
    using Advance = std::function<void(std::uint32_t elapsedMs)>;

    // Uses the high-resolution counter when asked for and the clock has one. Starts the thread at once,
    // so the device must be ready for Advance before it constructs its worker.
    InputDeviceWorker(std::shared_ptr<InputClock> clock, bool highResolutionRequested, SleepPeriods periods,
                      Advance advance);
    // Stops the thread and waits for it.
    ~InputDeviceWorker();
    InputDeviceWorker(const InputDeviceWorker&) = delete;
    InputDeviceWorker& operator=(const InputDeviceWorker&) = delete;

    bool HighResolution() const { return highResolution; }
    std::uint64_t Frequency() const { return frequency; }

private:
    void Run();
    // Milliseconds since the previous reading. Fractions of a millisecond are carried to the next
    // round, so held times do not fall behind the real time by a rounding loss every few milliseconds.
    std::uint32_t ElapsedMs();

    std::shared_ptr<InputClock> clock;
    bool highResolution = false;
    std::uint64_t frequency = 0;
    std::uint32_t sleepMs = 0;
    Advance advance;
    std::uint64_t previousCounter = 0;
    std::uint32_t previousTick = 0;
    std::atomic<bool> stop{false};
    std::thread thread;
};

// Passing this as the count of a take operation takes everything there is.
inline constexpr std::uint32_t takeAll = std::numeric_limits<std::uint32_t>::max();

// The take rule both devices share for presses and clocks: n = 0 answers the counter without touching
// it; otherwise up to n is taken off the counter and answered.
inline std::uint32_t TakeUpTo(std::uint32_t& counter, std::uint32_t n) {
    if (n == 0) {
        return counter;
    }
    std::uint32_t taken = n < counter ? n : counter;
    counter -= taken;
    return taken;
}

} // namespace Zelt::C
