// `cmake --install` lays the game out so that the installed programs find their data, the desktop its
// entry and icons and man the manual pages; the game builds without the test libraries.
#include "platform/PngFile.h"
#include "shell/program/DataLocation.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <vector>

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
    EXPECT_TRUE(fs::exists(*prefix / "share/games/sector-clash/data/config.xml"));
    EXPECT_TRUE(fs::exists(*prefix / "share/games/sector-clash/data/graphics/cursors"));
    EXPECT_TRUE(fs::exists(*prefix / "share/doc/sector-clash/LICENSE"));
    // The package's own layout and documents stay out of a plain installation.
    EXPECT_FALSE(fs::exists(*prefix / "games"));
    EXPECT_FALSE(fs::exists(*prefix / "share/doc/sector-clash/copyright"));

    // The installed game, started anywhere, settles on the installed data.
    EXPECT_EQ(Zelt::ChooseDataParent(*prefix / "elsewhere", *prefix / "bin"),
              fs::weakly_canonical(*prefix / "share/games/sector-clash"));

    std::ifstream entryFile(*prefix / "share/applications/sector-clash.desktop");
    std::stringstream entry;
    entry << entryFile.rdbuf();
    EXPECT_NE(entry.str().find("Exec=sector-clash\n"), std::string::npos) << entry.str();
    EXPECT_NE(entry.str().find("Icon=sector-clash\n"), std::string::npos) << entry.str();
    for (const int size : {48, 64, 128, 256}) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        platform::RgbaImage icon;
        EXPECT_EQ(platform::ReadPng(
                      (*prefix / "share/icons/hicolor" / folder / "apps/sector-clash.png").string(), icon),
                  "")
            << folder;
        EXPECT_EQ(icon.width, size);
        EXPECT_EQ(icon.height, size);
    }
    EXPECT_TRUE(fs::exists(*prefix / "share/man/man6/sector-clash.6.gz"));
    EXPECT_TRUE(fs::exists(*prefix / "share/man/man1/sector-clash-check.1.gz"));
}

TEST_F(Install, TheInstalledToolsFindTheInstalledDataFromAnyFolder) {
    const std::string data = fs::weakly_canonical(*prefix / "share/games/sector-clash/data").string();
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

// Software centres show the metadata only when it validates; the screenshots it names are the tree's own,
// published under the project's web address.
TEST_F(Install, TheMetadataValidatesAndNamesScreenshotsOfTheTree) {
    std::vector<fs::path> files;
    for (const auto& file : fs::directory_iterator(*prefix / "share/metainfo"))
        files.push_back(file.path());
    ASSERT_EQ(files.size(), 1u);
    const CommandResult validated =
        RunCommand("appstreamcli validate --no-net '" + files[0].string() + "' 2>&1");
    EXPECT_EQ(validated.exitCode, 0) << validated.output;

    std::ifstream file(files[0]);
    std::stringstream text;
    text << file.rdbuf();
    const std::string metadata = text.str();
    std::smatch address;
    ASSERT_TRUE(std::regex_search(metadata, address, std::regex(R"(<url type="homepage">([^<]+)</url>)")));
    const std::regex image("<image>" + address[1].str() + "/screenshots/([^<]+)</image>");
    int screenshots = 0;
    for (std::sregex_iterator found(metadata.begin(), metadata.end(), image), end; found != end; ++found) {
        ++screenshots;
        EXPECT_TRUE(fs::exists(SourceDir() / "packaging/screenshots" / (*found)[1].str())) << (*found)[1];
    }
    // Every image is one of them.
    const std::regex anyImage("<image>");
    EXPECT_EQ(std::distance(std::sregex_iterator(metadata.begin(), metadata.end(), anyImage),
                            std::sregex_iterator()),
              screenshots);
    EXPECT_GE(screenshots, 1);
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
