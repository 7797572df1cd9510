// How well the shipped tuning drives, with the shipped rules and a fixed seed. The floors are what the
// shipped "TankAI" values reach; the figures are printed for the balance notes.
#include "MovementScenarios.h"
#include "datafiles/Node.h"
#include "visuals/DrawingStore.h"
#include "rules/ConstantsLoader.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace AiTest;

namespace {
class MovementScenario : public ::testing::Test {
protected:
    void SetUp() override {
        Vorn::Constants::LoadConstants();
        Vorn::drawingStore.Load(Brisk::Node(), [](const std::string&) { return Brisk::Node(); });
    }
    void TearDown() override {
        Vorn::drawingStore.Release();
        Vorn::Constants::ReleaseConstants();
    }
};
} // namespace

TEST_F(MovementScenario, TankSentBehindAStraightWallGetsRoundIt) {
    const double seconds = WallDetourSeconds();
    std::printf("[ figures  ] round the wall: %.1f s\n", seconds);
    EXPECT_GT(seconds, 0);
    EXPECT_LT(seconds, 45); // about 31 s; 13 s drive the straight line
}

TEST_F(MovementScenario, GroupSqueezesThroughAGapOneAndAHalfTanksWide) {
    const GapFigures figures = GapPassage();
    std::printf("[ figures  ] through the gap: %d by 30 s, %d by 60 s, %d by 120 s, %d stuck\n",
                figures.arrivedBy30s, figures.arrivedBy60s, figures.arrivedBy120s, figures.stuckAt120s);
    // Only tanks whose line leads through the gap find it: the local search has no plan for a narrow way.
    EXPECT_GE(figures.arrivedBy120s, 3);
    EXPECT_LE(figures.stuckAt120s, 17);
}

TEST_F(MovementScenario, CrowdSentToOnePointComesToRest) {
    const CrowdFigures figures = CrowdToOnePoint();
    std::printf(
        "[ figures  ] crowd: settled at %.1f s, %d moving in the last 30 s, %d holding, farthest %.0f\n",
        figures.settledSeconds, figures.movingInLast30s, figures.holding, figures.farthest);
    EXPECT_EQ(figures.movingInLast30s, 0);
    EXPECT_LT(figures.settledSeconds, 120); // about 81 s
    EXPECT_LT(figures.farthest, 500);
}
