// The game given a data folder with one file missing, empty or cut in half: it either starts and plays, or
// ends with one line that names the file. It never crashes and never hangs.
//
// Every file of the data folder's top, its levels, textures, fonts and cursors is damaged in each way; of
// the drawings, which share one loader, a few of different kinds are. SECTOR_CLASH_DAMAGE_EVERY_FILE=1
// damages every drawing too.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

enum class Damage { missing, empty, truncated };

const char* NameOf(Damage damage) {
    switch (damage) {
    case Damage::missing:
        return "missing";
    case Damage::empty:
        return "empty";
    case Damage::truncated:
        return "truncated";
    }
    return "";
}

// Frames enough for the loading mode's ten steps and two of the game after them, each the longest step
// the game takes: 0.2 s of the battle, after every file was loaded. The checks read exit codes and
// messages, never pixels, so no frame is filled (drawFewFrames), though every draw call still runs. Every
// damage ends as it does with four game frames, all drawn.
constexpr int framesPlayed = 12;
constexpr int frameIntervalMs = 100;
// A hang is a run still going after this; a healthy run takes a few seconds, under ASan a few more.
constexpr int hangSeconds = 120;

// A copy of the shipped data folder made of links, so only the damaged file is a file of its own.
void LinkDataFolder(const fs::path& target) {
    const fs::path shipped = SourceDir() / "data";
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(shipped)) {
        const fs::path copy = target / fs::relative(entry.path(), shipped);
        if (entry.is_directory())
            fs::create_directories(copy);
        else
            fs::create_symlink(entry.path(), copy);
    }
}

void DamageFile(const fs::path& dataFolder, const fs::path& relative, Damage damage) {
    const fs::path shipped = SourceDir() / "data" / relative;
    const fs::path damaged = dataFolder / relative;
    fs::remove(damaged);
    if (damage == Damage::missing)
        return;
    std::string text;
    if (damage == Damage::truncated) {
        std::ifstream file(shipped, std::ios::binary);
        std::ostringstream whole;
        whole << file.rdbuf();
        text = whole.str().substr(0, whole.str().size() / 2);
    }
    std::ofstream(damaged, std::ios::binary) << text;
}

struct GameRun {
    int exitCode = -1;
    std::vector<std::string> gameLines; // what the game itself said, warnings left out
    std::string output;
};

GameRun RunDriverOver(const fs::path& folder) {
    const std::string command =
        "cd '" + folder.string() + "' && SDL_AUDIODRIVER=dummy timeout -s KILL " +
        std::to_string(hangSeconds) + " '" + (BinDir() / "sector-clash-autoplay").string() +
        "' --level levels/level0.xml --frames " + std::to_string(framesPlayed) +
        " --interval " + std::to_string(frameIntervalMs) + drawFewFrames + "2>&1 >/dev/null";
    const CommandResult result = RunCommand(command);
    GameRun run;
    run.exitCode = result.exitCode;
    run.output = result.output;
    std::istringstream lines(result.output);
    for (std::string line; std::getline(lines, line);) {
        const bool fromTheGame = line.rfind("sector-clash: ", 0) == 0;
        const bool warning = line.find("the game goes on without it") != std::string::npos;
        if (fromTheGame && !warning)
            run.gameLines.push_back(line);
    }
    return run;
}

// Damages the file in each way and checks how the game takes it.
void ExpectEachDamageHandled(const fs::path& relative) {
    const fs::path scratch = ScratchDir("damaged-data");
    for (Damage damage : {Damage::missing, Damage::empty, Damage::truncated}) {
        SCOPED_TRACE(relative.string() + " " + NameOf(damage));
        const fs::path folder = scratch / "run";
        fs::remove_all(folder);
        LinkDataFolder(folder / "data");
        DamageFile(folder / "data", relative, damage);
        const GameRun run = RunDriverOver(folder);
        // The driver answers 0 or 1; a crash or timeout's kill leaves the shell's 128 + signal.
        ASSERT_TRUE(run.exitCode == 0 || run.exitCode == 1) << "crashed or hung:\n" << run.output;
        if (run.exitCode == 0)
            continue;
        ASSERT_EQ(run.gameLines.size(), 1u) << run.output;
        EXPECT_NE(run.gameLines.front().find(relative.filename().string()), std::string::npos)
            << run.gameLines.front();
    }
    fs::remove_all(scratch);
}

std::vector<fs::path> FilesIn(const fs::path& relativeFolder) {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(SourceDir() / "data" / relativeFolder))
        if (entry.is_regular_file())
            files.push_back(relativeFolder / entry.path().filename());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<fs::path> DamagedFiles() {
    std::vector<fs::path> files;
    for (const char* folder : {"", "levels", "graphics/textures", "graphics/fonts", "graphics/cursors"})
        for (const fs::path& file : FilesIn(folder))
            files.push_back(file);
    if (std::getenv("SECTOR_CLASH_DAMAGE_EVERY_FILE") != nullptr) {
        for (const fs::path& file : FilesIn("graphics/drawings"))
            files.push_back(file);
        return files;
    }
    for (const char* drawing :
         {"LightTank.xml", "Cannon2.xml", "Base.xml", "DefenseTower.xml", "BlueSmoke.xml", "empty.xml"})
        files.push_back(fs::path("graphics/drawings") / drawing);
    return files;
}

// One test per file, so that the runs spread over the test runner's jobs and each has its own time limit.
class DamagedData : public testing::TestWithParam<fs::path> {
protected:
    void SetUp() override {
        if (!HaveDisplay())
            GTEST_SKIP() << "needs an X display";
    }
};

std::string TestNameOf(const testing::TestParamInfo<fs::path>& info) {
    std::string name = info.param.string();
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

} // namespace

TEST_P(DamagedData, IsHandledMissingEmptyOrCutInHalf) {
    ExpectEachDamageHandled(GetParam());
}

INSTANTIATE_TEST_SUITE_P(DataFile, DamagedData, testing::ValuesIn(DamagedFiles()), TestNameOf);
