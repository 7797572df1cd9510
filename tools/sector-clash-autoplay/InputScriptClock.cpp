// The input devices' clock in a scripted run, moved by the driver's fixed frame interval.
#include "tools/sector-clash-autoplay/InputScriptClock.h"

#include <algorithm>

namespace autoplay {

InputScriptClock::InputScriptClock(std::shared_ptr<FrameTime> frameTime) : time(std::move(frameTime)) {
    std::lock_guard<std::mutex> guard(time->mutex);
    wokenFrame = finishedFrame = time->frame;
    time->clocks.push_back(this);
}

InputScriptClock::~InputScriptClock() {
    std::lock_guard<std::mutex> guard(time->mutex);
    std::erase(time->clocks, this);
    time->changed.notify_all();
}

bool InputScriptClock::CounterFrequency(std::uint64_t& ticksPerSecond) {
    ticksPerSecond = 0;
    return false;
}

std::uint64_t InputScriptClock::Counter() {
    return TickCount();
}

std::uint32_t InputScriptClock::TickCount() {
    std::lock_guard<std::mutex> guard(time->mutex);
    return time->milliseconds;
}

void InputScriptClock::Sleep(std::uint32_t) {
    std::unique_lock<std::mutex> guard(time->mutex);
    // Coming back to sleep means the round of the frame it woke for is done.
    finishedFrame = wokenFrame;
    time->changed.notify_all();
    time->changed.wait(guard, [this] { return interrupted || time->frame > finishedFrame; });
    wokenFrame = time->frame;
}

void InputScriptClock::Interrupt() {
    std::lock_guard<std::mutex> guard(time->mutex);
    interrupted = true;
    time->changed.notify_all();
}

void FrameTime::Advance(std::uint32_t interval) {
    std::unique_lock<std::mutex> guard(mutex);
    milliseconds += interval;
    ++frame;
    changed.notify_all();
    changed.wait(guard, [this] { return AllDevicesCaughtUp(); });
}

std::uint32_t FrameTime::Now() {
    std::lock_guard<std::mutex> guard(mutex);
    return milliseconds;
}

bool FrameTime::AllDevicesCaughtUp() const {
    return std::all_of(clocks.begin(), clocks.end(), [this](const InputScriptClock* clock) {
        return clock->interrupted || clock->finishedFrame == frame;
    });
}

std::shared_ptr<Zelt::C::InputClock> FrameTime::MakeClock() {
    return std::make_shared<InputScriptClock>(shared_from_this());
}

} // namespace autoplay
