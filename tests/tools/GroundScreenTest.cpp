// The battlefield on the screen: every shipped level starts on textured ground rather than black, and the
// map's edge reads at a glance, the ground beyond it plainly different.
#include "platform/PngFile.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// Runs the driver from the source tree for `frames` frames and reads the last frame's picture.
platform::RgbaImage ShotOf(const std::string& name, const std::string& arguments, int frames) {
    const fs::path shot = ScratchDir("ground_" + name) / "shot.png";
    const std::string command = "cd '" + SourceDir().string() + "' && '" +
                                (BinDir() / "sector-clash-autoplay").string() + "' --seed 1 --frames " +
                                std::to_string(frames) + " --shot " + std::to_string(frames) + ":" +
                                shot.string() + drawFewFrames + arguments + " 2>&1";
    const CommandResult run = RunCommand(command);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    platform::RgbaImage image;
    EXPECT_EQ(platform::ReadPng(shot.string(), image), "");
    return image;
}

// Brightness over a box of the picture (y down): the mean and how much it varies.
struct Brightness {
    double mean = 0;
    double deviation = 0;
};

Brightness BrightnessOf(const platform::RgbaImage& image, int left, int top, int right, int bottom) {
    double sum = 0;
    double squares = 0;
    int count = 0;
    for (int y = std::max(0, top); y < std::min(bottom, image.height); ++y)
        for (int x = std::max(0, left); x < std::min(right, image.width); ++x) {
            const std::uint8_t* p = &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 4];
            const double value = 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
            sum += value;
            squares += value * value;
            ++count;
        }
    if (count == 0)
        return {};
    const double mean = sum / count;
    return {mean, std::sqrt(std::max(0.0, squares / count - mean * mean))};
}

TEST(GroundScreen, EveryShippedLevelStartsOnTexturedGround) {
    if (!HaveDisplay())
        GTEST_SKIP() << "needs an X display";
    for (const char* level : {"levels/level0.xml", "levels/level1.xml", "levels/level2.xml"}) {
        SCOPED_TRACE(level);
        const platform::RgbaImage image = ShotOf("level", std::string("--level ") + level, 14);
        ASSERT_GT(image.width, 0);
        // The view starts on the player's headquarters, whose sight clears the fog around the centre.
        const int w = image.width;
        const int h = image.height;
        const Brightness map =
            BrightnessOf(image, w / 2 - w / 6, h / 2 - h / 6, w / 2 + w / 6, h / 2 + h / 6);
        EXPECT_GT(map.mean, 40) << "the map around the headquarters is not black";
        EXPECT_GT(map.deviation, 4) << "and not one flat colour";
    }
}

TEST(GroundScreen, TheMapsEdgeReadsAtAGlance) {
    if (!HaveDisplay())
        GTEST_SKIP() << "needs an X display";
    // A map smaller than any screen, nothing on it, the fog cleared: the view centres on the map's centre
    // at one pixel a unit, so the map's left edge lies 512 pixels left of the screen's centre.
    const fs::path level = ScratchDir("ground_edge_level") / "edge.xml";
    std::ofstream(level) << "<level width=\"1024\" height=\"512\" skirmish=\"0\"/>"
                            "<ground texture=\"ground_grass\"/><event name=\"start\"/>";
    const platform::RgbaImage image = ShotOf("edge", "--reveal --level " + level.string(), 14);
    ASSERT_GT(image.width, 0);
    const int centreX = image.width / 2;
    const int centreY = image.height / 2;
    const int edgeX = centreX - 512;
    const Brightness map = BrightnessOf(image, centreX - 400, centreY - 200, centreX + 400, centreY + 200);
    const Brightness beyond = BrightnessOf(image, edgeX - 120, centreY - 200, edgeX - 20, centreY + 200);
    // The line is two pixels wide within a darker rim: its brightest column stands out.
    double edge = 0;
    for (int x = edgeX - 3; x <= edgeX + 3; ++x)
        edge = std::max(edge, BrightnessOf(image, x, centreY - 200, x + 1, centreY + 200).mean);
    EXPECT_GT(map.mean, 40);
    EXPECT_GT(map.deviation, 4) << "the ground is textured";
    EXPECT_LT(beyond.mean, map.mean - 25) << "beyond the edge is plainly darker than the ground";
    EXPECT_GT(edge, map.mean + 40) << "a bright line marks the edge";
}

} // namespace
