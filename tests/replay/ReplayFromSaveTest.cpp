// Replays that start from a saved game: a run gone on from a save records a replay naming the save, which
// plays back to the very end the run reached, in the simulator and through the game mode; a save changed or
// gone since is refused with one line.
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

// Each program runs from the source folder with its own data folder for the player's files.
struct Programs {
    fs::path home;

    CommandResult Run(const std::string& program, const std::string& arguments,
                      const std::string& redirect = "2>&1") const {
        return RunCommand("cd '" + SourceDir().string() + "' && XDG_DATA_HOME='" + home.string() +
                          "' SDL_AUDIODRIVER=dummy " + (program == "sector-clash-autoplay" ? Window() : "") +
                          "'" + (BinDir() / program).string() + "' " + arguments + " " + redirect);
    }
    CommandResult Simulate(const std::string& arguments) const {
        return Run("sector-clash-simulate", arguments, "2>/dev/null");
    }
    // Standard error alone, so that its lines can be counted.
    CommandResult Errors(const std::string& program, const std::string& arguments) const {
        return Run(program, arguments, "2>&1 >/dev/null");
    }
    fs::path Saves() const { return home / "sector-clash/saves"; }

private:
    static std::string Window() { return "xvfb-run -a -s '-screen 0 1280x720x24' "; }
};

// The steps of the replay's command lines, in file order.
std::vector<long> CommandSteps(const std::string& text) {
    std::vector<long> steps;
    const std::regex command("\ncommand ([0-9]+) ");
    for (auto match = std::sregex_iterator(text.begin(), text.end(), command);
         match != std::sregex_iterator(); ++match)
        steps.push_back(std::stol((*match)[1].str()));
    return steps;
}

long LineCount(const std::string& text) {
    return std::count(text.begin(), text.end(), '\n');
}

} // namespace

// Level 4's commanders give orders on both sides of step 1540, so the replay holds commands of its own
// after the save's, and the save's own must not come twice.
TEST(ReplayFromSave, ARunGoneOnFromASavePlaysBackToTheUninterruptedGamesEnd) {
    const Programs programs{ScratchDir("replay_from_save_plays")};
    fs::create_directories(programs.Saves());
    const CommandResult whole = programs.Simulate("levels/level4.xml --seed 5 --steps 2140");
    ASSERT_EQ(whole.exitCode, 0);
    const fs::path save = programs.Saves() / "battle.save";
    ASSERT_EQ(
        programs.Simulate("levels/level4.xml --seed 5 --steps 1540 --save-at 1540 '" + save.string() + "'")
            .exitCode,
        0);
    const fs::path replay = programs.home / "battle.replay";
    const CommandResult gone =
        programs.Simulate("--load '" + save.string() + "' --steps 600 --record '" + replay.string() + "'");
    ASSERT_EQ(gone.exitCode, 0);
    EXPECT_EQ(DigestIn(gone.output), DigestIn(whole.output));

    const std::string text = TextOf(replay);
    EXPECT_EQ(text.rfind("sector-clash-replay 3\n", 0), 0u) << text;
    EXPECT_TRUE(std::regex_search(text, std::regex("\nsave [0-9a-f]{16} battle.save\n")))
        << "a save in the saves folder is named within it\n"
        << text;
    const std::vector<long> steps = CommandSteps(text);
    ASSERT_FALSE(steps.empty()) << text;
    EXPECT_GE(steps.front(), 1540) << "the save's own commands are the save's\n" << text;
    EXPECT_NE(text.find("\nend 2140 " + DigestIn(whole.output) + "\n"), std::string::npos) << text;

    const CommandResult played = programs.Simulate("--replay '" + replay.string() + "'");
    EXPECT_EQ(played.exitCode, 0) << played.output;
    EXPECT_EQ(DigestIn(played.output), DigestIn(whole.output));
    fs::remove_all(programs.home);
}

TEST(ReplayFromSave, ASaveChangedOrGoneSinceIsRefusedWithOneLine) {
    const Programs programs{ScratchDir("replay_from_save_refused")};
    const fs::path save = programs.home / "mid.save";
    const fs::path replay = programs.home / "mid.replay";
    ASSERT_EQ(
        programs
            .Simulate("levels/level0.xml --skirmish --seed 2 --steps 60 --save-at 60 '" + save.string() + "'")
            .exitCode,
        0);
    ASSERT_EQ(
        programs.Simulate("--load '" + save.string() + "' --steps 80 --record '" + replay.string() + "'")
            .exitCode,
        0);
    const std::string text = TextOf(replay);
    ASSERT_NE(text.find("\nsave "), std::string::npos) << text;
    ASSERT_EQ(programs.Simulate("--replay '" + replay.string() + "'").exitCode, 0);

    const fs::path early = programs.home / "early.replay";
    std::ofstream(early) << std::regex_replace(text, std::regex("\nend "),
                                               "\ncommand 59 3 stop 0 0 0 0 1 0 0 0 0 0 0 0 0\nend ");
    const CommandResult before =
        programs.Errors("sector-clash-simulate", "--replay '" + early.string() + "'");
    EXPECT_EQ(before.exitCode, 2);
    EXPECT_NE(before.output.find(save.string() + ": the replay has a step before the save's last, 60"),
              std::string::npos)
        << before.output;

    fs::copy_file(save, programs.home / "kept.save");
    std::ofstream(save, std::ios::app) << '\0';
    fs::path missing = programs.home / "gone.replay";
    std::ofstream(missing) << std::regex_replace(text, std::regex("\nsave ([0-9a-f]+) [^\n]*"),
                                                 "\nsave $1 nowhere/gone.save");
    const struct {
        const char* program;
        fs::path replay;
        std::string line;
    } refusals[] = {
        {"sector-clash-simulate", replay,
         save.string() + ": the save differs from the one the replay was recorded from (its hash differs)"},
        {"sector-clash-simulate", missing, "nowhere/gone.save: the save the replay starts from is missing"},
        {"sector-clash-autoplay", replay, save.string() + ": the save differs"},
    };
    for (const auto& refusal : refusals) {
        SCOPED_TRACE(refusal.program);
        if (std::string(refusal.program) == "sector-clash-autoplay" && std::getenv("DISPLAY") == nullptr)
            continue;
        const CommandResult run =
            programs.Errors(refusal.program, "--replay '" + refusal.replay.string() + "'");
        EXPECT_EQ(run.exitCode, 2) << run.output;
        EXPECT_NE(run.output.find(refusal.replay.string() + ": " + refusal.line), std::string::npos)
            << run.output;
        EXPECT_EQ(LineCount(run.output), 1) << run.output;
    }
    fs::remove_all(programs.home);
}

// The game mode records what the player does after loading, and plays it back on top of the same save.
TEST(ReplayFromSave, AGameLoadedFromASaveLeavesAReplayThatStartsFromIt) {
    if (std::getenv("DISPLAY") == nullptr || !fs::exists(BinDir() / "sector-clash-autoplay"))
        GTEST_SKIP() << "the driver needs an X display (run under Xvfb)";
    if (std::system("command -v xvfb-run > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "xvfb-run is needed for a 1280 x 720 display";
    const Programs programs{ScratchDir("replay_from_save_game")};
    fs::create_directories(programs.Saves());
    const fs::path save = programs.Saves() / "skirmish.save";
    ASSERT_EQ(programs
                  .Simulate("levels/level0.xml --skirmish --seed 3 --step 50 --steps 40 --save-at 40 '" +
                            save.string() + "'")
                  .exitCode,
              0);
    const CommandResult played = programs.Run(
        "sector-clash-autoplay", "--load '" + save.string() +
                                     "' --interval 50 --frames 100 --input tests/replay/orders.script "
                                     "--keep-replays --stats" + drawFewFrames);
    ASSERT_EQ(played.exitCode, 0) << played.output;
    const fs::path folder = programs.home / "sector-clash/replays";
    ASSERT_TRUE(fs::is_directory(folder)) << "a loaded game leaves its replay as any game does";
    std::vector<fs::path> kept;
    for (const fs::path& file : fs::directory_iterator(folder))
        if (file.extension() == ".replay")
            kept.push_back(file);
    ASSERT_EQ(kept.size(), 1u);
    const std::string text = TextOf(kept.front());
    const fs::path ownSave = fs::path(kept.front()).replace_extension(".save");
    EXPECT_NE(text.find(" " + ownSave.string() + "\n"), std::string::npos)
        << "the replay names its own copy of the save\n"
        << text;
    // The player's save written over (the next F5 does that to quick.save) takes nothing from the replay.
    ASSERT_EQ(programs
                  .Simulate("levels/level0.xml --skirmish --seed 4 --step 50 --steps 20 --save-at 20 '" +
                            save.string() + "'")
                  .exitCode,
              0);
    EXPECT_NE(text.find(" move "), std::string::npos) << "the player's orders after loading are in it\n"
                                                      << text;

    const CommandResult simulated = programs.Simulate("--replay '" + kept.front().string() + "'");
    EXPECT_EQ(simulated.exitCode, 0) << simulated.output;
    EXPECT_EQ(DigestIn(simulated.output), DigestIn(played.output));
    const CommandResult watched =
        programs.Run("sector-clash-autoplay", "--stats" + drawFewFrames + "--replay '" + kept.front().string() + "'");
    EXPECT_EQ(watched.exitCode, 0) << watched.output;
    EXPECT_EQ(DigestIn(watched.output), DigestIn(played.output));
    fs::remove_all(programs.home);
}
