// A clock for the input devices' worker threads that only moves when the test says so, so held and idle
// times are exact and no test depends on the machine's speed.
#pragma once

#include "shell/InputClock.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace testing_support {

class SteppedInputClock : public Zelt::C::InputClock {
public:
    // ticksPerSecond 0 means no high-resolution counter: the worker then reads the millisecond clock.
    // The millisecond clock starts at startTickMs (near 2^32 to cross its wrap).
    explicit SteppedInputClock(std::uint64_t ticksPerSecond = 1'000'000, std::uint32_t startTickMs = 0)
        : frequency(ticksPerSecond), tickCountMs(startTickMs) {}

    bool CounterFrequency(std::uint64_t& ticksPerSecond) override {
        ticksPerSecond = frequency;
        return frequency != 0;
    }
    std::uint64_t Counter() override {
        std::lock_guard<std::mutex> guard(mutex);
        return ticks;
    }
    std::uint32_t TickCount() override {
        std::lock_guard<std::mutex> guard(mutex);
        return static_cast<std::uint32_t>(tickCountMs);
    }

    // The worker sleeps until the test lets one round run; running freely, every sleep returns at once
    // and moves time by the free step.
    void Sleep(std::uint32_t milliseconds) override {
        std::unique_lock<std::mutex> guard(mutex);
        lastSleepMs = milliseconds;
        ++sleepsEntered;
        changed.notify_all();
        if (interrupted) {
            return;
        }
        if (runningFreely) {
            Advance(freeStepTicks);
            ++roundsGranted;
            return;
        }
        changed.wait(guard, [this] { return interrupted || roundsGranted >= sleepsEntered; });
    }
    void Interrupt() override {
        std::lock_guard<std::mutex> guard(mutex);
        interrupted = true;
        changed.notify_all();
    }

    // Lets the worker run exactly one round in which time moves by the given ticks (milliseconds without
    // a counter), and returns once the worker has finished it.
    void Step(std::uint64_t elapsed) {
        std::unique_lock<std::mutex> guard(mutex);
        changed.wait(guard, [this] { return interrupted || sleepsEntered > roundsGranted; });
        Advance(elapsed);
        ++roundsGranted;
        changed.notify_all();
        changed.wait(guard, [this] { return interrupted || sleepsEntered > roundsGranted; });
    }
    void StepMs(std::uint32_t milliseconds) {
        Step(frequency == 0 ? milliseconds : milliseconds * frequency / 1000);
    }

    // Every sleep returns at once and moves time by the step: the worker spins as fast as it can.
    void RunFreely(std::uint64_t stepTicks) {
        std::lock_guard<std::mutex> guard(mutex);
        runningFreely = true;
        freeStepTicks = stepTicks;
        if (sleepsEntered > roundsGranted) {
            Advance(stepTicks);
            roundsGranted = sleepsEntered;
        }
        changed.notify_all();
    }
    // Ends free running; returns once the worker waits in a sleep, so the device's clocks stand still.
    void Hold() {
        std::unique_lock<std::mutex> guard(mutex);
        runningFreely = false;
        changed.wait(guard, [this] { return interrupted || sleepsEntered > roundsGranted; });
    }

    // Every round the worker finished or is in, and the time that passed.
    std::uint64_t Rounds() {
        std::lock_guard<std::mutex> guard(mutex);
        return roundsGranted;
    }
    std::uint64_t ElapsedTicks() {
        std::lock_guard<std::mutex> guard(mutex);
        return ticks;
    }
    std::uint32_t LastSleepMs() {
        std::unique_lock<std::mutex> guard(mutex);
        changed.wait(guard, [this] { return sleepsEntered > 0; });
        return lastSleepMs;
    }

private:
    void Advance(std::uint64_t elapsed) {
        ticks += elapsed;
        tickCountMs += frequency == 0 ? elapsed : elapsed * 1000 / frequency;
    }

    const std::uint64_t frequency;
    std::mutex mutex;
    std::condition_variable changed;
    std::uint64_t ticks = 0;
    std::uint64_t tickCountMs;
    std::uint64_t sleepsEntered = 0;
    std::uint64_t roundsGranted = 0;
    std::uint64_t freeStepTicks = 0;
    std::uint32_t lastSleepMs = 0;
    bool runningFreely = false;
    bool interrupted = false;
};

} // namespace testing_support
