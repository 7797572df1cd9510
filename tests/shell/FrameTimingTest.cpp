// Frame timing: intervals, the clamp, the running time, and the frame-rate meter's window.
#include "shell/FrameRateMeter.h"
#include "shell/FrameTimer.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameTimer, TwoFramesAtTheSameReadingGiveOneMillisecond) {
    Zelt::FrameTimer timer;
    timer.Restart(500);
    EXPECT_EQ(timer.BeginFrame(500), 1u);
    EXPECT_EQ(timer.runningTime, 1u);
}

TEST(FrameTimer, LongFrameReachesTheModeClampedButCountsInFull) {
    Zelt::FrameTimer timer;
    timer.Restart(1000);
    EXPECT_EQ(timer.BeginFrame(1250), 250u);
    EXPECT_EQ(timer.ClampedInterval(), 100u);
    EXPECT_EQ(timer.runningTime, 250u);
}

TEST(FrameTimer, ClockWrapGivesTheTrueInterval) {
    Zelt::FrameTimer timer;
    timer.Restart(0xFFFFFFF0u);
    EXPECT_EQ(timer.BeginFrame(0x00000010u), 0x20u);
}

TEST(FrameRateMeter, EmptyHistoryAnswersOneThousand) {
    Zelt::FrameRateMeter meter;
    EXPECT_FLOAT_EQ(meter.Rate(), 1000.0f);
}

TEST(FrameRateMeter, SixteenMillisecondFramesGiveSixtyTwoPointFiveAndKeepThirtyTwoSamples) {
    Zelt::FrameRateMeter meter;
    for (int i = 0; i < 100; ++i) {
        meter.Push(16);
    }
    EXPECT_FLOAT_EQ(meter.Rate(), 62.5f);
    EXPECT_EQ(meter.history.size(), 32u);
}

TEST(FrameRateMeter, ShortHistoryIsKeptWhole) {
    Zelt::FrameRateMeter meter;
    meter.Push(10);
    meter.Push(30);
    EXPECT_FLOAT_EQ(meter.Rate(), 2 * 1000.0f / 40.0f);
    EXPECT_EQ(meter.history.size(), 2u);
}

TEST(FrameRateMeter, NewestSamplesCountFirst) {
    Zelt::FrameRateMeter meter;
    meter.Push(1000); // old and slow
    meter.Push(600);  // newest: crosses the half second on its own
    EXPECT_FLOAT_EQ(meter.Rate(), 1000.0f / 600.0f);
    EXPECT_EQ(meter.history.size(), 1u);
}

} // namespace
