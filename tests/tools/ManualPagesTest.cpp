// Every program an installation puts on a system has a manual page in man/ (the game in section 6, the
// tools in section 1) that man, mandoc and lexgrog read without a complaint and that names every option
// the program's --help names.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

using namespace testing_support;

std::filesystem::path PageOf(const std::string& program) {
    return SourceDir() / "man" / (program + (program == "sector-clash" ? ".6" : ".1"));
}

// The page as a reader sees its words: roff's escaped hyphens as plain ones.
std::string PageText(const std::filesystem::path& page) {
    std::ifstream file(page);
    std::stringstream text;
    text << file.rdbuf();
    return std::regex_replace(text.str(), std::regex(R"(\\-)"), "-");
}

TEST(ManualPages, EveryProgramHasAPageThatManMandocAndLexgrogReadCleanly) {
    for (const std::string& program : BuiltPrograms()) {
        const std::filesystem::path page = PageOf(program);
        ASSERT_TRUE(std::filesystem::exists(page)) << page;
        const std::string quoted = "'" + page.string() + "'";
        const CommandResult lint = RunCommand("mandoc -Tlint " + quoted + " 2>&1");
        EXPECT_EQ(lint.exitCode, 0) << lint.output;
        EXPECT_EQ(lint.output, "") << page;
        const CommandResult shown =
            RunCommand("MANWIDTH=80 man --warnings -l " + quoted + " 2>&1 >/dev/null");
        EXPECT_EQ(shown.exitCode, 0) << page;
        EXPECT_EQ(shown.output, "") << page;
        // What whatis and apropos will find for it.
        const CommandResult summary = RunCommand("lexgrog " + quoted + " 2>&1");
        EXPECT_EQ(summary.exitCode, 0) << summary.output;
        EXPECT_NE(summary.output.find("\"" + program + " - "), std::string::npos) << summary.output;
    }
}

TEST(ManualPages, EveryOptionTheUsageNamesIsInThePage) {
    const std::regex option(R"(--[a-z][a-z-]*[a-z])");
    for (const std::string& program : BuiltPrograms()) {
        const std::string usage = RunCommand("'" + (BinDir() / program).string() + "' --help").output;
        const std::string page = PageText(PageOf(program));
        for (std::sregex_iterator found(usage.begin(), usage.end(), option), end; found != end; ++found)
            EXPECT_NE(page.find(found->str()), std::string::npos) << program << ": " << found->str();
    }
}

} // namespace
