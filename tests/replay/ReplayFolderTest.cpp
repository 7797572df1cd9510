// The replay folder: names by date and level, the newest twenty kept, the player's own files left alone,
// and a summary that refuses what the reader refuses.
#include "replay/ReplayFolder.h"
#include "replay/ReplayWriter.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace Vorn;
namespace fs = std::filesystem;

namespace {

// 2026-12-10 08:52:27 UTC
constexpr std::uint64_t someDate = 1796892747;

Replay GameOf(std::uint64_t date, const std::string& level) {
    Replay replay;
    replay.gameVersion = "0.1.0";
    replay.levelPath = level;
    replay.stepMs = 16;
    replay.steps = 6250;
    replay.date = date;
    replay.outcome = ReplayOutcome::Lost;
    return replay;
}

} // namespace

TEST(ReplayFolder, NamesSayTheDateAndTheLevelInAFormTheFolderRecognises) {
    EXPECT_EQ(ReplayFileName(someDate, "levels/level0.xml"), "2026-12-10-085227-level0.replay");
    EXPECT_EQ(ReplayFileName(someDate, "/home/a b/../my level!.xml"), "2026-12-10-085227-my_level_.replay");
    EXPECT_EQ(ReplayFileName(someDate, ""), "2026-12-10-085227-level.replay");
    EXPECT_TRUE(IsGameReplayName(ReplayFileName(someDate, "levels/level0.xml")));
    for (const char* name : {"best game.replay", "2026-12-10-085227-level0.txt", "2026-12-10-08522x-a.replay",
                             "2026-12-10-085227-.replay"})
        EXPECT_FALSE(IsGameReplayName(name)) << name;
}

TEST(ReplayFolder, KeepsTheNewestTwentyOfItsOwnAndLeavesThePlayersFilesAlone) {
    const fs::path folder = testing_support::ScratchDir("replay_folder_keep");
    std::ofstream(folder / "my best game.replay") << "mine\n";
    std::string fault;
    // Written out of date order, twice in one second: the dates decide, not the order of writing. Every
    // third game was loaded from a save, and its replay keeps a copy of the save's bytes.
    for (int game = 24; game >= 0; --game) {
        Replay replay = GameOf(someDate + game * 60, "levels/level1.xml");
        const std::string saveBytes = game % 3 == 0 ? "save of game " + std::to_string(game) : "";
        if (!saveBytes.empty())
            replay.startSave = ReplayStartSave{"quick.save", 7};
        const std::string path = SaveReplayInFolder(folder.string(), replay, fault, keptReplays, saveBytes);
        ASSERT_FALSE(path.empty()) << fault;
        // The oldest are thinned out as soon as they are written.
        if (saveBytes.empty() || game < 5)
            continue;
        ReplaySummary summary;
        ASSERT_TRUE(ReadReplaySummary(path, summary, fault)) << fault;
        EXPECT_EQ(summary.startSave->path, fs::path(path).replace_extension(".save").string());
        std::ifstream copy(summary.startSave->path);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copy), {}), saveBytes);
    }
    const std::string twin =
        SaveReplayInFolder(folder.string(), GameOf(someDate + 24 * 60, "level1.xml"), fault);
    EXPECT_EQ(fs::path(twin).filename(), "2026-12-10-091627-level1-2.replay");

    const std::vector<std::string> kept = ReplayFilesNewestFirst(folder.string());
    ASSERT_EQ(kept.size(), keptReplays);
    EXPECT_EQ(fs::path(kept.front()).filename(), "2026-12-10-091627-level1.replay");
    EXPECT_EQ(fs::path(kept.back()).filename(), "2026-12-10-085827-level1.replay");
    EXPECT_TRUE(fs::exists(folder / "my best game.replay"));
    // The saves of the replays thinned out went with them: those of games 0 and 3 of 0, 3, ..., 24.
    int saves = 0;
    for (const fs::path& file : fs::directory_iterator(folder))
        saves += file.extension() == ".save";
    EXPECT_EQ(saves, 7);
    fs::remove_all(folder);
}

TEST(ReplayFolder, ASummaryGivesLevelDateLengthAndOutcomeAndRefusesWhatTheReaderRefuses) {
    const fs::path folder = testing_support::ScratchDir("replay_folder_summary");
    std::string fault;
    const std::string path =
        SaveReplayInFolder(folder.string(), GameOf(someDate, "levels/level2.xml"), fault);
    ReplaySummary summary;
    ASSERT_TRUE(ReadReplaySummary(path, summary, fault)) << fault;
    EXPECT_EQ(summary.levelPath, "levels/level2.xml");
    EXPECT_EQ(summary.date, someDate);
    EXPECT_EQ(summary.lengthSeconds, 100u);
    EXPECT_EQ(summary.outcome, ReplayOutcome::Lost);

    std::string text = ReplayText(GameOf(someDate, "levels/level2.xml"));
    std::ofstream(path) << text.substr(0, text.size() - 3);
    EXPECT_FALSE(ReadReplaySummary(path, summary));
    fs::remove_all(folder);
}
