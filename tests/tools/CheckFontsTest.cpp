// sector-clash-check's fonts area on the shipped data and on a deliberately broken fonts.xml.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace {

using namespace testing_support;

using CheckRun = CommandResult;

CheckRun RunFontsCheck(const std::filesystem::path& folder) {
    return RunCheckArea(folder, "fonts");
}

TEST(CheckFonts, ShippedDataPasses) {
    const CheckRun run = RunFontsCheck(SourceDir() / "data");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "");
}

TEST(CheckFonts, ReportsSkippedFontsMissingFacesAndNamesTheGameNeeds) {
    const std::filesystem::path folder = ScratchDir("check-fonts");
    std::filesystem::create_directories(folder / "graphics/fonts");
    std::ofstream(folder / "graphics/fonts/Shipped Face.ttf") << "not read by the checker";
    std::ofstream(folder / "fonts.xml")
        << "<!-- a comment is no font -->\n"
           "<default><face>Shipped Face</face><type size=\"16\"/><color r=\"1\" g=\"2\"/></default>\n"
           "<info_title><face>Sector Clash Nowhere Sans</face><type size=\"300\"/></info_title>\n"
           "<info_text><face>DejaVu Sans</face><type/></info_text>\n"
           "<toolbar_button_text><type size=\"12\"/></toolbar_button_text>\n"
           "<toolbar_button_info><face>DejaVu Sans</face><type size=\"0\"/></toolbar_button_info>\n";
    const CheckRun run = RunFontsCheck(folder);
    EXPECT_EQ(run.exitCode, 1);
    const std::string file = (folder / "fonts.xml").string() + ": ";
    for (const char* expected : {
             "default/color: \"r\", \"g\" and \"b\" count only all together",
             "info_title/face: \"Sector Clash Nowhere Sans\" is neither shipped nor installed",
             "info_title: size 300 is cut to 256",
             "info_text: no \"size\" in \"type\": the font is skipped",
             "toolbar_button_text: no \"face\": the font is skipped",
             "toolbar_button_info: \"size\" is not positive: the font is skipped",
             "info_text: used by the game but not defined",
             "toolbar_button_text_disabled: used by the game but not defined",
         }) {
        EXPECT_NE(run.output.find(file + expected), std::string::npos) << expected << "\n" << run.output;
    }
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 11) << run.output;
    std::filesystem::remove_all(folder);
}

} // namespace
