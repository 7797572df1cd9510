// The start of level0 played through the driver as a person plays it, only with the mouse: a power plant
// ordered from the headquarters and placed, two tanks ordered from the factory, the new tanks dragged into
// a selection, moved, and sent against an enemy tower. The script's checks assert each outcome; with
// PLAYTHROUGH_SHOTS=FOLDER set, a screenshot of every stage is written there.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

struct DriverRun {
    int status = -1;
    std::string out;
};

DriverRun RunDriver(const std::string& arguments) {
    const std::string command = "cd '" + SourceDir().string() + "' && '" +
                                (BinDir() / "sector-clash-autoplay").string() + "' " + arguments + " 2>&1";
    const testing_support::CommandResult result = testing_support::RunCommand(command);
    return DriverRun{result.exitCode, result.output};
}

class PanelPlaythrough : public testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr)
            GTEST_SKIP() << "the driver needs an X display (run under Xvfb)";
        if (!fs::exists(BinDir() / "sector-clash-autoplay"))
            GTEST_SKIP() << "the driver is not built";
    }
};

bool HaveXvfbRun() {
    return std::system("command -v xvfb-run > /dev/null 2>&1") == 0;
}

// The stages a person would look at, for the screenshots.
const char* const stageFrames[] = {"45", "572", "600", "663", "1309", "1519", "1543", "2100"};

} // namespace

// The script's screen positions are for 1280 x 720, so the driver gets a display of its own of that size.
TEST_F(PanelPlaythrough, TheStartOfLevel0IsPlayedThroughTheMouse) {
    if (!HaveXvfbRun())
        GTEST_SKIP() << "xvfb-run is needed for a 1280 x 720 display";
    std::string shots;
    if (const char* folder = std::getenv("PLAYTHROUGH_SHOTS")) {
        fs::create_directories(folder);
        for (const char* frame : stageFrames)
            shots += std::string(" --shot ") + frame + ":'" +
                     (fs::path(folder) / (std::string("stage-") + frame + ".png")).string() + "'";
    }
    const std::string driver = (BinDir() / "sector-clash-autoplay").string();
    const std::string command =
        "cd '" + SourceDir().string() + "' && xvfb-run -a -s '-screen 0 1280x720x24' '" + driver +
        "' --frames 2101 --interval 50 --seed 1 --level tests/playthrough/level0-outpost.xml"
        " --input tests/playthrough/panel-playthrough.script" +
        drawFewFrames + shots + " 2>&1";
    DriverRun run;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr)
        run.out += buffer.data();
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("panel-playthrough.script:"), std::string::npos) << run.out;
}

TEST_F(PanelPlaythrough, BrokenWorldChecksAreRefusedWithTheirReasons) {
    const fs::path folder = ScratchDir("panel_playthrough_checks");
    const fs::path script = folder / "broken.script";
    std::ofstream(script) << "5 check count 9 tank > 1\n"
                             "6 check count 3 boat > 1\n"
                             "7 check money 3 about 100\n"
                             "8 check damaged 2 tower 0 0\n";
    const DriverRun run = RunDriver("--level levels/level0.xml --frames 10 --input '" + script.string() + "'");
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.out.find("broken.script:1: check count needs a side 0 to 6"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("broken.script:2: check count needs tank, tower"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("broken.script:3: check money needs an operator"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("broken.script:4: check damaged needs the world point"), std::string::npos)
        << run.out;
}

TEST_F(PanelPlaythrough, AFailedWorldCheckFailsTheRun) {
    const fs::path folder = ScratchDir("panel_playthrough_failed");
    const fs::path script = folder / "failing.script";
    std::ofstream(script) << "30 check count 3 building = 3\n"
                             "30 check count 3 PowerPlant = 2\n";
    const DriverRun run = RunDriver("--level levels/level0.xml --frames 31 --interval 50 --seed 1 --input '" + script.string() + "'");
    EXPECT_NE(run.status, 0);
    EXPECT_EQ(run.out.find("failing.script:1:"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("failing.script:2: at frame 30 side 3 has 1 PowerPlant"), std::string::npos)
        << run.out;
}
