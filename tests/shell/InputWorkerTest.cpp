// The input devices' worker: which clock it reads, how long it sleeps, and that no time is lost.
#include "shell/InputDeviceWorker.h"

#include "tests/shell/InputTestClock.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <thread>

namespace {

using testing_support::SteppedInputClock;
using Zelt::C::InputDeviceWorker;

struct Advances {
    std::atomic<std::uint32_t> total{0};
    std::atomic<std::uint32_t> calls{0};
    InputDeviceWorker::Advance Recorder() {
        return [this](std::uint32_t ms) {
            total += ms;
            ++calls;
        };
    }
};

TEST(InputDeviceWorker, UsesTheCounterWhenAskedAndAvailable) {
    auto clock = std::make_shared<SteppedInputClock>(1'000'000);
    Advances advances;
    InputDeviceWorker worker(clock, true, {10, 25}, advances.Recorder());
    EXPECT_TRUE(worker.HighResolution());
    EXPECT_EQ(worker.Frequency(), 1'000'000u);
    EXPECT_EQ(clock->LastSleepMs(), 10u);
}

TEST(InputDeviceWorker, FallsBackToTheMillisecondClock) {
    auto withoutCounter = std::make_shared<SteppedInputClock>(0);
    Advances first;
    InputDeviceWorker noCounter(withoutCounter, true, {10, 25}, first.Recorder());
    EXPECT_FALSE(noCounter.HighResolution());
    EXPECT_EQ(withoutCounter->LastSleepMs(), 25u);

    auto withCounter = std::make_shared<SteppedInputClock>(1'000'000);
    Advances second;
    InputDeviceWorker notAsked(withCounter, false, {20, 50}, second.Recorder());
    EXPECT_FALSE(notAsked.HighResolution());
    EXPECT_EQ(withCounter->LastSleepMs(), 50u);
}

TEST(InputDeviceWorker, CarriesFractionsOfAMillisecondToTheNextRound) {
    auto clock = std::make_shared<SteppedInputClock>(1'000'000);
    Advances advances;
    InputDeviceWorker worker(clock, true, {10, 25}, advances.Recorder());
    // Three rounds of 10.4 ms are 31.2 ms: 31 whole milliseconds, not 3 x 10.
    for (int round = 0; round < 3; ++round) {
        clock->Step(10'400);
    }
    EXPECT_EQ(advances.total.load(), 31u);
}

TEST(InputDeviceWorker, MillisecondClockSurvivesItsWrap) {
    auto clock = std::make_shared<SteppedInputClock>(0, 0xFFFFFFF0u);
    Advances advances;
    InputDeviceWorker worker(clock, true, {10, 25}, advances.Recorder());
    clock->StepMs(25);
    clock->StepMs(25);
    EXPECT_EQ(advances.total.load(), 50u);
}

TEST(InputDeviceWorker, ARoundWithoutAWholeMillisecondAdvancesNothing) {
    auto clock = std::make_shared<SteppedInputClock>(1'000'000);
    Advances advances;
    InputDeviceWorker worker(clock, true, {10, 25}, advances.Recorder());
    clock->Step(400);
    EXPECT_EQ(advances.calls.load(), 0u);
    clock->Step(700);
    EXPECT_EQ(advances.total.load(), 1u);
}

TEST(InputDeviceWorker, StopsPromptlyWithTheSystemClock) {
    // The worker sleeps ten minutes a round, so only the clock's interruption can end its sleep in time.
    // The stop runs on a thread of its own: a worker that waits out its sleep fails this test rather than
    // hanging the suite.
    auto advances = std::make_shared<Advances>();
    auto stopped = std::make_shared<std::promise<void>>();
    std::future<void> done = stopped->get_future();
    std::thread([advances, stopped] {
        {
            InputDeviceWorker worker(nullptr, false, {600'000, 600'000}, advances->Recorder());
            // Long enough for the worker to be inside its sleep when the stop comes.
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        stopped->set_value();
    }).detach();
    EXPECT_EQ(done.wait_for(std::chrono::seconds(60)), std::future_status::ready)
        << "the worker waited out its sleep instead of being interrupted";
    EXPECT_EQ(advances->calls.load(), 0u);
}

} // namespace
