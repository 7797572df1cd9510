// sector-clash-check on the shipped drawings and on a copy broken in each way the check looks for.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path) << text;
}

// Replaces the first occurrence of a piece of a copied file, failing when it is not there.
void Edit(const fs::path& path, const std::string& from, const std::string& to) {
    std::string text = ReadText(path);
    const std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << path << ": " << from;
    text.replace(at, from.size(), to);
    WriteText(path, text);
}

fs::path CopyOfData(const std::string& name) {
    const fs::path folder = ScratchDir(name);
    for (const char* file : {"drawings.xml", "colordef.xml", "constants.xml", "particles.xml"}) {
        fs::copy_file(SourceDir() / "data" / file, folder / file, fs::copy_options::overwrite_existing);
    }
    fs::create_directories(folder / "graphics");
    fs::copy(SourceDir() / "data/graphics/drawings", folder / "graphics/drawings",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return folder;
}

bool CheckerBuilt() {
    return fs::exists(BinDir() / "sector-clash-check");
}

} // namespace

TEST(DrawingCheck, ShippedDrawingsPass) {
    if (!CheckerBuilt()) {
        GTEST_SKIP() << "sector-clash-check is not built";
    }
    const CommandResult run = RunCheckArea(SourceDir() / "data", "drawings");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "");
}

TEST(DrawingCheck, ReportsEachFaultOfABrokenCopy) {
    if (!CheckerBuilt()) {
        GTEST_SKIP() << "sector-clash-check is not built";
    }
    const fs::path folder = CopyOfData("check-drawings");
    const fs::path drawings = folder / "graphics/drawings";
    Edit(folder / "drawings.xml", "<Mine src=\"drawings/Mine.xml\"/>", "");
    Edit(folder / "drawings.xml", "<Stone src=\"drawings/Stone2.xml\"/>", "");
    Edit(folder / "drawings.xml", "<Stone src=\"drawings/Stone3.xml\"/>", "<Stone/>");
    Edit(drawings / "Gun1.xml", "drawing_steel_dark", "drawing_steel_drak");
    Edit(drawings / "Gun1.xml", "<mouth", "<mouth_removed");
    Edit(drawings / "Gun2.xml", "<pop/>", "<pop/><pop/>");
    Edit(drawings / "Gun3.xml", "<push color=\"side\"/>", "<push/>");
    Edit(drawings / "ScoutTank.xml", "name=\"Exhaust\"", "name=\"Exhuast\"");
    Edit(drawings / "TankFactory.xml", "<mouth x=\"0\"", "<mouth x=\"0\" y=\"10\" old");
    Edit(drawings / "LightTank.xml", "<quad>", "<quad><vertex x=\"1\" y=\"1\"/>");
    WriteText(drawings / "Waypoint.xml", "<circle r=\"3\" s=\"2\"/><spiral/>");
    Edit(drawings / "SmallLandmine.xml", "<push color=\"side\"/>",
         "<line><vertex x=\"40\" y=\"0\"/><vertex x=\"0\" y=\"0\"/></line><push color=\"side\"/>");

    const CommandResult run = RunCheckArea(folder, "drawings");
    EXPECT_EQ(run.exitCode, 1);
    const char* expected[] = {
        "drawings.xml: Stone: no src attribute",
        "drawings.xml: Mine: no drawing",
        "drawings.xml: Stone: 2 variant(s): at least 3",
        "Gun1.xml: set (command 2): colour \"drawing_steel_drak\" is not in colordef.xml",
        "Gun1.xml: mouth_removed (command",
        "Gun1.xml: -: the turret fires but has no mouth",
        "Gun2.xml: pop (command 7): pop without a matching push",
        "Gun3.xml: push (command 1): push without a color attribute",
        "ScoutTank.xml: particle_system: particle system \"Exhuast\" is not in particles.xml",
        "TankFactory.xml: mouth: the first mouth lies 10 from the centre",
        "LightTank.xml: quad (command",
        "Waypoint.xml: circle (command 1): s=2",
        "Waypoint.xml: spiral (command 2): not a drawing command",
        "SmallLandmine.xml: -: spans 40 units but SmallLandmine has size 6",
    };
    for (const char* line : expected) {
        EXPECT_NE(run.output.find(line), std::string::npos) << line << "\n" << run.output;
    }
}
