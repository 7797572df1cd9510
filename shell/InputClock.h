// The time source and the sleep of the input devices' worker threads; tests put in a clock they step
// themselves, so held and idle times are exact.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace Zelt::C {

class InputClock {
public:
    virtual ~InputClock() = default;

    // The high-resolution counter's ticks per second; false when the system has no such counter.
    virtual bool CounterFrequency(std::uint64_t& ticksPerSecond) = 0;
    virtual std::uint64_t Counter() = 0;
    // The millisecond clock used without the counter; it wraps at 2^32.
    virtual std::uint32_t TickCount() = 0;
    // Waits about that long, or less once Interrupt was called.
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    // Makes the current and every later Sleep return at once: a stopping device need not wait out a sleep.
    virtual void Interrupt() = 0;
};

// A clock of the system's steady time; each device gets its own, so interrupting one wakes no other.
std::shared_ptr<InputClock> MakeSystemInputClock();

// The clock a device gets when it is given none: the system's, unless a maker is set. The headless
// driver sets one so the devices' clocks follow its fixed frame interval; an empty maker restores the
// system's clock. Set it before the devices are made.
void SetInputClockMaker(std::function<std::shared_ptr<InputClock>()> maker);
std::shared_ptr<InputClock> MakeInputClock();

} // namespace Zelt::C
