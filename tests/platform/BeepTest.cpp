// Beeps queue behind each other without holding up the frame, and never pile up without end.
#include "platform/Beep.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(Beep, AFloodOfBeepsKeepsOnlyAFewQueued) {
    // The dummy driver plays into nothing at the pace of a real device, so the test makes no sound.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::Beep(1000, 1);
    for (int step = 0; step < 200; ++step) {
        platform::Beep(1000, 200);
        platform::Beep(40, 50);
    }
    const int queued = platform::QueuedBeepMs();
    if (queued == 0) {
        GTEST_SKIP() << "no audio device, not even the dummy one";
    }
    EXPECT_LE(queued, platform::maxQueuedBeepMs);
}

} // namespace
