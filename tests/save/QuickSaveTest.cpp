// The game's quick save: F5 writes the game to the player's saves folder without changing it, a new
// process goes on from that file (the game with --load, the simulator too) to the state of the game that
// never stopped, and F9 on a broken file leaves the running game as it was. While a replay is watched, F5
// saves nothing and F9 leaves the replay for the saved game.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace testing_support;

namespace {

// The game played by the driver with the saves folder under `dataHome`; stdout and stderr together.
CommandResult Drive(const std::filesystem::path& dataHome, const std::string& arguments) {
    return RunCommand("cd '" + SourceDir().string() + "' && XDG_DATA_HOME='" + dataHome.string() +
                      "' SDL_AUDIODRIVER=dummy '" + (BinDir() / "sector-clash-autoplay").string() + "'" +
                      drawFewFrames + arguments + " 2>&1");
}

std::string Digest(const std::string& output) {
    const std::string key = "\"digest\": \"";
    const auto start = output.rfind(key);
    return start == std::string::npos ? "" : output.substr(start + key.size(), 16);
}

std::string Script(const std::filesystem::path& folder, const std::string& name, const std::string& text) {
    const std::filesystem::path path = folder / name;
    std::ofstream(path) << text;
    return path.string();
}

// The steps a saved game had run, as the simulator says on loading it.
int SavedSteps(const std::string& save) {
    const CommandResult run =
        RunCommand("cd '" + SourceDir().string() + "' && '" + (BinDir() / "sector-clash-simulate").string() +
                   "' --load '" + save + "' --steps 0 2>/dev/null");
    const std::string key = "\"steps\": ";
    const auto start = run.output.rfind(key);
    return start == std::string::npos ? -1 : std::atoi(run.output.c_str() + start + key.size());
}

} // namespace

TEST(QuickSave, F5SavesWithoutChangingTheGameAndTheSaveGoesOnInANewProcess) {
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "needs an X display";
    const std::filesystem::path home = ScratchDir("quick-save");
    const std::string game = "--level levels/level0.xml --seed 3 --interval 50 --frames 100 --stats";
    const CommandResult plain = Drive(home, game);
    ASSERT_EQ(plain.exitCode, 0) << plain.output;
    const std::string f5 = Script(home, "f5.script", "60 keydown VK_F5\n61 keyup VK_F5\n");
    const CommandResult saving = Drive(home, game + " --input '" + f5 + "'");
    ASSERT_EQ(saving.exitCode, 0) << saving.output;
    EXPECT_EQ(Digest(saving.output), Digest(plain.output)) << "saving leaves the game as it was";

    const std::string save = (home / "sector-clash" / "saves" / "quick.save").string();
    ASSERT_TRUE(std::filesystem::exists(save));
    const int savedSteps = SavedSteps(save);
    ASSERT_GT(savedSteps, 0);
    // The driver's loading mode takes the frames before the first step.
    const int loadingFrames = 100 - 90;
    const CommandResult loaded = Drive(home, "--load '" + save + "' --interval 50 --stats --frames " +
                                                 std::to_string(loadingFrames + 90 - savedSteps));
    ASSERT_EQ(loaded.exitCode, 0) << loaded.output;
    EXPECT_EQ(Digest(loaded.output), Digest(plain.output));
    std::filesystem::remove_all(home);
}

TEST(QuickSave, ABrokenSaveIsRefusedAndF9LeavesTheRunningGameAsItWas) {
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "needs an X display";
    const std::filesystem::path home = ScratchDir("quick-save-broken");
    const std::string game = "--level levels/level0.xml --seed 3 --interval 50 --frames 40 --stats";
    const CommandResult plain = Drive(home, game);
    // F9 goes back to the game F5 saved ten frames before (the game starts after ten frames of loading):
    // another game from there on.
    const std::string back =
        Script(home, "back.script", "15 keydown VK_F5\n16 keyup VK_F5\n25 keydown VK_F9\n26 keyup VK_F9\n");
    const CommandResult wentBack = Drive(home, game + " --input '" + back + "'");
    ASSERT_EQ(wentBack.exitCode, 0) << wentBack.output;
    EXPECT_NE(Digest(wentBack.output), Digest(plain.output));

    const std::string save = (home / "sector-clash" / "saves" / "quick.save").string();
    std::ofstream(save, std::ios::binary | std::ios::trunc) << "SCSAVE\r\n\x01";

    const CommandResult refused = Drive(home, "--load '" + save + "'");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.output.find(save + ": "), std::string::npos) << refused.output;
    const CommandResult gameRefused =
        RunCommand("'" + (BinDir() / "sector-clash").string() + "' --load '" + save + "' 2>&1");
    EXPECT_EQ(gameRefused.exitCode, 2);
    EXPECT_NE(gameRefused.output.find(save + ": "), std::string::npos) << gameRefused.output;

    const std::string f9 = Script(home, "f9.script", "25 keydown VK_F9\n26 keyup VK_F9\n");
    const CommandResult loading = Drive(home, game + " --input '" + f9 + "'");
    ASSERT_EQ(loading.exitCode, 0) << loading.output;
    EXPECT_EQ(Digest(loading.output), Digest(plain.output));
    std::filesystem::remove_all(home);
}

TEST(QuickSave, WatchingAReplayF5SavesNothingAndF9LeavesTheReplayForTheSavedGame) {
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "needs an X display";
    const std::filesystem::path home = ScratchDir("quick-save-replay");
    const std::string replay = (home / "game.replay").string();
    const std::string f5 = Script(home, "f5.script", "15 keydown VK_F5\n16 keyup VK_F5\n");
    const CommandResult recorded =
        Drive(home, "--level levels/level0.xml --seed 3 --interval 50 --frames 60 --input '" + f5 +
                        "' --record '" + replay + "'");
    ASSERT_EQ(recorded.exitCode, 0) << recorded.output;
    const std::string save = (home / "sector-clash" / "saves" / "quick.save").string();
    const auto bytes = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string savedBytes = bytes(save);
    ASSERT_FALSE(savedBytes.empty());

    // Left attached, the replay would go on checking the loaded game against its own, and find it astray.
    const std::string viewer =
        Script(home, "viewer.script",
               "20 check mode replay\n25 keydown VK_F5\n26 keyup VK_F5\n35 keydown VK_F9\n36 keyup VK_F9\n"
               "40 check mode game\n");
    const CommandResult watched = Drive(home, "--replay '" + replay + "' --stats --input '" + viewer + "'");
    EXPECT_EQ(watched.exitCode, 0) << watched.output;
    EXPECT_TRUE(bytes(save) == savedBytes) << "F5 during a replay wrote the quick save";
    std::filesystem::remove_all(home);
}
