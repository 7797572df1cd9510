// `cmake --install` lays the game out so that the installed programs find their data and the desktop its
// entry and icon; the game builds without the test libraries.
#include "platform/PngFile.h"
#include "shell/program/DataLocation.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using namespace testing_support;

class Install : public testing::Test {
protected:
    static void SetUpTestSuite() {
        prefix = new fs::path(ScratchDir("install") / "prefix");
        const std::string command = "cmake --install '" + BinDir().parent_path().string() + "' --prefix '" +
                                    prefix->string() + "' >/dev/null 2>&1";
        installed = std::system(command.c_str()) == 0;
        fs::create_directories(*prefix / "elsewhere");
    }
    static void TearDownTestSuite() {
        fs::remove_all(prefix->parent_path());
        delete prefix;
    }
    void SetUp() override { ASSERT_TRUE(installed) << "cmake --install into " << *prefix; }

    // An installed program run from a folder without data; standard error follows standard output.
    static CommandResult RunInstalled(const std::string& program, const std::string& arguments) {
        return RunCommand("cd '" + (*prefix / "elsewhere").string() + "' && '" +
                          (*prefix / "bin" / program).string() + "' " + arguments + " 2>&1");
    }

    static fs::path* prefix;
    static bool installed;
};

fs::path* Install::prefix = nullptr;
bool Install::installed = false;

TEST_F(Install, PutsProgramsDataDesktopEntryAndIconWhereTheGameAndDesktopLook) {
    EXPECT_TRUE(fs::exists(*prefix / "bin/sector-clash"));
    for (const auto& entry : fs::directory_iterator(SourceDir() / "tools")) {
        const fs::path program = entry.path().filename();
        if (fs::exists(BinDir() / program)) {
            EXPECT_TRUE(fs::exists(*prefix / "bin" / program)) << program;
        }
    }
    EXPECT_TRUE(fs::exists(*prefix / "share/sector-clash/data/config.xml"));
    EXPECT_TRUE(fs::exists(*prefix / "share/sector-clash/data/graphics/cursors"));
    EXPECT_TRUE(fs::exists(*prefix / "share/doc/sector-clash/LICENSE"));

    // The installed game, started anywhere, settles on the installed data.
    EXPECT_EQ(Zelt::ChooseDataParent(*prefix / "elsewhere", *prefix / "bin"),
              fs::weakly_canonical(*prefix / "share/sector-clash"));

    std::ifstream entryFile(*prefix / "share/applications/sector-clash.desktop");
    std::stringstream entry;
    entry << entryFile.rdbuf();
    EXPECT_NE(entry.str().find("Exec=sector-clash\n"), std::string::npos) << entry.str();
    EXPECT_NE(entry.str().find("Icon=sector-clash\n"), std::string::npos) << entry.str();
    platform::RgbaImage icon;
    EXPECT_EQ(platform::ReadPng((*prefix / "share/icons/hicolor/48x48/apps/sector-clash.png").string(), icon),
              "");
    EXPECT_EQ(icon.width, 48);
    EXPECT_EQ(icon.height, 48);
}

TEST_F(Install, TheInstalledToolsFindTheInstalledDataFromAnyFolder) {
    const std::string data = fs::weakly_canonical(*prefix / "share/sector-clash/data").string();
    const CommandResult simulated = RunInstalled("sector-clash-simulate", "levels/level1.xml --steps 2");
    EXPECT_EQ(simulated.exitCode, 0) << simulated.output;
    EXPECT_NE(simulated.output.find("data folder " + data + "\n"), std::string::npos) << simulated.output;
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "the gallery and the driver need an X display";
    const CommandResult sheet = RunInstalled("sector-clash-gallery", "drawings.png");
    EXPECT_EQ(sheet.exitCode, 0) << sheet.output;
    EXPECT_TRUE(fs::exists(*prefix / "elsewhere/drawings.png"));
    // A level file of the working folder is still found once the driver has entered the installed data.
    std::ofstream(*prefix / "elsewhere/own.xml") << "<level width=\"2000\" height=\"2000\"/>";
    const CommandResult driven =
        RunInstalled("sector-clash-autoplay", "--frames 15 --level own.xml --shot 15:frame.png");
    EXPECT_EQ(driven.exitCode, 0) << driven.output;
    EXPECT_EQ(driven.output.find("cannot be read"), std::string::npos) << driven.output;
    EXPECT_TRUE(fs::exists(*prefix / "elsewhere/frame.png"));
}

TEST(Build, ConfiguresWithoutGoogleTestAndGoogleBenchmark) {
    const fs::path folder = ScratchDir("build-without-tests");
    const CommandResult configured =
        RunCommand("cmake -S '" + SourceDir().string() + "' -B '" + folder.string() +
                   "' -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON 2>&1");
    EXPECT_EQ(configured.exitCode, 0) << configured.output;
    EXPECT_NE(configured.output.find("the tests are left out"), std::string::npos) << configured.output;
    EXPECT_NE(configured.output.find("the benchmarks are left out"), std::string::npos) << configured.output;
    fs::remove_all(folder);
}

} // namespace
