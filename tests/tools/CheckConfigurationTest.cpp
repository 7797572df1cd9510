// sector-clash-check on the camera's zoom limits in "config.xml": the shipped file meets the rule, broken
// copies are reported.
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

using namespace testing_support;

struct ConfigurationCheck {
    int exitCode = -1;
    std::string output;
};

ConfigurationCheck CheckFolder(const std::filesystem::path& folder) {
    const std::filesystem::path out = folder / "check-output.txt";
    const std::string command = (BinDir() / "sector-clash-check").string() + " --only configuration '" +
                                folder.string() + "' >'" + out.string() + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    std::ifstream in(out);
    std::stringstream text;
    text << in.rdbuf();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
}

ConfigurationCheck CheckViewport(const std::string& viewport) {
    const std::filesystem::path folder = ScratchDir("check-configuration");
    std::ofstream(folder / "config.xml") << "<program><window fastclose=\"true\"/></program>\n" << viewport;
    ConfigurationCheck check = CheckFolder(folder);
    std::filesystem::remove_all(folder);
    return check;
}

TEST(CheckConfiguration, ShippedFileGivesMinAtLeastMax) {
    const std::filesystem::path folder = ScratchDir("check-configuration-shipped");
    std::filesystem::copy_file(SourceDir() / "data/config.xml", folder / "config.xml");
    ConfigurationCheck check = CheckFolder(folder);
    std::filesystem::remove_all(folder);
    EXPECT_EQ(check.exitCode, 0) << check.output;
    EXPECT_EQ(check.output, "");
}

TEST(CheckConfiguration, ReportsMissingZeroAndSwappedLimits) {
    ConfigurationCheck missing = CheckViewport("<viewport><zoom sensitivity=\"2\"/></viewport>");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.output.find("viewport/zoom: \"min\" missing"), std::string::npos) << missing.output;
    EXPECT_NE(missing.output.find("viewport/zoom: \"max\" missing"), std::string::npos) << missing.output;

    ConfigurationCheck zero = CheckViewport("<viewport><zoom min=\"2\" max=\"0\"/></viewport>");
    EXPECT_EQ(zero.exitCode, 1);
    EXPECT_NE(zero.output.find("\"max\" missing or not above 0"), std::string::npos) << zero.output;
    EXPECT_EQ(zero.output.find("\"min\" missing"), std::string::npos) << zero.output;

    ConfigurationCheck swapped = CheckViewport("<viewport><zoom min=\"0.5\" max=\"2\"/></viewport>");
    EXPECT_EQ(swapped.exitCode, 1);
    EXPECT_NE(swapped.output.find("\"min\" below \"max\""), std::string::npos) << swapped.output;

    ConfigurationCheck equal = CheckViewport("<viewport><zoom min=\"1\" max=\"1\"/></viewport>");
    EXPECT_EQ(equal.exitCode, 0) << equal.output;
}

} // namespace
