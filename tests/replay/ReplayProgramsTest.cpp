// Replays through the programs: a game the driver played with scripted orders, recorded, plays again in
// the simulator and in the driver to the driver's digest on every shipped level; a replay whose level
// changed is refused, one that goes astray names the step, and a hostile file gives one line and exit 2.
#include "replay/ReplayFolder.h"
#include "replay/ReplayReader.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

CommandResult Run(const std::string& program, const std::string& arguments, const std::string& redirect) {
    return RunCommand("cd '" + SourceDir().string() + "' && SDL_AUDIODRIVER=dummy '" +
                      (BinDir() / program).string() + "' " + arguments + " " + redirect);
}
// Standard error alone, so that its lines can be counted.
CommandResult Errors(const std::string& program, const std::string& arguments) {
    return Run(program, arguments, "2>&1 >/dev/null");
}
CommandResult Simulate(const std::string& arguments) {
    return Run("sector-clash-simulate", arguments, "2>/dev/null");
}

// The text with the first line that starts with `start` replaced by `line`.
std::string Replaced(std::string text, const std::string& start, const std::string& line) {
    const std::size_t begin = text.find("\n" + start) + 1;
    return text.replace(begin, text.find('\n', begin) - begin, line);
}

bool HaveDisplayAndDriver() {
    return std::getenv("DISPLAY") != nullptr && fs::exists(BinDir() / "sector-clash-autoplay");
}

} // namespace

TEST(ReplayPrograms, TheDriversScriptedGameReplaysToItsDigestOnEveryShippedLevel) {
    if (!HaveDisplayAndDriver())
        GTEST_SKIP() << "the driver needs an X display (run under Xvfb)";
    if (std::system("command -v xvfb-run > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "xvfb-run is needed for a 1280 x 720 display";
    const fs::path folder = ScratchDir("replay_programs_levels");
    for (const std::string level : {"level0", "level1", "level2"}) {
        SCOPED_TRACE(level);
        const fs::path replay = folder / (level + ".replay");
        const CommandResult driven = RunCommand(
            "cd '" + SourceDir().string() +
            "' && SDL_AUDIODRIVER=dummy xvfb-run -a -s '-screen 0 1280x720x24' '" +
            (BinDir() / "sector-clash-autoplay").string() + "' --level levels/" + level +
            ".xml --seed 3 --interval 50 --frames 100 --input tests/replay/orders.script --stats" + drawFewFrames +
            "--record '" +
            replay.string() + "' 2>&1");
        ASSERT_EQ(driven.exitCode, 0) << driven.output;
        const std::string digest = DigestIn(driven.output);
        ASSERT_FALSE(digest.empty()) << driven.output;
        const std::string text = TextOf(replay);
        for (const char* kind : {" build ", " move ", " attack "})
            EXPECT_NE(text.find(kind), std::string::npos) << "the script's" << kind << "order is recorded\n"
                                                          << text;

        const CommandResult simulated = Simulate("--replay '" + replay.string() + "'");
        EXPECT_EQ(simulated.exitCode, 0) << simulated.output;
        EXPECT_EQ(DigestIn(simulated.output), digest) << simulated.output;
        if (level != "level0")
            continue;
        const CommandResult replayed =
            RunCommand("cd '" + SourceDir().string() +
                       "' && SDL_AUDIODRIVER=dummy xvfb-run -a -s '-screen 0 1280x720x24' '" +
                       (BinDir() / "sector-clash-autoplay").string() + "' --stats" + drawFewFrames + "--replay '" +
                       replay.string() + "' 2>&1");
        EXPECT_EQ(replayed.exitCode, 0) << replayed.output;
        EXPECT_EQ(DigestIn(replayed.output), digest) << replayed.output;
    }
    fs::remove_all(folder);
}

TEST(ReplayPrograms, AWindowGameLeavesItsReplayInTheFolderAndItPlaysToTheGamesDigest) {
    if (!HaveDisplayAndDriver())
        GTEST_SKIP() << "the driver needs an X display (run under Xvfb)";
    if (std::system("command -v xvfb-run > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "xvfb-run is needed for a 1280 x 720 display";
    const fs::path folder = ScratchDir("replay_programs_window");
    const std::string window = "cd '" + SourceDir().string() + "' && XDG_DATA_HOME='" + folder.string() +
                               "' SDL_AUDIODRIVER=dummy xvfb-run -a -s '-screen 0 1280x720x24' '" +
                               (BinDir() / "sector-clash-autoplay").string() + "' " + drawFewFrames;
    const CommandResult played =
        RunCommand(window + "--level levels/level0.xml --seed 11 --interval 50 --frames 100 "
                            "--input tests/replay/orders.script "
                            "--keep-replays --stats 2>&1");
    ASSERT_EQ(played.exitCode, 0) << played.output;
    const std::string digest = DigestIn(played.output);
    const std::vector<std::string> kept =
        Vorn::ReplayFilesNewestFirst((folder / "sector-clash/replays").string());
    ASSERT_EQ(kept.size(), 1u) << "the game left its replay as it was quit";
    Vorn::ReplaySummary summary;
    std::string fault;
    ASSERT_TRUE(Vorn::ReadReplaySummary(kept.front(), summary, fault)) << fault;
    EXPECT_EQ(summary.levelPath, "levels/level0.xml");
    EXPECT_EQ(summary.outcome, Vorn::ReplayOutcome::Unfinished);
    EXPECT_GE(summary.lengthSeconds, 4u);
    EXPECT_NE(TextOf(kept.front()).find(" move "), std::string::npos) << "the player's orders are in it";

    const CommandResult simulated = Simulate("--replay '" + kept.front() + "'");
    EXPECT_EQ(simulated.exitCode, 0) << simulated.output;
    EXPECT_EQ(DigestIn(simulated.output), digest) << simulated.output;
    // Watched in the game, the replay gives the same game and leaves no replay of its own.
    const CommandResult watched =
        RunCommand(window + "--keep-replays --stats --replay '" + kept.front() + "' 2>&1");
    EXPECT_EQ(watched.exitCode, 0) << watched.output;
    EXPECT_EQ(DigestIn(watched.output), digest) << watched.output;
    EXPECT_EQ(Vorn::ReplayFilesNewestFirst((folder / "sector-clash/replays").string()).size(), 1u);
    fs::remove_all(folder);
}

TEST(ReplayPrograms, AReplayWhoseLevelChangedIsRefusedUnlessForced) {
    const fs::path folder = ScratchDir("replay_programs_changed");
    const fs::path level = folder / "duel.xml";
    fs::copy_file(SourceDir() / "data/levels/level1.xml", level);
    const fs::path replay = folder / "duel.replay";
    ASSERT_EQ(
        Simulate(level.string() + " --data data --seconds 3 --record '" + replay.string() + "'").exitCode, 0);
    ASSERT_EQ(Simulate("--replay '" + replay.string() + "' --data data").exitCode, 0) << TextOf(replay);

    std::ofstream(level, std::ios::app) << "<!-- changed -->\n";
    const CommandResult refused =
        Errors("sector-clash-simulate", "--replay '" + replay.string() + "' --data data");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.output.find(replay.string() + ": the level " + level.string() + " differs"),
              std::string::npos)
        << refused.output;
    EXPECT_EQ(Simulate("--replay '" + replay.string() + "' --data data --force").exitCode, 0)
        << "a comment does not change the game";
    fs::remove_all(folder);
}

TEST(ReplayPrograms, AReplayThatGoesAstrayNamesTheStepOfTheFirstSecondThatDiffers) {
    const fs::path folder = ScratchDir("replay_programs_astray");
    const fs::path replay = folder / "level0.replay";
    ASSERT_EQ(Simulate("levels/level0.xml --seconds 5 --step 20 --record '" + replay.string() + "'").exitCode,
              0);
    const std::string text = TextOf(replay);
    ASSERT_NE(text.find("\nsecond 150 "), std::string::npos) << text;

    const fs::path astray = folder / "astray.replay";
    std::ofstream(astray) << Replaced(Replaced(text, "second 150 ", "second 150 0000000000000000"), "end ",
                                      "end 250 0000000000000000");
    const CommandResult second = Errors("sector-clash-simulate", "--replay '" + astray.string() + "'");
    EXPECT_EQ(second.exitCode, 3);
    EXPECT_NE(second.output.find(astray.string() + ": the game goes astray at step 150"), std::string::npos)
        << second.output;

    std::ofstream(astray) << Replaced(text, "end ", "end 250 0000000000000000");
    const CommandResult last = Errors("sector-clash-simulate", "--replay '" + astray.string() + "'");
    EXPECT_EQ(last.exitCode, 3);
    EXPECT_NE(last.output.find("astray at step 250"), std::string::npos) << last.output;
    fs::remove_all(folder);
}

TEST(ReplayPrograms, HostileReplayFilesGiveOneLineAndExit2) {
    const fs::path folder = ScratchDir("replay_programs_hostile");
    const fs::path good = folder / "good.replay";
    ASSERT_EQ(Simulate("levels/level0.xml --seconds 2 --record '" + good.string() + "'").exitCode, 0);
    const std::string text = TextOf(good);
    const struct {
        const char* name;
        std::string text;
        std::string reason;
    } files[] = {
        {"unknown.replay", Replaced(text, "second ", "command 0 3 warp 1 5 0 0 0 1 0 0 0 0 0 0 0 0"),
         ":10: unknown command \"warp\""},
        {"order.replay",
         Replaced(Replaced(text, "second 63 ", "command 9 3 stop 0 0 0 0 1 0 0 0 0 0 0 0 0"), "second 125 ",
                  "command 3 3 stop 0 0 0 0 1 0 0 0 0 0 0 0 0"),
         ":11: command of step 3 after one of step 9"},
        {"far.replay", Replaced(text, "second ", "command 4294967295 3 stop 0 0 0 0 1 0 0 0 0 0 0 0 0"),
         ":10: step 4294967295 is beyond 2147483647"},
        {"huge.replay", Replaced(text, "second ", "command 0 3 stop 99999999999 1"),
         ":10: unit count 99999999999"},
        {"nested.replay", std::string(100000, '<') + "\n", ":1: "},
        {"cut.replay", text.substr(0, text.size() / 2), ":"},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const fs::path path = folder / file.name;
        std::ofstream(path) << file.text;
        for (const char* program : {"sector-clash-simulate", "sector-clash-autoplay"}) {
            const CommandResult run = Errors(program, "--replay '" + path.string() + "'");
            EXPECT_EQ(run.exitCode, 2) << program << ": " << run.output;
            EXPECT_EQ(run.output.rfind(std::string(program) + ": " + path.string() + file.reason, 0), 0u)
                << run.output;
            EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 1) << run.output;
        }
    }
    fs::remove_all(folder);
}
