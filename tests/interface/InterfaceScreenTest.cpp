// Through the headless driver: the panels' keys slide the minimap, the main panel and the info box out of
// the picture and back.
#include "platform/PngFile.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace testing_support;

using Colour = std::array<int, 3>;

Colour PixelOf(const platform::RgbaImage& image, int x, int yFromBottom) {
    const int row = image.height - 1 - yFromBottom;
    const std::size_t at = (static_cast<std::size_t>(row) * image.width + x) * 4;
    return {image.pixels[at], image.pixels[at + 1], image.pixels[at + 2]};
}

TEST(InterfaceScreen, EachPanelsKeySlidesItOutAndBack) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs an X display";
    }
    const std::filesystem::path folder = ScratchDir("interface-screen");
    // The game starts after about ten loading frames; each key is pressed once to hide and once to show.
    std::ofstream(folder / "keys.txt") << "30 keydown M\n31 keyup M\n30 keydown H\n31 keyup H\n"
                                          "30 keydown I\n31 keyup I\n"
                                          "70 keydown M\n71 keyup M\n70 keydown H\n71 keyup H\n"
                                          "70 keydown I\n71 keyup I\n";
    const std::string shots[3] = {(folder / "shown.png").string(), (folder / "out.png").string(),
                                  (folder / "back.png").string()};
    const std::string command = "cd '" + SourceDir().string() + "' && '" +
                                (BinDir() / "sector-clash-autoplay").string() + "' --level levels/level0.xml --frames 112" +
                                drawFewFrames + "--input '" +
                                (folder / "keys.txt").string() + "' --shot 28:" + shots[0] +
                                " --shot 68:" + shots[1] + " --shot 111:" + shots[2] + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    platform::RgbaImage images[3];
    for (int index = 0; index < 3; ++index)
        ASSERT_EQ(platform::ReadPng(shots[index], images[index]), "");
    const int width = images[0].width;
    // Inside the minimap's picture of the ground, in the main panel's band right of it, inside the info box.
    const std::pair<int, int> places[] = {{40, 40}, {width / 2, 40}, {width - 100, 81 + 40}};
    for (const auto& [x, y] : places) {
        EXPECT_NE(PixelOf(images[0], x, y), PixelOf(images[1], x, y)) << x << ", " << y;
        EXPECT_EQ(PixelOf(images[0], x, y), PixelOf(images[2], x, y)) << x << ", " << y;
    }
    EXPECT_NE(PixelOf(images[0], 40, 40), (Colour{0, 0, 0})) << "the minimap shows the ground";
    std::filesystem::remove_all(folder);
}

} // namespace
