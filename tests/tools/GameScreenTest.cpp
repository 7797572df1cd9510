// The game through the headless driver: a seeded run is the simulator's run on every level, the outcome of a
// finished level is the simulator's and is drawn over the map, a game that cannot start says why and ends,
// the skirmish is on screen, the view scrolls, and a pause holds both the battle and the picture.
#include "platform/PngFile.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string last;
};

// Runs a program of the build from the source tree (or the given folder), stdout captured, stderr
// appended to it.
ProgramRun RunProgram(const std::string& program, const std::string& arguments,
                      const fs::path& folder = SourceDir()) {
    const std::string command =
        "cd '" + folder.string() + "' && '" + (BinDir() / program).string() + "' " + arguments + " 2>&1";
    const testing_support::CommandResult result = testing_support::RunCommand(command);
    ProgramRun run;
    run.status = result.exitCode;
    run.out = result.output;
    std::string text = run.out;
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    run.last = text.substr(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
    return run;
}

fs::path WriteFile(const fs::path& folder, const std::string& name, const std::string& text) {
    std::ofstream(folder / name) << text;
    return folder / name;
}

const char* const emptyLevel = "<level width=\"8192\" height=\"6144\"/>";

// The player's base, and a win once the level clock reaches 480 ms: the 31st step of 16 ms.
const char* const quickWin =
    "<level width=\"8192\" height=\"6144\"/>"
    "<event name=\"start\"><new><building type=\"base\" color=\"Blue\" x=\"300\"/></new>"
    "<request event=\"win\" when=\"time\" value=\"480\"/></event>"
    "<event name=\"win\"><quit status=\"true\"/></event>";

platform::RgbaImage ReadShot(const fs::path& path) {
    platform::RgbaImage image;
    EXPECT_EQ(platform::ReadPng(path.string(), image), "") << path;
    return image;
}

const std::uint8_t* Pixel(const platform::RgbaImage& image, int x, int y) {
    return &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 4];
}

// Pixels of the map area (below the overlay lines, above the panel band) that differ from the area's most
// common colour.
int MapPixelsOffBackground(const platform::RgbaImage& image) {
    const int top = 120;
    const int bottom = image.height - 90;
    std::map<std::uint32_t, int> counts;
    const auto key = [](const std::uint8_t* p) { return std::uint32_t(p[0]) << 16 | p[1] << 8 | p[2]; };
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width; ++x)
            ++counts[key(Pixel(image, x, y))];
    std::uint32_t background = 0;
    int most = 0;
    for (const auto& [colour, count] : counts)
        if (count > most) {
            background = colour;
            most = count;
        }
    int total = 0;
    for (const auto& [colour, count] : counts)
        total += colour == background ? 0 : count;
    return total;
}

// White pixels in one column: the outcome box's left edge.
int WhiteInColumn(const platform::RgbaImage& image, int x) {
    int white = 0;
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* p = Pixel(image, x, y);
        white += p[0] > 240 && p[1] > 240 && p[2] > 240 ? 1 : 0;
    }
    return white;
}

} // namespace

// A larger skirmish, for measuring the drawing, is the simulator's skirmish of the same size.
TEST(GameScreen, ASkirmishOfAnySizeIsTheSimulatorsToo) {
    if (!HaveDisplay())
        GTEST_SKIP() << "needs an X display";
    const ProgramRun game =
        RunProgram("sector-clash-autoplay",
                   "--level levels/level0.xml --seed 11 --frames 30 --skirmish 600 --stats" + drawFewFrames);
    ASSERT_EQ(game.status, 0) << game.out;
    const std::string steps = FirstJsonMember(game.last, "steps");
    const ProgramRun larger =
        RunProgram("sector-clash-simulate",
                   "data/levels/level0.xml --skirmish 600 --seed 11 --step 16 --steps " + steps);
    const ProgramRun usual = RunProgram(
        "sector-clash-simulate", "data/levels/level0.xml --skirmish --seed 11 --step 16 --steps " + steps);
    EXPECT_EQ(FirstJsonMember(game.last, "digest"), FirstJsonMember(larger.last, "digest"));
    EXPECT_NE(FirstJsonMember(game.last, "digest"), FirstJsonMember(usual.last, "digest"));
}

TEST(GameScreen, ASeededRunIsTheSimulatorsRunWhateverIsDrawn) {
    if (!HaveDisplay())
        GTEST_SKIP() << "needs an X display";
    const ProgramRun plain =
        RunProgram("sector-clash-autoplay", "--level data/levels/level0.xml --seed 11 --frames 70 --stats");
    ASSERT_EQ(plain.status, 0) << plain.out;
    const std::string steps = FirstJsonMember(plain.last, "steps");
    ASSERT_EQ(steps, "60") << "ten loading frames, then one World step a frame";
    const ProgramRun simulated = RunProgram(
        "sector-clash-simulate", "data/levels/level0.xml --skirmish --seed 11 --step 16 --steps " + steps);
    ASSERT_EQ(simulated.status, 0) << simulated.out;
    EXPECT_EQ(FirstJsonMember(plain.last, "digest"), FirstJsonMember(simulated.last, "digest"));
    // Drawing the whole map, zoomed out, takes no random numbers and changes nothing either.
    const fs::path folder = ScratchDir("seeded");
    WriteFile(folder, "zoom.txt", "12 wheel -10\n");
    const ProgramRun drawnMore =
        RunProgram("sector-clash-autoplay", "--level data/levels/level0.xml --seed 11 --frames 70 "
                                            "--stats --reveal --input " +
                                                (folder / "zoom.txt").string());
    EXPECT_EQ(FirstJsonMember(drawnMore.last, "digest"), FirstJsonMember(simulated.last, "digest"));
    const ProgramRun otherSeed =
        RunProgram("sector-clash-autoplay", "--level data/levels/level0.xml --seed 12 --frames 70 --stats" + drawFewFrames);
    EXPECT_NE(FirstJsonMember(otherSeed.last, "digest"), FirstJsonMember(plain.last, "digest"));
    for (const char* member : {"frames", "fps", "frame_ms", "tick_ms", "startup_ms", "rss_mb"})
        EXPECT_NE(FirstJsonMember(plain.last, member), "") << member;
}

// Whatever the interface shows takes no number from the simulation's random sequence. On the small map the
// skirmish's Green tanks stand around a Red outpost and fight from the first second, so a number taken
// anywhere shows in the digest.
TEST(GameScreen, EveryShippedLevelAndASmallMapPlayAsInTheSimulator) {
    if (!HaveDisplay())
        GTEST_SKIP() << "needs an X display";
    const fs::path folder = ScratchDir("agreement");
    const std::string small =
        WriteFile(folder, "small.xml",
                  "<level width=\"2000\" height=\"2000\"/><event name=\"start\"><new>"
                  "<building type=\"outpost\" color=\"Red\" x=\"-600\" y=\"0\"/></new></event>")
            .string();
    for (const std::string& level :
         {std::string("data/levels/level0.xml"), std::string("data/levels/level1.xml"),
          std::string("data/levels/level2.xml"), small}) {
        const ProgramRun game =
            RunProgram("sector-clash-autoplay", "--level " + level + " --seed 7 --frames 100 --stats" + drawFewFrames);
        ASSERT_EQ(game.status, 0) << game.out;
        const ProgramRun simulated =
            RunProgram("sector-clash-simulate",
                       level + " --skirmish --seed 7 --step 16 --steps " + FirstJsonMember(game.last, "steps"));
        ASSERT_EQ(simulated.status, 0) << simulated.out;
        EXPECT_EQ(FirstJsonMember(game.last, "digest"), FirstJsonMember(simulated.last, "digest")) << level;
    }
}

TEST(GameScreen, AFinishedLevelStopsShowsItsOutcomeAndPlaysAgainOnEnter) {
    if (!HaveDisplay())
        GTEST_SKIP() << "needs an X display";
    const fs::path folder = ScratchDir("outcome");
    const std::string level = WriteFile(folder, "win.xml", quickWin).string();
    const std::string before = (folder / "before.png").string();
    const std::string after = (folder / "after.png").string();
    const ProgramRun game = RunProgram(
        "sector-clash-autoplay",
        "--level " + level + " --seed 2 --frames 90 --stats" + drawFewFrames + "--shot 35:" + before +
            " --shot 90:" + after);
    ASSERT_EQ(game.status, 0) << game.out;
    const ProgramRun simulated =
        RunProgram("sector-clash-simulate", level + " --skirmish --seed 2 --step 16 --steps 1000");
    EXPECT_EQ(FirstJsonMember(simulated.last, "won"), "true");
    EXPECT_EQ(FirstJsonMember(simulated.last, "steps"), "31");
    // The world stopped where the simulator's level ended, in the same state.
    EXPECT_EQ(FirstJsonMember(game.last, "steps"), "31");
    EXPECT_EQ(FirstJsonMember(game.last, "digest"), FirstJsonMember(simulated.last, "digest"));
    // The outcome box is drawn over the map once the level has finished, and not before.
    const platform::RgbaImage shotBefore = ReadShot(before);
    const platform::RgbaImage shotAfter = ReadShot(after);
    const int boxLeft = (shotAfter.width - 520) / 2;
    EXPECT_GT(WhiteInColumn(shotAfter, boxLeft), 150);
    EXPECT_LT(WhiteInColumn(shotBefore, boxLeft), 20);

    // Enter plays the level again from its start; Escape ends the game.
    WriteFile(folder, "again.txt", "60 keydown VK_RETURN\n61 keyup VK_RETURN\n");
    const ProgramRun again =
        RunProgram("sector-clash-autoplay", "--level " + level + " --seed 2 --frames 90 --stats" + drawFewFrames +
                                                "--input " + (folder / "again.txt").string());
    ASSERT_EQ(again.status, 0) << again.out;
    EXPECT_EQ(FirstJsonMember(again.last, "steps"), "61")
        << "31 steps; the restart at the end of frame 60; one a frame from 61 to 90";
    // Escape leaves the outcome for the start screen.
    WriteFile(folder, "quit.txt", "60 keydown VK_ESCAPE\n61 keyup VK_ESCAPE\n59 check mode outcome\n62 check mode start\n");
    const ProgramRun quit = RunProgram("sector-clash-autoplay", "--level " + level + " --frames 90" +
                                                                    drawFewFrames + "--input " +
                                                                    (folder / "quit.txt").string());
    EXPECT_EQ(quit.status, 0) << quit.out;
}

TEST(GameScreen, AGameThatCannotStartSaysWhyAndEnds) {
    if (!HaveDisplay())
        GTEST_SKIP() << "needs an X display";
    const ProgramRun missing =
        RunProgram("sector-clash-autoplay", "--level levels/no-such-level.xml --frames 30");
    EXPECT_NE(missing.status, 0);
    EXPECT_NE(missing.out.find("cannot read the level file levels/no-such-level.xml"), std::string::npos)
        << missing.out;

    // A data folder like the shipped one, but with constants that lack every entry.
    const fs::path folder = ScratchDir("noconstants");
    fs::create_directories(folder / "data");
    for (const auto& entry : fs::directory_iterator(SourceDir() / "data"))
        if (entry.path().filename() != "constants.xml")
            fs::create_symlink(entry.path(), folder / "data" / entry.path().filename());
    WriteFile(folder / "data", "constants.xml", "<nothing/>");
    const ProgramRun refused = RunProgram("sector-clash-autoplay", "--level levels/level0.xml --frames 30", folder);
    EXPECT_NE(refused.status, 0);
    EXPECT_NE(refused.out.find("the game cannot start: constants.xml gives none of the game's entries"),
              std::string::npos)
        << refused.out;

    EXPECT_EQ(RunProgram("sector-clash", "--bogus").status, 2);
}

TEST(GameScreen, TheSkirmishIsOnScreen) {
    if (!HaveDisplay())
        GTEST_SKIP() << "needs an X display";
    const fs::path folder = ScratchDir("skirmish");
    const std::string level = WriteFile(folder, "empty.xml", emptyLevel).string();
    WriteFile(folder, "zoom.txt", "12 wheel -10\n");
    const fs::path shot = folder / "skirmish.png";
    const ProgramRun run = RunProgram("sector-clash-autoplay",
                                      "--level " + level + " --reveal --frames 20 --input " +
                                          (folder / "zoom.txt").string() + " --shot 20:" + shot.string());
    ASSERT_EQ(run.status, 0) << run.out;
    // The level places nothing: whatever stands on the map is the skirmish's 200-odd tanks, a few pixels each
    // at the lowest zoom.
    EXPECT_GT(MapPixelsOffBackground(ReadShot(shot)), 1000);
}

TEST(GameScreen, TheViewScrollsAndAPauseHoldsTheBattleAndThePicture) {
    if (!HaveDisplay())
        GTEST_SKIP() << "needs an X display";
    const fs::path folder = ScratchDir("pause");
    const std::string level = WriteFile(folder, "empty.xml", emptyLevel).string();
    // Pause from frame 14 on; scroll right while paused.
    const std::string script =
        WriteFile(folder, "script.txt", "14 keydown P\n15 keyup P\n31 keydown VK_RIGHT\n45 keyup VK_RIGHT\n")
            .string();
    const auto shot = [&](int frame) { return (folder / ("f" + std::to_string(frame) + ".png")).string(); };
    const ProgramRun run =
        RunProgram("sector-clash-autoplay", "--level " + level +
                                                " --reveal --seed 4 --stats --frames 60" +
                                                drawFewFrames + "--input " +
                                                script + " --shot 20:" + shot(20) + " --shot 30:" + shot(30) +
                                                " --shot 50:" + shot(50));
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(FirstJsonMember(run.last, "steps"), "3") << "game frames 11 to 13 step; the pause holds from 14";
    const platform::RgbaImage paused20 = ReadShot(shot(20));
    const platform::RgbaImage paused30 = ReadShot(shot(30));
    const platform::RgbaImage scrolled = ReadShot(shot(50));
    EXPECT_EQ(paused20.pixels, paused30.pixels) << "nothing moves while paused and the view stands";
    EXPECT_NE(paused30.pixels, scrolled.pixels) << "the arrow key scrolled the view";
    // A longer paused run ends in the same state.
    const ProgramRun longer = RunProgram(
        "sector-clash-autoplay", "--level " + level + " --seed 4 --stats --frames 90" + drawFewFrames + "--input " +
                                     script);
    EXPECT_EQ(FirstJsonMember(longer.last, "digest"), FirstJsonMember(run.last, "digest"));
    EXPECT_EQ(FirstJsonMember(longer.last, "steps"), "3");
}
