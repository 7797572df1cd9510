// The game and every program of tools/ answer --help with their usage and --version with the project's
// version, and name a wrong option; the driver refuses a run the game would not play as asked, and takes
// any seed the simulator takes.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace testing_support;

CommandResult RunTool(const std::string& program, const std::string& arguments,
                      const char* errors = " 2>&1") {
    return RunCommand("cd '" + SourceDir().string() + "' && '" + (BinDir() / program).string() + "' " +
                      arguments + errors);
}

// The version the top-level CMakeLists.txt gives the project.
std::string ProjectVersion() {
    std::ifstream file(SourceDir() / "CMakeLists.txt");
    std::stringstream text;
    text << file.rdbuf();
    std::smatch match;
    const std::string content = text.str();
    return std::regex_search(content, match, std::regex(R"(project\(SectorClash VERSION ([0-9.]+))"))
               ? match[1].str()
               : "";
}

TEST(ToolOptions, EveryProgramPrintsItsUsageOnHelpAndNamesAWrongOption) {
    const std::vector<std::string> programs = BuiltPrograms();
    for (const std::string& program : programs) {
        const CommandResult help = RunTool(program, "--help", " 2>/dev/null");
        EXPECT_EQ(help.exitCode, 0) << program;
        EXPECT_EQ(help.output.rfind("usage: " + program, 0), 0u) << program << ": " << help.output;
        const CommandResult wrong = RunTool(program, "--no-such-option", " 2>&1 >/dev/null");
        EXPECT_EQ(wrong.exitCode, 2) << program;
        EXPECT_EQ(wrong.output.rfind(program + ": unknown option \"--no-such-option\"\n", 0), 0u)
            << program << ": " << wrong.output;
    }
    EXPECT_EQ(programs.size(), 9u);
}

TEST(ToolOptions, EveryProgramPrintsTheProjectsVersion) {
    const std::string version = ProjectVersion();
    ASSERT_NE(version, "");
    for (const std::string& program : BuiltPrograms()) {
        const CommandResult shown = RunTool(program, "--version", " 2>/dev/null");
        EXPECT_EQ(shown.exitCode, 0) << program;
        EXPECT_EQ(shown.output.substr(0, shown.output.find('\n')), program + " (Sector Clash) " + version)
            << shown.output;
    }
}

TEST(ToolOptions, TheDriverRefusesFramesAndIntervalsTheGameWouldNotPlay) {
    // The game moves by at most 100 ms a frame, and by 1 ms when no time passed.
    for (const char* interval : {"0", "101"}) {
        const CommandResult run = RunTool("sector-clash-autoplay", std::string("--interval ") + interval);
        EXPECT_EQ(run.exitCode, 2) << interval;
        EXPECT_NE(run.output.find("--interval"), std::string::npos) << run.output;
    }
    const CommandResult shot = RunTool("sector-clash-autoplay", "--frames 10 --shot 11:late.png");
    EXPECT_EQ(shot.exitCode, 2);
    EXPECT_NE(shot.output.find("--shot 11:late.png"), std::string::npos) << shot.output;
}

TEST(ToolOptions, TheDriverAndTheSimulatorTakeTheSameSeeds) {
    for (const auto& [program, level] : {std::pair{"sector-clash-autoplay", ""},
                                         std::pair{"sector-clash-simulate", "data/levels/level1.xml "}}) {
        const CommandResult beyond = RunTool(program, std::string(level) + "--seed 4294967296");
        EXPECT_EQ(beyond.exitCode, 2) << program;
        EXPECT_NE(beyond.output.find("--seed takes a whole number from 0 to 4294967295"), std::string::npos)
            << beyond.output;
    }
    EXPECT_EQ(RunTool("sector-clash-simulate", "data/levels/level1.xml --seed 4294967295 --steps 1").exitCode,
              0);
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "the driver needs an X display";
    EXPECT_EQ(RunTool("sector-clash-autoplay", "--seed 4294967295 --frames 2").exitCode, 0);
}

} // namespace
