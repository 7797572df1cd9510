// Commanding through the headless driver: the player drags a rectangle over a column of tanks, orders
// it across the map and sees it arrive, then drags over the player's half of the skirmish and attacks the
// enemy tank nearest the headquarters until it dies. The scripts' coordinates fit the seeded skirmish and a
// screen of 1920 x 1080, so the driver gets a display of its own of that size.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace testing_support;

struct RunResult {
    int exitCode = -1;
    std::string output;
};

RunResult RunScript(const std::string& script, const std::string& options,
                    const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / "script.txt";
    std::ofstream(path) << script;
    const std::string command = "cd '" + SourceDir().string() +
                                "' && xvfb-run -a -s '-screen 0 1920x1080x24' '" +
                                (BinDir() / "sector-clash-autoplay").string() + "' " + options +
                                " --input '" + path.string() + "' 2>&1";
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    std::array<char, 512> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        result.output += buffer.data();
    }
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// The camera starts over the player's headquarters at (3300, 0), unzoomed, so a screen point (X, Y) is the
// world point (X + 2340, 540 - Y). The level's four light tanks stand at x 2950, y -120 to 120; with seed 2
// the skirmish puts more than 20 of the player's tanks west of them, within the zoomed-out rectangle.
constexpr const char* selectMoveAttack = R"(# the game starts after the loading mode's ten frames
13 move 560 380
14 press left
15 move 600 500
16 move 660 700
17 check selected 4
18 release left
20 move 400 300
21 check cursor_shape move
# Shift shows the routes the move gives them
22 keydown VK_LSHIFT
23 press left
24 release left
25 check selected 4
30 keyup VK_LSHIFT
# the column keeps its shape around world (2740, 240), the point under the cursor; it began 416 units away
200 check selected_within 2740 240 200
# zoomed out: the player's half of the skirmish, then the enemy nearest the headquarters
205 wheel -10
207 move 555 190
208 press left
209 move 700 500
210 move 830 880
211 check selected_at_least 20
212 release left
214 aim 2
215 check cursor_shape attack
216 press left
217 release left
218 check attack_target alive
220 wheel 10
800 check attack_target dead
)";

TEST(CommandScript, DraggedTanksMoveInFormationAndAnAttackKillsItsTarget) {
    if (!std::filesystem::exists(BinDir() / "sector-clash-autoplay")) {
        GTEST_SKIP() << "the driver is not built";
    }
    if (std::system("command -v xvfb-run > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "xvfb-run is needed for a 1920 x 1080 display";
    }
    const std::filesystem::path shots = ScratchDir("command_script");
    const RunResult result =
        RunScript(selectMoveAttack,
                  "--level levels/level0.xml --frames 800 --interval 33 --seed 2 --reveal" + drawFewFrames +
                      "--shot 17:'" + (shots / "drag.png").string() +
                      "' --shot 27:'" + (shots / "routes.png").string() + "' --shot 211:'" +
                      (shots / "all.png").string() + "'",
                  shots);
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_TRUE(std::filesystem::exists(shots / "routes.png"));
}

} // namespace
