// Fixed steps from uneven frames: the time of every frame is paid out in whole steps of one length, the
// rest carried to the next frame, and a stall costs a bounded burst instead of a spiral.
#include "game/StepPacer.h"

#include <gtest/gtest.h>

using Vorn::StepPacer;

TEST(StepPacer, FramesOfTheStepsLengthRunOneStepEach) {
    StepPacer pacer(50);
    for (int frame = 0; frame < 100; ++frame)
        ASSERT_EQ(pacer.StepsDue(50, 1), 1u) << "frame " << frame;
}

TEST(StepPacer, UnevenFramesCarryTheirRestSoNoTimeIsLost) {
    StepPacer pacer(16);
    unsigned steps = 0;
    // Sixty frames of a 60 Hz display (16 or 17 ms): one second gives 62 steps of 16 ms, 992 ms of it.
    for (int frame = 0; frame < 60; ++frame)
        steps += pacer.StepsDue(frame % 3 == 0 ? 16 : 17, 1);
    EXPECT_EQ(steps, (20 * 16 + 40 * 17) / 16);
    EXPECT_EQ(pacer.StepsDue(7, 1), 0u) << "the 8 ms carried and these 7 make no step yet";
    EXPECT_EQ(pacer.StepsDue(1, 1), 1u);
}

TEST(StepPacer, SpeedMultipliesTheTimeAndAStallIsCutToABurst) {
    StepPacer pacer(16);
    EXPECT_EQ(pacer.StepsDue(16, 8), 8u);
    EXPECT_EQ(pacer.StepsDue(100, 8), 50u);
    EXPECT_EQ(pacer.StepsDue(100000, 1), StepPacer::mostStepsPerFrame);
    EXPECT_EQ(pacer.StepsDue(16, 1), 1u) << "what the stall owed beyond the burst is forgotten";
}
