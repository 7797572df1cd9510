// Keeping the cursor in the game's area: the first display of several is not the whole desktop.
#include "platform/CursorClip.h"
#include "platform/VideoSystem.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using platform::CoversDesktop;
using platform::Rect;

TEST(CursorClip, TheFirstOfTwoDisplaysIsNotTheWholeDesktop) {
    const Rect firstDisplay{0, 0, 1920, 1080};
    EXPECT_FALSE(CoversDesktop(firstDisplay, {0, 0, 3840, 1080}));      // a second display to the right
    EXPECT_FALSE(CoversDesktop(firstDisplay, {-1280, 0, 1920, 1080}));  // one to the left
    EXPECT_FALSE(CoversDesktop(firstDisplay, {0, -1024, 1920, 1080}));  // one above
    EXPECT_TRUE(CoversDesktop(firstDisplay, firstDisplay));
    EXPECT_TRUE(CoversDesktop({-1280, 0, 1920, 1080}, {-1280, 0, 1920, 1080}));
}

TEST(CursorClip, UnconfinedTheCursorMayRoamTheWholeDesktop) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs an X display";
    }
    ASSERT_TRUE(platform::ClipCursor(platform::DesktopRect()));
    Rect rect;
    ASSERT_TRUE(platform::GetClipCursor(rect));
    const Rect desktop = platform::DesktopRect();
    EXPECT_EQ(rect.left, desktop.left);
    EXPECT_EQ(rect.right, desktop.right);
    EXPECT_EQ(rect.bottom, desktop.bottom);
    // One display: the desktop is that display.
    const platform::ScreenSize size = platform::DesktopSize();
    EXPECT_EQ(desktop.right - desktop.left, size.width);
    EXPECT_EQ(desktop.bottom - desktop.top, size.height);
    ASSERT_TRUE(platform::ClipCursor({0, 0, 10, 10}));
    ASSERT_TRUE(platform::GetClipCursor(rect));
    EXPECT_EQ(rect.right, 10);
    platform::ClipCursor(desktop);
}

} // namespace
