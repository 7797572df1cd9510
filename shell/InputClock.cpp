// The system's time source and sleep for the input devices' worker threads.
#include "shell/InputClock.h"

#include "platform/Timer.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace Zelt::C {

namespace {

class SystemInputClock : public InputClock {
public:
    bool CounterFrequency(std::uint64_t& ticksPerSecond) override {
        ticksPerSecond = 1'000'000'000;
        return true;
    }
    std::uint64_t Counter() override {
        auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
    }
    std::uint32_t TickCount() override { return platform::TickCount(); }
    void Sleep(std::uint32_t milliseconds) override {
        std::unique_lock<std::mutex> guard(mutex);
        woken.wait_for(guard, std::chrono::milliseconds(milliseconds), [this] { return interrupted; });
    }
    void Interrupt() override {
        {
            std::lock_guard<std::mutex> guard(mutex);
            interrupted = true;
        }
        woken.notify_all();
    }

private:
    std::mutex mutex;
    std::condition_variable woken;
    bool interrupted = false;
};

// The maker the headless driver sets; empty for the game.
std::function<std::shared_ptr<InputClock>()> inputClockMaker;

} // namespace

std::shared_ptr<InputClock> MakeSystemInputClock() {
    return std::make_shared<SystemInputClock>();
}

void SetInputClockMaker(std::function<std::shared_ptr<InputClock>()> maker) {
    inputClockMaker = std::move(maker);
}

std::shared_ptr<InputClock> MakeInputClock() {
    return inputClockMaker ? inputClockMaker() : MakeSystemInputClock();
}

} // namespace Zelt::C
