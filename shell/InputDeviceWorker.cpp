// The worker thread of an input device that advances its held and idle clocks.
#include "shell/InputDeviceWorker.h"

namespace Zelt::C {

InputDeviceWorker::InputDeviceWorker(std::shared_ptr<InputClock> clockToUse, bool highResolutionRequested,
                                     SleepPeriods periods, Advance advanceClocks)
    : clock(clockToUse ? std::move(clockToUse) : MakeInputClock()), advance(std::move(advanceClocks)) {
    std::uint64_t ticksPerSecond = 0;
    highResolution = highResolutionRequested && clock->CounterFrequency(ticksPerSecond) && ticksPerSecond > 0;
    frequency = highResolution ? ticksPerSecond : 0;
    sleepMs = highResolution ? periods.withCounter : periods.withoutCounter;
    previousCounter = highResolution ? clock->Counter() : 0;
    previousTick = highResolution ? 0 : clock->TickCount();
    thread = std::thread([this] { Run(); });
}

InputDeviceWorker::~InputDeviceWorker() {
    stop = true;
    clock->Interrupt();
    if (thread.joinable()) {
        thread.join();
    }
}

void InputDeviceWorker::Run() {
    while (!stop) {
        clock->Sleep(sleepMs);
        if (stop) {
            break;
        }
        std::uint32_t elapsed = ElapsedMs();
        if (elapsed > 0) {
            advance(elapsed);
        }
    }
}

std::uint32_t InputDeviceWorker::ElapsedMs() {
    if (!highResolution) {
        std::uint32_t now = clock->TickCount();
        std::uint32_t elapsed = now - previousTick;
        previousTick = now;
        return elapsed;
    }
    std::uint64_t ticks = clock->Counter() - previousCounter;
    std::uint64_t milliseconds = ticks * 1000 / frequency;
    // Only whole milliseconds move the reference point; the rest counts in the next round.
    previousCounter += milliseconds * frequency / 1000;
    return static_cast<std::uint32_t>(milliseconds);
}

} // namespace Zelt::C
