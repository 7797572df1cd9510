// The display mode: what a request marks, and restoring only what was changed.
#include "shell/DisplayMode.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayMode, ZeroDepthAndRateMarkOnlyTheSize) {
    platform::DisplaySettings settings = Zelt::DisplayMode::Request(1024, 768, 0, 0);
    EXPECT_EQ(settings.fields, platform::DM_PELSWIDTH | platform::DM_PELSHEIGHT);
    EXPECT_EQ(settings.width, 1024);
    EXPECT_EQ(settings.height, 768);
}

TEST(DisplayMode, DepthAndRateAreMarkedWhenGiven) {
    platform::DisplaySettings settings = Zelt::DisplayMode::Request(800, 600, 32, 60);
    EXPECT_EQ(settings.fields, platform::DM_PELSWIDTH | platform::DM_PELSHEIGHT | platform::DM_BITSPERPEL |
                                   platform::DM_DISPLAYFREQUENCY);
    EXPECT_EQ(settings.bitsPerPixel, 32);
    EXPECT_EQ(settings.frequency, 60);
}

TEST(DisplayMode, RestoreWithoutAChangeDoesNothing) {
    Zelt::DisplayMode mode;
    EXPECT_FALSE(mode.Restore());
    EXPECT_FALSE(mode.changed);
}

TEST(DisplayMode, TwoRestoresSwitchBackOnce) {
    Zelt::DisplayMode mode;
    mode.changed = true;
    mode.Restore();
    EXPECT_FALSE(mode.changed);
    EXPECT_FALSE(mode.Restore());
}

} // namespace
