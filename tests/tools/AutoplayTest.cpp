// The headless driver runs the real program and writes screenshots of the window's size.
#include "platform/PngFile.h"
#include "platform/VideoSystem.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using namespace testing_support;

int RunDriver(const std::string& arguments) {
    std::string command = "cd '" + SourceDir().string() + "' && '" +
                          (BinDir() / "sector-clash-autoplay").string() + "' " + arguments +
                          " >/dev/null 2>&1";
    return std::system(command.c_str());
}

TEST(Autoplay, WritesAScreenshotOfTheWindowSize) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs an X display";
    }
    auto shot = ScratchDir("autoplay") / "frame.png";
    ASSERT_EQ(RunDriver("--frames 12 --shot 12:" + shot.string()), 0);
    platform::RgbaImage image;
    ASSERT_EQ(platform::ReadPng(shot.string(), image), "");
    // The shipped configuration asks for a window the size of the desktop.
    platform::ScreenSize desktop = platform::DesktopSize();
    EXPECT_EQ(image.width, desktop.width);
    EXPECT_EQ(image.height, desktop.height);
}

TEST(Autoplay, RefusesUnknownOptions) {
    EXPECT_NE(RunDriver("--bogus"), 0);
    EXPECT_NE(RunDriver("--shot nothing"), 0);
    EXPECT_NE(RunDriver("--skirmish 65537"), 0) << "callsigns cannot tell more tanks apart";
    EXPECT_NE(RunDriver("--skirmish many"), 0);
}

TEST(Autoplay, FailsWithoutADisplay) {
    std::string command = "cd '" + SourceDir().string() +
                          "' && env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 '" +
                          (BinDir() / "sector-clash-autoplay").string() + "' --frames 2 >/dev/null 2>&1";
    EXPECT_NE(std::system(command.c_str()), 0);
}

} // namespace
