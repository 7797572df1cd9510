// The input devices' clock in a scripted run: it follows the driver's fixed frame interval, and each
// frame waits until every device has added that interval to its held and idle clocks, so a key held
// for a number of frames is held for exactly that many intervals, however fast the machine is.
#pragma once

#include "shell/InputClock.h"

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace autoplay {

class FrameTime;

// One device's clock; all of them read the same frame time.
class InputScriptClock : public Zelt::C::InputClock {
public:
    explicit InputScriptClock(std::shared_ptr<FrameTime> time);
    ~InputScriptClock() override;

    // No high-resolution counter: the devices read the millisecond clock.
    bool CounterFrequency(std::uint64_t& ticksPerSecond) override;
    std::uint64_t Counter() override;
    std::uint32_t TickCount() override;
    // Returns when the next frame has moved the time (or the device stops).
    void Sleep(std::uint32_t milliseconds) override;
    void Interrupt() override;

private:
    friend class FrameTime;
    std::shared_ptr<FrameTime> time;
    // The frame the device last woke for, and the last one whose round it has finished.
    std::uint64_t wokenFrame = 0;
    std::uint64_t finishedFrame = 0;
    bool interrupted = false;
};

// The time of the run, moved once per frame.
class FrameTime : public std::enable_shared_from_this<FrameTime> {
public:
    // Moves the time by the interval and returns once every device has counted it.
    void Advance(std::uint32_t milliseconds);
    // The time of the run: the program's frame clock reads it too.
    std::uint32_t Now();
    // The clock for a device made from now on (for SetInputClockMaker).
    std::shared_ptr<Zelt::C::InputClock> MakeClock();

private:
    friend class InputScriptClock;
    bool AllDevicesCaughtUp() const;

    std::mutex mutex;
    std::condition_variable changed;
    std::uint32_t milliseconds = 0;
    std::uint64_t frame = 0;
    std::vector<InputScriptClock*> clocks;
};

} // namespace autoplay
