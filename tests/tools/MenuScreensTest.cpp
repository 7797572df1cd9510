// The start screen, the pause menu and the settings, driven by the headless driver as a player would: with
// Enter alone, with the mouse, and a key rebound through the settings that acts after a restart.
#include "platform/VideoSystem.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// The player's folders point into the scratch folder, so the runs neither read nor write real settings.
CommandResult RunDriver(const fs::path& folder, const std::string& script, const std::string& arguments) {
    std::ofstream(folder / "script.txt") << script;
    const std::string command = "cd '" + SourceDir().string() + "' && XDG_CONFIG_HOME='" +
                                (folder / "config").string() + "' XDG_DATA_HOME='" +
                                (folder / "data").string() + "' SDL_AUDIODRIVER=dummy '" +
                                (BinDir() / "sector-clash-autoplay").string() + "' --interval 50 --seed 1" +
                                drawFewFrames + arguments + " --input '" + (folder / "script.txt").string() + "' 2>&1";
    return RunCommand(command);
}

std::string Press(int frame, const std::string& key) {
    return std::to_string(frame) + " keydown " + key + "\n" + std::to_string(frame + 1) + " keyup " + key +
           "\n";
}

std::string Click(int frame, int x, int y) {
    return std::to_string(frame) + " move " + std::to_string(x) + " " + std::to_string(y) + "\n" +
           std::to_string(frame + 1) + " press left\n" + std::to_string(frame + 2) + " release left\n";
}

class MenuScreens : public testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr || !fs::exists(BinDir() / "sector-clash-autoplay"))
            GTEST_SKIP() << "needs an X display and the driver";
        folder = ScratchDir("menu-screens");
        fs::remove_all(folder);
        fs::create_directories(folder);
        const platform::ScreenSize desktop = platform::DesktopSize();
        width = desktop.width;
        height = desktop.height;
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
    int width = 0;
    int height = 0;
};

TEST_F(MenuScreens, EnterAloneLeadsIntoTheFirstLevelAndEscapePausesAndResumes) {
    const std::string script =
        "15 check mode start\n" + Press(15, "VK_RETURN") + Press(18, "VK_RETURN") + "20 check mode start\n" +
        Press(21, "VK_RETURN") + "24 check mode game\n24 check level levels/level0.xml\n" +
        Press(30, "VK_ESCAPE") + "32 check mode pause\n" + Press(34, "VK_ESCAPE") + "36 check mode game\n";
    const CommandResult run = RunDriver(folder, script, "--frames 40");
    EXPECT_EQ(run.exitCode, 0) << run.output;
}

// The places of the buttons follow the screens' layout: the main column from the top, the new game's
// buttons from the bottom, the pause menu in the middle.
TEST_F(MenuScreens, TheMouseStartsLevel1AndQuitsFromThePauseMenuToTheStartScreen) {
    const int startButtonY = height - 1 - 145;
    const int pauseTop = (height - 378) / 2 + 378;
    const int quitToStartY = height - 1 - (pauseTop - 287);
    const std::string script =
        "14 check mode start\n" + Click(15, width / 2, 203) + Click(20, 222, 169) + "24 check mode start\n" +
        Click(25, 222, startButtonY) + "30 check mode game\n30 check level levels/level1.xml\n" +
        Press(32, "VK_ESCAPE") + "35 check mode pause\n" + Click(36, width / 2, quitToStartY) +
        "40 check mode start\n" + Press(41, "VK_RETURN") + Press(44, "VK_RETURN") + Press(47, "VK_RETURN") +
        "50 check mode game\n50 check level levels/level0.xml\n";
    const CommandResult run = RunDriver(folder, script, "--frames 52");
    EXPECT_EQ(run.exitCode, 0) << run.output;
}

// The game loaded through the start screen goes on from the saved state: after the run it stands where the
// simulator's game that never stopped stands after as many steps, and those steps include the saved ones.
TEST_F(MenuScreens, AGameSavedFromThePauseMenuAndLoadedFromTheStartScreenGoesOn) {
    const int startButtonY = height - 1 - 145;
    const int pauseTop = (height - 378) / 2 + 378;
    const int saveY = height - 1 - (pauseTop - 107);
    const int quitToStartY = height - 1 - (pauseTop - 287);
    const int loadGameY = 203 + 2 * 36;
    const std::string script =
        "14 check mode start\n" + Click(15, width / 2, 203) + Click(20, 222, 169) +
        Click(25, 222, startButtonY) + "30 check level levels/level1.xml\n" + Press(60, "VK_ESCAPE") +
        "63 check mode pause\n" + Click(64, width / 2, saveY) + Click(68, width / 2, quitToStartY) +
        "72 check mode start\n" + Click(73, width / 2, loadGameY) + Press(78, "VK_RETURN") +
        Press(81, "VK_RETURN") + "90 check mode game\n90 check level levels/level1.xml\n";
    const CommandResult run = RunDriver(folder, script, "--frames 150 --stats");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    ASSERT_FALSE(fs::is_empty(folder / "data/sector-clash/saves"));
    const fs::path save = fs::directory_iterator(folder / "data/sector-clash/saves")->path();
    const CommandResult saved = RunCommand("'" + (BinDir() / "sector-clash-simulate").string() +
                                           "' --load '" + save.string() + "' --steps 0 2>&1");
    ASSERT_EQ(saved.exitCode, 0) << saved.output;

    // The game runs from frame 90 to 150 after the load: a game started afresh would have fewer steps.
    const int steps = std::stoi(LastJsonMember(run.output, "steps"));
    EXPECT_GE(steps, std::stoi(LastJsonMember(saved.output, "steps")) + 60);
    const CommandResult whole = RunCommand(
        "cd '" + SourceDir().string() + "' && '" + (BinDir() / "sector-clash-simulate").string() +
        "' levels/level1.xml --skirmish 0 --seed 1 --step 50 --steps " + std::to_string(steps) + " 2>&1");
    ASSERT_EQ(whole.exitCode, 0) << whole.output;
    EXPECT_EQ(LastJsonMember(run.output, "digest"), LastJsonMember(whole.output, "digest"));
}

// The opponent chosen on the New game page plays as the simulator's --commander does: the game reaches its
// digest, which the level without the commander does not.
TEST_F(MenuScreens, AComputerOpponentChosenOnTheNewGamePagePlaysItsSide) {
    const int startButtonY = height - 1 - 145;
    const int redOpponentY = height - 1 - 253;
    const std::string script = Click(15, width / 2, 203) + Click(20, 222, 169) +
                               Click(25, 222, redOpponentY) + Click(30, 222, startButtonY) +
                               "36 check mode game\n36 check level levels/level1.xml\n";
    const CommandResult run = RunDriver(folder, script, "--frames 240 --stats");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string game =
        "cd '" + SourceDir().string() + "' && '" + (BinDir() / "sector-clash-simulate").string() +
        "' levels/level1.xml --skirmish 0 --seed 1 --step 50 --steps " + LastJsonMember(run.output, "steps");
    const CommandResult commanded = RunCommand(game + " --commander Red=easy 2>&1");
    const CommandResult alone = RunCommand(game + " 2>&1");
    ASSERT_EQ(commanded.exitCode, 0) << commanded.output;
    EXPECT_EQ(LastJsonMember(run.output, "digest"), LastJsonMember(commanded.output, "digest"));
    EXPECT_NE(LastJsonMember(run.output, "digest"), LastJsonMember(alone.output, "digest"));
}

TEST_F(MenuScreens, AKeyReboundInTheSettingsActsAfterARestartAndTheOldKeyNoLonger) {
    // Settings is the main column's fifth entry (after the campaign), key bindings the settings' thirteenth;
    // the first action listed is the pause.
    std::string script = Press(15, "VK_DOWN") + Press(17, "VK_DOWN") + Press(19, "VK_DOWN") +
                         Press(21, "VK_DOWN") + Press(23, "VK_RETURN");
    for (int step = 0; step < 12; ++step)
        script += Press(26 + 2 * step, "VK_DOWN");
    script += Press(52, "VK_RETURN") + Press(55, "VK_RETURN") + Press(58, "K") + Press(61, "VK_ESCAPE") +
              Press(64, "VK_ESCAPE") + "67 check mode start\n";
    const CommandResult settings = RunDriver(folder, script, "--frames 68");
    ASSERT_TRUE(fs::exists(folder / "config/sector-clash/keydef.xml"));

    const CommandResult game = RunDriver(
        folder, Press(15, "P") + "17 check pause untoggled\n" + Press(18, "K") + "20 check pause toggled\n",
        "--level levels/level1.xml --frames 21");
    EXPECT_EQ(game.exitCode, 0) << game.output;
}

} // namespace
