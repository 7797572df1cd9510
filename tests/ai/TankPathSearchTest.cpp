// The local path search: a blocked tank stops and looks around its heading at its next think, a far
// waypoint behind something gets a detour, and every step count in the data ends the search.
#include "DrivingWorld.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Vorn;
using AiTest::DrawsSince;
using AiTest::DrivingWorld;

namespace {
class TankPathSearch : public ::testing::Test, public DrivingWorld {
protected:
    // One step of the given length that thinks, or does not, but never slow-thinks.
    void Step(Tank* tank, unsigned elapsedMs, bool think) {
        tank->brain->thinkCountdown = think ? 0 : static_cast<int>(elapsedMs) + 50;
        tank->brain->slowThinkCountdown = static_cast<int>(elapsedMs) + 500;
        tank->brain->Process(elapsedMs);
    }
    // A tank driving north at half speed towards a far waypoint, an obstacle just in front of it.
    Tank* BlockedTank() {
        Tank* tank = AddTank(0, 0, 0);
        AddObstacle(0, 20.5f);
        tank->brain->SetWaypoint(0, 1000);
        tank->brain->speedFraction = 0.5f;
        return tank;
    }
    // A tank with an obstacle on top of it: every way out is blocked.
    Tank* BoxedTank() {
        Tank* tank = AddTank(0, 0, 0);
        AddObstacle(0, 5);
        tank->brain->SetWaypoint(0, 1000);
        return tank;
    }
    bool CanReach(Tank* tank, const TankBrain::Waypoint& point) {
        return world->CanMoveTo(tank, point.x, point.y, tank->size);
    }
};
} // namespace

TEST_F(TankPathSearch, BlockedTankStopsDeadAndGetsAFreeDetourAtItsNextThink) {
    Tank* tank = BlockedTank();
    Step(tank, 16, false);
    EXPECT_EQ(tank->brain->speedFraction, 0);
    EXPECT_EQ(tank->y, 0);
    EXPECT_EQ(tank->brain->Waypoints().size(), 1u);

    Step(tank, 100, true);
    ASSERT_EQ(tank->brain->Waypoints().size(), 2u);
    const TankBrain::Waypoint detour = tank->brain->Waypoints().front();
    EXPECT_TRUE(CanReach(tank, detour));
    const float distance = std::hypot(detour.x, detour.y);
    EXPECT_GE(distance, 30 - 0.01f); // 3 to 6 tank sizes
    EXPECT_LE(distance, 60 + 0.01f);
    EXPECT_EQ(tank->brain->Waypoints().back().y, 1000);
}

TEST_F(TankPathSearch, StepCountsOfOneOrLessOrThatCannotBeMeantSearchNothing) {
    for (const float steps : {1.0f, 0.5f, 0.0f, -3.0f, -std::numeric_limits<float>::infinity(),
                              std::numeric_limits<float>::quiet_NaN()}) {
        DrivingWorld field;
        field.tankAI.pfL1Steps = steps;
        Tank* tank = field.AddTank(0, 0, 0);
        field.AddObstacle(0, 20.5f);
        tank->brain->SetWaypoint(0, 1000);
        const Random before = randomGenerator;
        tank->brain->slowThinkCountdown = 1000;
        tank->brain->Process(100);
        EXPECT_EQ(tank->brain->speedFraction, 0) << steps;
        EXPECT_EQ(tank->brain->Waypoints().size(), 1u) << steps;
        EXPECT_EQ(DrawsSince(before), 0) << steps;
    }
}

TEST_F(TankPathSearch, FruitlessSearchTriesEachAngleOnBothSidesAndHugeStepCountsAreHeld) {
    Tank* tank = BoxedTank();
    Random before = randomGenerator;
    Step(tank, 16, true);
    EXPECT_EQ(tank->brain->Waypoints().size(), 1u);
    EXPECT_EQ(DrawsSince(before), 7 * 2 * 2); // 7 angles below a half turn, 2 sides, 2 draws each

    for (const float steps : {1e30f, std::numeric_limits<float>::infinity()}) {
        tankAI.pfL1Steps = steps;
        Tank* boxed = AddTank(2000, 0, 0);
        AddObstacle(2000, 5);
        boxed->brain->SetWaypoint(2000, 1000);
        before = randomGenerator;
        Step(boxed, 16, true);
        EXPECT_EQ(boxed->brain->Waypoints().size(), 1u);
        EXPECT_EQ(DrawsSince(before), (static_cast<int>(Constants::maxPathSearchSteps) - 1) * 2 * 2) << steps;
    }
}

TEST_F(TankPathSearch, DetourNearTheFrontWaypointReplacesIt) {
    tankAI.waypointCollapseDst = 2000;
    Tank* tank = BlockedTank();
    Step(tank, 100, true);
    ASSERT_EQ(tank->brain->Waypoints().size(), 1u);
    EXPECT_LT(tank->brain->Waypoints().front().y, 100);
}

TEST_F(TankPathSearch, FarWaypointBehindAnObstacleGetsADetourWhenTheTankSlowThinks) {
    Tank* tank = AddTank(0, 0, 0);
    AddObstacle(0, 80); // on the probe, half the search distance out
    tank->brain->SetWaypoint(0, 1000);
    tank->brain->Process(16);
    ASSERT_EQ(tank->brain->Waypoints().size(), 2u);
    const TankBrain::Waypoint detour = tank->brain->Waypoints().front();
    EXPECT_TRUE(CanReach(tank, detour));
    const float distance = std::hypot(detour.x, detour.y);
    EXPECT_GE(distance, 160.0f / 3 - 0.01f);
    EXPECT_LE(distance, 80 + 0.01f);
}

TEST_F(TankPathSearch, FarSearchSkipsNearWaypointsFreeWaysAndTanksNotUnderGas) {
    AddObstacle(0, 75);
    Tank* near = AddTank(0, 0, 0);
    near->brain->SetWaypoint(0, 150); // within the search distance
    Random before = randomGenerator;
    near->brain->Process(16);
    EXPECT_EQ(near->brain->Waypoints().size(), 1u);

    Tank* turning = AddTank(1000, 0, 180); // facing away from its waypoint
    AddObstacle(1000, 80);
    turning->brain->SetWaypoint(1000, 1000);
    turning->brain->Process(16);
    EXPECT_EQ(turning->brain->Waypoints().size(), 1u);

    Tank* free = AddTank(2000, 0, 0);
    free->brain->SetWaypoint(2000, 1000);
    free->brain->Process(16);
    EXPECT_EQ(free->brain->Waypoints().size(), 1u);
    EXPECT_EQ(DrawsSince(before), 0);
}

TEST_F(TankPathSearch, ReachingAWaypointLooksAtTheWayToTheNextInTheSameStep) {
    Tank* tank = AddTank(0, 0, 0);
    AddObstacle(0, 80);
    tank->brain->RestoreRoute({{0, 5}, {0, 1000}});
    Step(tank, 16, false); // neither a think nor a slow think of its own
    ASSERT_EQ(tank->brain->Waypoints().size(), 2u);
    EXPECT_NE(tank->brain->Waypoints().front().y, 1000);
}
