// Scripted play through the headless driver: the script's events take the window's real message path
// and reach the keyboard's actions and the mouse; a broken script is refused line by line.
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

struct RunResult {
    int exitCode = -1;
    std::string output;
};

class InputScriptTest : public testing::Test {
protected:
    void SetUp() override {
        driver = testing_support::BinDir() / "sector-clash-autoplay";
        if (!std::filesystem::exists(driver)) {
            GTEST_SKIP() << "the driver is not built";
        }
        folder = testing_support::ScratchDir("input_script");
    }

    RunResult RunScript(const std::string& script, int frames) {
        std::filesystem::path path = folder / "script.txt";
        std::ofstream(path) << script;
        std::string command = "cd " + testing_support::SourceDir().string() + " && " + driver.string() +
                              " --level levels/level0.xml --frames " + std::to_string(frames) + " --input " + path.string() + " 2>&1";
        RunResult result;
        FILE* pipe = popen(command.c_str(), "r");
        std::array<char, 512> buffer{};
        while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
            result.output += buffer.data();
        }
        int status = pclose(pipe);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return result;
    }

    bool HasDisplay() const { return std::getenv("DISPLAY") != nullptr; }

    std::filesystem::path driver;
    std::filesystem::path folder;
};

TEST_F(InputScriptTest, PressingPTogglesPauseAndTheMouseFollows) {
    if (!HasDisplay()) {
        GTEST_SKIP() << "needs an X display";
    }
    RunResult result = RunScript("# the player pauses, holds shift, clicks and pauses again\n"
                                 "3 check pause untoggled\n"
                                 "4 keydown P\n"
                                 "5 keyup P\n"
                                 "5 check pause toggled\n"
                                 "6 keydown VK_LSHIFT\n"
                                 "6 check next_waypoint_mod down\n"
                                 "7 keyup VK_LSHIFT\n"
                                 "7 check next_waypoint_mod up\n"
                                 "12 move 100 120\n"
                                 "12 press left\n"
                                 "12 check cursor 100 120\n"
                                 "12 check button left down\n"
                                 "13 release left\n"
                                 "13 check button left up\n"
                                 "14 keydown P\n"
                                 "14 keyup P\n"
                                 "14 check pause untoggled\n",
                                 16);
    EXPECT_EQ(result.exitCode, 0) << result.output;
}

TEST_F(InputScriptTest, HeldTimeFollowsTheFrameInterval) {
    if (!HasDisplay()) {
        GTEST_SKIP() << "needs an X display";
    }
    // Held from frame 3 to frame 7 at the driver's 16 ms: 80 ms, however fast the machine runs.
    RunResult result = RunScript("3 keydown P\n"
                                 "5 check held pause 48\n"
                                 "8 keyup P\n"
                                 "12 check held pause 80\n",
                                 12);
    EXPECT_EQ(result.exitCode, 0) << result.output;
}

TEST_F(InputScriptTest, AFailedCheckFailsTheRun) {
    if (!HasDisplay()) {
        GTEST_SKIP() << "needs an X display";
    }
    RunResult result = RunScript("4 keydown P\n5 check pause untoggled\n40 check pause toggled\n", 8);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("script.txt:2: at frame 5 the action \"pause\" is not untoggled"),
              std::string::npos)
        << result.output;
    EXPECT_NE(result.output.find("script.txt:3: frame 40 was never reached"), std::string::npos)
        << result.output;
}

TEST_F(InputScriptTest, EveryBrokenLineIsReported) {
    RunResult result = RunScript("1 jump\nx press left\n2 keydown p\n3 press thumb\n\n# fine\n4 wheel 1.5\n"
                                 "5 move 1\n6 check pause maybe\n7 keyup VK_UP extra\n",
                                 2);
    EXPECT_EQ(result.exitCode, 2);
    for (const char* line :
         {"script.txt:1: unknown event \"jump\"", "script.txt:2: a line starts with its frame number",
          "script.txt:3: unknown key \"p\"", "script.txt:4: unknown button \"thumb\"",
          "script.txt:8: move needs the screen position", "script.txt:9: check needs an action",
          "script.txt:10: unexpected \"extra\""}) {
        EXPECT_NE(result.output.find(line), std::string::npos) << line << "\n" << result.output;
    }
    EXPECT_EQ(result.output.find("script.txt:7"), std::string::npos) << result.output;
}

} // namespace
