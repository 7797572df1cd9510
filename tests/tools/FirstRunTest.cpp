// The game's first run where it cannot run: no display or no data folder is one line and a failure code,
// and the data faults it goes on with are named once at start.
#include "shell/program/DataLocation.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

using namespace testing_support;

// The command's standard error instead of its output; a run that hangs is ended after a minute.
CommandResult Errors(const std::string& directory, const std::string& environment, const std::string& program,
                     const std::string& arguments = "") {
    return RunCommand("cd '" + directory + "' && " + environment + " timeout 60 '" +
                      (BinDir() / program).string() + "' " + arguments + " 2>&1 >/dev/null");
}

TEST(FirstRun, WithoutADisplayTheGameSaysSoAndFails) {
    const CommandResult run =
        Errors(SourceDir().string(), "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER", "sector-clash");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_EQ(Occurrences(run.output, "sector-clash: "), 1u) << run.output;
    EXPECT_NE(run.output.find("sector-clash: cannot open the game window: no display can be reached (DISPLAY "
                              "and WAYLAND_DISPLAY are not set)"),
              std::string::npos)
        << run.output;
}

TEST(FirstRun, WithoutADataFolderTheGameNamesWhereItLookedAndFails) {
    const std::filesystem::path empty = ScratchDir("first-run-no-data");
    const CommandResult run = Errors(empty.string(), "", "sector-clash");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    const std::string installed =
        (std::filesystem::weakly_canonical(BinDir() / Zelt::InstalledDataFromPrograms()) / "data").string();
    EXPECT_EQ(run.output, "sector-clash: no data folder: looked for " + (empty / "data").string() + " and " +
                              installed + "\n");
    std::filesystem::remove_all(empty);
}

TEST(FirstRun, BindingsThatBindNothingAndAMissingLanguageAreNamedOnceAtStart) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs an X display";
    }
    const std::filesystem::path folder = ScratchDir("first-run-reports");
    std::filesystem::copy(SourceDir() / "data", folder / "data", std::filesystem::copy_options::recursive);
    std::ofstream(folder / "data/keydef.xml", std::ios::app) << "<pasue key=\"P\"/>\n";
    std::ifstream in(SourceDir() / "data/config.xml");
    std::stringstream configuration;
    configuration << in.rdbuf();
    std::ofstream(folder / "data/config.xml") << std::regex_replace(
        configuration.str(), std::regex("<language>en</language>"), "<language>fr</language>");
    const CommandResult run = Errors(folder.string(), "", "sector-clash-autoplay", "--frames 3 --skirmish 0");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(
        Occurrences(run.output, "sector-clash: data/keydef.xml: pasue: not an action the game asks for"), 1u)
        << run.output;
    EXPECT_EQ(Occurrences(run.output, "sector-clash: data/texts.xml: no section for the language \"fr\""), 1u)
        << run.output;
    std::filesystem::remove_all(folder);
}

} // namespace
