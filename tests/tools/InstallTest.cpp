// `cmake --install` lays the game out so that the installed program finds its data and the desktop its
// entry and icon.
#include "platform/PngFile.h"
#include "shell/program/DataLocation.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using namespace testing_support;

TEST(Install, PutsProgramsDataDesktopEntryAndIconWhereTheGameAndDesktopLook) {
    const fs::path prefix = ScratchDir("install") / "prefix";
    const std::string command = "cmake --install '" + BinDir().parent_path().string() + "' --prefix '" +
                                prefix.string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    for (const char* program : {"sector-clash", "sector-clash-check", "sector-clash-autoplay"})
        EXPECT_TRUE(fs::exists(prefix / "bin" / program)) << program;
    EXPECT_TRUE(fs::exists(prefix / "share/sector-clash/data/config.xml"));
    EXPECT_TRUE(fs::exists(prefix / "share/sector-clash/data/graphics/cursors"));

    // The installed game, started anywhere, settles on the installed data.
    fs::create_directories(prefix / "elsewhere");
    EXPECT_EQ(Zelt::ChooseDataParent(prefix / "elsewhere", prefix / "bin"),
              fs::weakly_canonical(prefix / "share/sector-clash"));

    std::ifstream entryFile(prefix / "share/applications/sector-clash.desktop");
    std::stringstream entry;
    entry << entryFile.rdbuf();
    EXPECT_NE(entry.str().find("Exec=sector-clash\n"), std::string::npos) << entry.str();
    EXPECT_NE(entry.str().find("Icon=sector-clash\n"), std::string::npos) << entry.str();
    platform::RgbaImage icon;
    EXPECT_EQ(platform::ReadPng((prefix / "share/icons/hicolor/48x48/apps/sector-clash.png").string(), icon), "");
    EXPECT_EQ(icon.width, 48);
    EXPECT_EQ(icon.height, 48);
    fs::remove_all(prefix.parent_path());
}

} // namespace
