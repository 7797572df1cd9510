// The running game mode: the draw counters are shown and cleared every frame, and a restart rebuilds the
// game from its level with fresh objects.
#include "game/GameMode.h"
#include "game/Level.h"
#include "graphics/DrawCounters.h"
#include "graphics/ParticleDrawing.h"
#include "replay/ReplayFolder.h"
#include "replay/ReplayReader.h"
#include "shell/ModeManager.h"
#include "shell/program/Program.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"
#include "visuals/ParticleSystem.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {

// Runs the program for `frames` frames with a fixed 16 ms interval, calling `look` after each.
void RunFrames(std::uint32_t frames, const std::function<void(std::uint32_t)>& look) {
    Zelt::ProgramOptions options;
    std::uint32_t now = 0;
    options.clock = [&now] { return now; };
    options.beforeFrame = [&now](std::uint32_t) { now += 16; };
    options.ignoreActivation = true;
    options.afterFrame = [&](std::uint32_t frame) {
        look(frame);
        return frame < frames;
    };
    Zelt::RunProgram(options);
}

Vorn::Mode::Game* Game() {
    return dynamic_cast<Vorn::Mode::Game*>(
        Zelt::modeManager.ModeAt(static_cast<std::size_t>(Zelt::gameModeIndex)));
}

} // namespace

TEST(GameMode, TheDrawCountersAreShownOnceAndThenReadZero) {
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "needs an X display";
    bool particlesCounted = false;
    std::uint32_t afterShown = 1;
    RunFrames(16, [&](std::uint32_t frame) {
        if (frame == 14) {
            particlesCounted = Vorn::drawnParticleCounter == &Vorn::drawCounters[Vorn::particlesDrawnCounter];
            Vorn::drawCounters[3] = 7;
        }
        if (frame == 15)
            afterShown = Vorn::drawCounters[3];
    });
    EXPECT_TRUE(particlesCounted) << "drawn particles count in the first counter";
    EXPECT_EQ(afterShown, 0u) << "frame 15 showed the 7 and cleared it";
    EXPECT_EQ(Vorn::drawnParticleCounter, nullptr) << "nothing counts once the game is gone";
}

TEST(GameMode, ARestartBuildsTheGameAnewFromItsLevel) {
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "needs an X display";
    const Vorn::World* before = nullptr;
    unsigned clockBefore = 0;
    bool restarted = false;
    unsigned levelClockAfter = 1;
    unsigned built = 0;
    RunFrames(24, [&](std::uint32_t frame) {
        if (frame == 20) {
            before = Vorn::world;
            clockBefore = Vorn::world->Clock();
            Vorn::world->sides[3].money = 123456;
            restarted = Game()->Restart();
            levelClockAfter = Game()->CurrentLevel()->clock;
            built = Game()->GamesBuilt();
            EXPECT_NE(Vorn::world->sides[3].money, 123456) << "the sides were rebuilt";
            EXPECT_EQ(Vorn::world->Clock(), 0u);
        }
    });
    EXPECT_TRUE(restarted);
    EXPECT_GT(clockBefore, 0u);
    EXPECT_NE(before, nullptr);
    EXPECT_EQ(levelClockAfter, 0u);
    EXPECT_EQ(built, 2u);
}

// Each game of a session leaves its own replay, and each plays again from its own seed: a game built anew
// must not go on with the generator where the last one left it, which no replay could give back.
TEST(GameMode, EveryGameOfASessionLeavesAReplayThatPlaysAgain) {
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "needs an X display";
    namespace fs = std::filesystem;
    const fs::path folder = testing_support::ScratchDir("game_mode_replays");
    Vorn::Mode::Game::replayFolder = folder.string();
    std::uint32_t firstSeed = 0;
    std::uint32_t secondSeed = 0;
    RunFrames(50, [&](std::uint32_t frame) {
        if (frame == 30) {
            firstSeed = Game()->Seed();
            ASSERT_TRUE(Game()->Restart());
            secondSeed = Game()->Seed();
        }
    });
    Vorn::Mode::Game::replayFolder.clear();
    const std::vector<std::string> kept = Vorn::ReplayFilesNewestFirst(folder.string());
    ASSERT_EQ(kept.size(), 2u);
    Vorn::Replay first;
    Vorn::Replay second;
    std::string fault;
    // Both were written within the same second or two: tell them apart by their seeds.
    ASSERT_TRUE(Vorn::ReadReplayFile(kept[0], first, fault)) << fault;
    ASSERT_TRUE(Vorn::ReadReplayFile(kept[1], second, fault)) << fault;
    if (first.seed != firstSeed)
        std::swap(first, second);
    EXPECT_EQ(first.seed, firstSeed);
    EXPECT_EQ(second.seed, secondSeed);
    EXPECT_NE(firstSeed, secondSeed);
    for (const std::string& path : kept) {
        const testing_support::CommandResult run =
            testing_support::RunCommand("cd '" + testing_support::SourceDir().string() + "' && '" +
                                        (testing_support::BinDir() / "sector-clash-simulate").string() +
                                        "' --replay '" + path + "' 2>&1");
        EXPECT_EQ(run.exitCode, 0) << path << "\n" << run.output;
    }
    fs::remove_all(folder);
}
