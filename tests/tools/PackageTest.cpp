// `cpack -G DEB` makes the Debian package from this build: named for the game's version, its library
// dependencies found by dpkg-shlibdeps, the programs in /usr/games with their data, desktop entry, icons,
// manual pages, metadata and documents where Debian and desktops look for them. Unpacked anywhere, its
// simulator and checker work on its own data, and lintian finds no error in it.
#include "shell/GameVersion.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace testing_support;

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::string ControlField(const fs::path& package, const std::string& field) {
    return Trimmed(RunCommand("dpkg-deb -f '" + package.string() + "' " + field).output);
}

void ExpectControlFields(const fs::path& package) {
    EXPECT_EQ(ControlField(package, "Package"), "sector-clash");
    EXPECT_EQ(ControlField(package, "Version"), Zelt::GameVersion());
    EXPECT_EQ(ControlField(package, "Section"), "games");
    // Versioned library packages are what dpkg-shlibdeps writes; a list kept by hand would not have them.
    const std::string depends = ControlField(package, "Depends");
    for (const char* library : {"libc6 (>= ", "libsdl2-2.0-0 (>= ", "libfreetype6 (>= ", "libpng16-16 (>= "})
        EXPECT_NE(depends.find(library), std::string::npos) << library << " in " << depends;
}

void ExpectDebianLayout(const fs::path& root) {
    for (const std::string& program : BuiltPrograms())
        EXPECT_TRUE(fs::is_regular_file(root / "usr/games" / program)) << program;
    EXPECT_FALSE(fs::exists(root / "usr/bin"));
    EXPECT_TRUE(fs::exists(root / "usr/share/games/sector-clash/data/config.xml"));
    EXPECT_TRUE(fs::exists(root / "usr/share/applications/sector-clash.desktop"));
    EXPECT_TRUE(fs::exists(root / "usr/share/icons/hicolor/128x128/apps/sector-clash.png"));
    for (const auto& page : fs::directory_iterator(SourceDir() / "man")) {
        const std::string name = page.path().filename().string();
        const fs::path installed =
            root / "usr/share/man" / ("man" + name.substr(name.size() - 1)) / (name + ".gz");
        EXPECT_TRUE(fs::exists(installed)) << installed;
    }
    int metadata = 0;
    for (const auto& file : fs::directory_iterator(root / "usr/share/metainfo"))
        metadata += file.path().string().ends_with(".metainfo.xml");
    EXPECT_EQ(metadata, 1);
    EXPECT_TRUE(fs::exists(root / "usr/share/doc/sector-clash/copyright"));
    // A release without its changelog entry would ship the previous one's notes.
    const std::string newest =
        RunCommand("zcat '" + (root / "usr/share/doc/sector-clash/changelog.gz").string() + "' | head -1")
            .output;
    EXPECT_EQ(newest.rfind("sector-clash (" + std::string(Zelt::GameVersion()) + ") ", 0), 0u) << newest;
}

// The unpacked programs, run from a folder without data, find the data unpacked beside them.
void ExpectProgramsWorkOnTheirOwnData(const fs::path& root) {
    const fs::path elsewhere = root.parent_path() / "elsewhere";
    fs::create_directories(elsewhere);
    const std::string data = (root / "usr/share/games/sector-clash/data").string();
    const CommandResult simulated = RunCommand("cd '" + elsewhere.string() + "' && '" +
                                               (root / "usr/games/sector-clash-simulate").string() +
                                               "' levels/level1.xml --steps 2 2>&1");
    EXPECT_EQ(simulated.exitCode, 0) << simulated.output;
    EXPECT_NE(simulated.output.find("data folder " + data + "\n"), std::string::npos) << simulated.output;
    const CommandResult checked =
        RunCommand("cd '" + elsewhere.string() + "' && '" + (root / "usr/games/sector-clash-check").string() +
                   "' '" + data + "' 2>&1");
    EXPECT_EQ(checked.exitCode, 0) << checked.output;
}

void ExpectNoLintianErrors(const fs::path& package) {
    const CommandResult lintian = RunCommand("lintian '" + package.string() + "' 2>&1");
    EXPECT_EQ(lintian.output.find("E: "), std::string::npos) << lintian.output;
    EXPECT_NE(lintian.exitCode, 127) << "lintian is missing: scripts/install-deps.sh installs it";
}

TEST(Package, IsADebianGamePackageWhoseProgramsFindTheirDataAndThatLintianPasses) {
    const fs::path folder = ScratchDir("package");
    const CommandResult made = RunCommand("cd '" + BinDir().parent_path().string() +
                                          "' && cpack -G DEB -B '" + folder.string() + "' 2>&1");
    ASSERT_EQ(made.exitCode, 0) << made.output;
    const std::string architecture = Trimmed(RunCommand("dpkg --print-architecture").output);
    const fs::path package =
        folder / ("sector-clash_" + std::string(Zelt::GameVersion()) + "_" + architecture + ".deb");
    ASSERT_TRUE(fs::exists(package)) << made.output;

    ExpectControlFields(package);
    const fs::path root = folder / "root";
    ASSERT_EQ(RunCommand("dpkg -x '" + package.string() + "' '" + root.string() + "'").exitCode, 0);
    ExpectDebianLayout(root);
    ExpectProgramsWorkOnTheirOwnData(root);
    ExpectNoLintianErrors(package);
    fs::remove_all(folder);
}

} // namespace
