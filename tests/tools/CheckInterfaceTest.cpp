// sector-clash-check on "interface.xml" and the interface's formatted texts: the shipped data passes,
// missing keys, sizes that disagree with the drawings, formats that take other arguments and oversized
// fields are reported.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <sys/wait.h>

namespace {

using namespace testing_support;

struct InterfaceCheck {
    int exitCode = -1;
    std::string output;
    bool Says(const std::string& text) const { return output.find(text) != std::string::npos; }
};

// A copy of the shipped files the area reads, with the named file's text replaced when given.
InterfaceCheck CheckCopy(const std::string& replaced = "", const std::string& text = "") {
    const std::filesystem::path folder = ScratchDir("check-interface");
    const std::filesystem::path data = SourceDir() / "data";
    for (const char* name : {"interface.xml", "texts.xml", "drawings.xml"})
        std::filesystem::copy_file(data / name, folder / name);
    std::filesystem::create_directories(folder / "graphics/drawings");
    for (const char* name : {"InfoBox.xml", "BuildInfo.xml"})
        std::filesystem::copy_file(data / "graphics/drawings" / name, folder / "graphics/drawings" / name);
    if (!replaced.empty())
        std::ofstream(folder / replaced, std::ios::trunc) << text;
    const std::filesystem::path out = folder / "check-output.txt";
    const std::string command = (BinDir() / "sector-clash-check").string() + " --only interface '" +
                                folder.string() + "' >'" + out.string() + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    std::ifstream in(out);
    std::stringstream output;
    output << in.rdbuf();
    std::filesystem::remove_all(folder);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output.str()};
}

TEST(CheckInterface, TheShippedLayoutAndTextsPass) {
    const InterfaceCheck check = CheckCopy();
    EXPECT_EQ(check.exitCode, 0) << check.output;
    EXPECT_EQ(check.output, "");
}

TEST(CheckInterface, ReportsMissingAndMisspeltKeys) {
    std::string layout = ShippedText("interface.xml");
    layout = std::regex_replace(layout, std::regex(" tank_size="), " tanksize=");
    const InterfaceCheck check = CheckCopy("interface.xml", layout);
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(check.Says("minimap.tank_size: missing")) << check.output;
    EXPECT_TRUE(check.Says("minimap.tanksize: not read by the game")) << check.output;
}

TEST(CheckInterface, ReportsSizesThatDisagreeWithTheDrawings) {
    const InterfaceCheck check =
        CheckCopy("interface.xml",
                  "<minimap size=\"180\" offset=\"8\" texture_size=\"0\" tank_size=\"3\" tower_size=\"4\" "
                  "building_size=\"7\"/><infobox size=\"150\" title_x=\"-192\" title_y=\"62\" line1_x=\"10\" "
                  "line1_y=\"56\"/>");
    EXPECT_TRUE(check.Says("minimap.size: is also the info box's width")) << check.output;
    EXPECT_TRUE(check.Says("infobox.size: travel below")) << check.output;
    EXPECT_TRUE(check.Says("minimap.texture_size: must be 1 to")) << check.output;
    EXPECT_TRUE(check.Says("infobox.line1_x: line 1 starts outside the info box")) << check.output;
    EXPECT_FALSE(check.Says("infobox.title_x")) << check.output;
}

TEST(CheckInterface, ReportsFormatsThatTakeOtherArguments) {
    std::string texts = ShippedText("texts.xml");
    texts = std::regex_replace(texts, std::regex("Geld: %d"), "Geld: %s");
    texts =
        std::regex_replace(texts, std::regex("<infobox_group_group>Group"), "<infobox_group_group>Group %d");
    texts = std::regex_replace(texts, std::regex("Energie: %.0f"), "Energie: %.999999999f");
    const InterfaceCheck check = CheckCopy("texts.xml", texts);
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(check.Says("de/infobox_global_money: \"Geld: %s\" does not take")) << check.output;
    EXPECT_TRUE(check.Says("en/infobox_group_group")) << check.output;
    EXPECT_FALSE(check.Says("en/infobox_global_money")) << check.output;
    EXPECT_TRUE(
        check.Says("de/infobox_global_energy: \"Energie: %.999999999f%%\" asks for a width or precision "
                   "above 255"))
        << check.output;
    EXPECT_FALSE(check.Says("en/infobox_global_energy")) << check.output;
}

} // namespace
