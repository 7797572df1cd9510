// The running game mode: the draw counters are shown and cleared every frame, and a restart rebuilds the
// game from its level with fresh objects.
#include "game/GameMode.h"
#include "game/Level.h"
#include "graphics/DrawCounters.h"
#include "graphics/ParticleSystem.h"
#include "shell/ModeManager.h"
#include "shell/program/Program.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cstdlib>
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
            particlesCounted = Vorn::ParticleSystem::drawnParticleCounter ==
                               &Vorn::drawCounters[Vorn::particlesDrawnCounter];
            Vorn::drawCounters[3] = 7;
        }
        if (frame == 15)
            afterShown = Vorn::drawCounters[3];
    });
    EXPECT_TRUE(particlesCounted) << "drawn particles count in the first counter";
    EXPECT_EQ(afterShown, 0u) << "frame 15 showed the 7 and cleared it";
    EXPECT_EQ(Vorn::ParticleSystem::drawnParticleCounter, nullptr) << "nothing counts once the game is gone";
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
