// The headless driver runs the real program and writes screenshots of the window's size.
#include "platform/PngFile.h"
#include "platform/VideoSystem.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace testing_support;

int DriverStatus(const std::string& arguments) {
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
    ASSERT_EQ(DriverStatus("--frames 12 --shot 12:" + shot.string()), 0);
    platform::RgbaImage image;
    ASSERT_EQ(platform::ReadPng(shot.string(), image), "");
    // The shipped configuration asks for a window the size of the desktop.
    platform::ScreenSize desktop = platform::DesktopSize();
    EXPECT_EQ(image.width, desktop.width);
    EXPECT_EQ(image.height, desktop.height);
}

// Pixels of two pictures of one size that differ by more than a step in a channel. The software renderer
// rounds some 64-pixel tiles of the same frame a step apart from one run to the next, whatever was drawn
// before it.
int PixelsApart(const platform::RgbaImage& one, const platform::RgbaImage& other) {
    int apart = 0;
    for (std::size_t at = 0; at + 3 < one.pixels.size(); at += 4) {
        for (std::size_t channel = 0; channel < 3; ++channel) {
            if (std::abs(one.pixels[at + channel] - other.pixels[at + channel]) > 1) {
                ++apart;
                break;
            }
        }
    }
    return apart;
}

// The frames left undrawn still run every draw call, and what the game draws once to keep (the buttons'
// icons at loading, the panel's band copied on the first game frame, the tanks' sprites painted as the
// zoom makes them small) is made in undrawn frames here: a cache made without its pixels shows in the shot.
TEST(Autoplay, FramesLeftUndrawnChangeNeitherTheGameNorTheShot) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs an X display";
    }
    const auto folder = ScratchDir("autoplay_undrawn");
    std::ofstream(folder / "select-and-zoom.txt") << "20 aim 3\n21 press left\n22 release left\n"
                                                     "23 check selected 1\n30 wheel -10\n";
    std::string digests[2];
    platform::RgbaImage shots[2];
    for (int drawEvery : {1, 1000}) {
        const int run = drawEvery == 1 ? 0 : 1;
        const auto shot = folder / ("every-" + std::to_string(drawEvery) + ".png");
        const CommandResult result = RunCommand(
            "cd '" + SourceDir().string() + "' && '" + (BinDir() / "sector-clash-autoplay").string() +
            "' --level levels/level0.xml --seed 5 --frames 60 --stats --input '" +
            (folder / "select-and-zoom.txt").string() + "' --draw-every " + std::to_string(drawEvery) +
            " --shot 60:'" + shot.string() + "' 2>&1");
        ASSERT_EQ(result.exitCode, 0) << result.output;
        digests[run] = DigestIn(result.output);
        ASSERT_EQ(platform::ReadPng(shot.string(), shots[run]), "");
    }
    EXPECT_FALSE(digests[0].empty());
    EXPECT_EQ(digests[1], digests[0]);
    ASSERT_EQ(shots[1].pixels.size(), shots[0].pixels.size());
    EXPECT_EQ(PixelsApart(shots[1], shots[0]), 0) << "a frame drawn after undrawn ones looks as ever";
}

TEST(Autoplay, RefusesUnknownOptions) {
    EXPECT_NE(DriverStatus("--bogus"), 0);
    EXPECT_NE(DriverStatus("--shot nothing"), 0);
    EXPECT_NE(DriverStatus("--skirmish 65537"), 0) << "callsigns cannot tell more tanks apart";
    EXPECT_NE(DriverStatus("--skirmish many"), 0);
}

TEST(Autoplay, FailsWithoutADisplay) {
    std::string command = "cd '" + SourceDir().string() +
                          "' && env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 '" +
                          (BinDir() / "sector-clash-autoplay").string() + "' --frames 2 >/dev/null 2>&1";
    EXPECT_NE(std::system(command.c_str()), 0);
}

} // namespace
