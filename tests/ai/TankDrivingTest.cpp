// Driving along waypoints: states, steering and gas, the speed factor, moving and stopping, reached,
// unreachable and doubling-back waypoints, and the waypoint queue's merging.
#include "DrivingWorld.h"
#include "rules/FowData.h"
#include "world/Angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace Vorn;
using AiTest::DrivingWorld;

namespace {
class TankDriving : public ::testing::Test, public DrivingWorld {
protected:
    // A step in which the brain neither thinks nor slow-thinks.
    void QuietStep(Tank* tank, unsigned elapsedMs = 16) {
        tank->brain->thinkCountdown = static_cast<int>(elapsedMs) + 50;
        tank->brain->slowThinkCountdown = static_cast<int>(elapsedMs) + 500;
        tank->brain->Process(elapsedMs);
    }
};
} // namespace

TEST_F(TankDriving, SwitchedOffTanksIgnoreTheirRouteAndSwitchedOnOnesSetOffAtTheFirstWaypoint) {
    Tank* tank = AddTank(0, 0);
    tank->brain->SetActive(false);
    tank->brain->SetWaypoint(0, 500);
    tank->brain->Process(100);
    EXPECT_EQ(tank->brain->state, TankState::Inactive);
    EXPECT_EQ(tank->turret->brain.state, TurretState::Idle);
    EXPECT_EQ(tank->brain->speedFraction, 0);

    tank->brain->SetActive(true);
    EXPECT_EQ(tank->brain->state, TankState::Holding);
    EXPECT_EQ(tank->turret->brain.state, TurretState::Searching);
    tank->brain->Process(100);
    EXPECT_EQ(tank->brain->state, TankState::Moving);
    EXPECT_GT(tank->y, 0);
}

TEST_F(TankDriving, AcceleratesOnlyWhileHeadingWithinGasAngleAndBrakesWhileTurning) {
    Tank* straight = AddTank(0, 0, 0);
    straight->brain->SetWaypoint(200, 600); // about 18 degrees off
    QuietStep(straight, 100);
    EXPECT_FLOAT_EQ(straight->brain->speedFraction, 0.1f);

    Tank* across = AddTank(1000, 0, 0);
    across->brain->SetWaypoint(1600, 0); // 90 degrees off
    across->brain->speedFraction = 0.5f;
    QuietStep(across, 100);
    EXPECT_FLOAT_EQ(across->brain->speedFraction, 0.4f);
    EXPECT_FLOAT_EQ(across->direction, 9); // 90 degrees per second for 100 ms
}

TEST_F(TankDriving, HullSnapsOntoTheBearingAndTheIdleTurretTurnsByTheWholeStep) {
    Tank* tank = AddTank(0, 0, 0);
    tank->turret->direction = 30;
    tank->brain->SetWaypoint(-100, 1000); // bearing about -5.7
    QuietStep(tank, 100);
    EXPECT_NEAR(tank->direction, BearingOf(0, 0, -100, 1000), 0.01);
    EXPECT_FLOAT_EQ(tank->turret->direction, 21);

    const float heading = tank->direction;
    QuietStep(tank, 100); // within half a degree: no more turning
    EXPECT_NEAR(tank->direction, heading, 0.5);
    EXPECT_FLOAT_EQ(tank->turret->direction, 21);
}

TEST_F(TankDriving, SpeedFactorFollowsArmourLoadAndAmmunition) {
    Tank* tank = AddTank(0, 0);
    EXPECT_FLOAT_EQ(tank->brain->SpeedFactor(), 1); // whole, unloaded, no ammunition

    tank->armor->hitPoints = 50; // half its armour
    armor.weight = 15;
    turret.weight = 5; // a quarter of twice the load
    turret.maxAmmo = 10;
    tank->turret->ammunition = 10;
    EXPECT_FLOAT_EQ(tank->brain->SpeedFactor(), 1.5f * 0.75f * 0.5f * 0.75f);
}

TEST_F(TankDriving, OverloadedOrLoadlessChassisCrawlsInsteadOfRunningAway) {
    Tank* tank = AddTank(0, 0);
    armor.weight = 100; // two and a half times what the chassis carries
    const float crawl = tank->brain->SpeedFactor();
    EXPECT_GT(crawl, 0);
    EXPECT_LT(crawl, 0.1f);

    tank->brain->state = TankState::Moving;
    tank->brain->speedFraction = 0.5f;
    QuietStep(tank, 100); // no waypoint: brakes
    EXPECT_LT(tank->brain->speedFraction, 0.5f);

    chassis.maxLoad = 0;
    EXPECT_EQ(tank->brain->SpeedFactor(), crawl);
    armor.weight = 0;
    EXPECT_EQ(tank->brain->SpeedFactor(), crawl); // 0 over 0
    tank->brain->SetWaypoint(0, 1000);
    QuietStep(tank, 1000);
    EXPECT_FALSE(std::isnan(tank->brain->speedFraction));
    EXPECT_LE(tank->brain->speedFraction, crawl);
}

TEST_F(TankDriving, MovesAlongItsHeadingAndIsRefiledInTheWorld) {
    Tank* tank = AddTank(250, 0, 90);
    tank->brain->SetWaypoint(2000, 0);
    tank->brain->speedFraction = 1;
    QuietStep(tank, 100);
    EXPECT_FLOAT_EQ(tank->x, 260);
    EXPECT_TRUE(tank->brain->movedFlag);
    // Past the cell boundary at 256 the tank must be found in its new cell.
    EXPECT_TRUE(world->ContainsNear(260, 0, 0, ObjectRef(tank)));
}

TEST_F(TankDriving, RollsOutAfterTheLastWaypointAndHoldsOnlyOnceStopped) {
    Tank* tank = AddTank(0, 0);
    tank->brain->SetWaypoint(0, 5); // reached at once
    tank->brain->speedFraction = 0.25f;
    tank->brain->Process(100);
    EXPECT_TRUE(tank->brain->Waypoints().empty());
    EXPECT_EQ(tank->brain->state, TankState::Moving);
    EXPECT_GT(tank->y, 0);
    int steps = 0;
    while (tank->brain->state == TankState::Moving && steps < 10) {
        EXPECT_GT(tank->brain->speedFraction, 0) << steps;
        tank->brain->Process(100);
        ++steps;
    }
    EXPECT_EQ(tank->brain->speedFraction, 0);
    EXPECT_EQ(tank->brain->state, TankState::Holding);
    EXPECT_FALSE(tank->brain->movedFlag);
}

TEST_F(TankDriving, DropsEveryWaypointWithinItsSizeInOneStep) {
    Tank* tank = AddTank(0, 0);
    tank->brain->RestoreRoute({{3, 0}, {0, 6}, {0, -9}, {0, 900}});
    QuietStep(tank);
    ASSERT_EQ(tank->brain->Waypoints().size(), 1u);
    EXPECT_EQ(tank->brain->Waypoints().front().y, 900);
}

TEST_F(TankDriving, OccupiedWaypointIsDroppedOnlyOnceTheTankIsNearIt) {
    AddObstacle(0, 100);
    Tank* far = AddTank(0, -100); // 200 away, beyond 4 sizes
    far->brain->SetWaypoint(0, 100);
    far->brain->Process(16);
    EXPECT_EQ(far->brain->Waypoints().size(), 1u);

    Tank* near = AddTank(0, 65); // 35 away
    near->brain->SetWaypoint(0, 100);
    near->brain->Process(16);
    EXPECT_TRUE(near->brain->Waypoints().empty());

    Tank* free = AddTank(300, 65); // its waypoint is free
    free->brain->SetWaypoint(300, 100);
    free->brain->Process(16);
    EXPECT_EQ(free->brain->Waypoints().size(), 1u);
}

TEST_F(TankDriving, RouteDoublingBackOnTheDrivenLegLosesTheWaypointsBeforeTheCrossing) {
    Tank* tank = AddTank(0, 0, 45);
    tank->brain->RestoreRoute({{100, 100}, {100, 300}, {50, -50}, {50, -400}});
    const auto& route = tank->brain->Waypoints();
    tank->brain->Process(16);
    ASSERT_EQ(route.size(), 2u);
    EXPECT_EQ(route[0].x, 50);
    EXPECT_EQ(route[0].y, -50);

    Tank* onward = AddTank(1000, 0, 45);
    onward->brain->RestoreRoute({{1100, 100}, {1100, 300}, {1300, 400}, {1300, 700}});
    onward->brain->Process(16);
    EXPECT_EQ(onward->brain->Waypoints().size(), 4u);

    Tank* quiet = AddTank(2000, 0, 45); // shortening waits for a think
    quiet->brain->RestoreRoute({{2100, 100}, {2100, 300}, {2050, -50}});
    QuietStep(quiet);
    EXPECT_EQ(quiet->brain->Waypoints().size(), 3u);
}

TEST_F(TankDriving, WaypointsWithinCollapseDistanceMergeWithTheirNeighbour) {
    Tank* tank = AddTank(0, 0);
    TankBrain& brain = *tank->brain;
    brain.AppendWaypoint(100, 100); // an empty queue takes it
    brain.AppendWaypoint(124, 100); // exactly the collapse distance: replaces
    ASSERT_EQ(brain.Waypoints().size(), 1u);
    EXPECT_EQ(brain.Waypoints().back().x, 124);
    brain.AppendWaypoint(149, 100);
    ASSERT_EQ(brain.Waypoints().size(), 2u);

    brain.PushFrontWaypoint(110, 110); // near the front: replaces it
    ASSERT_EQ(brain.Waypoints().size(), 2u);
    EXPECT_EQ(brain.Waypoints().front().x, 110);
    brain.PushFrontWaypoint(0, 100);
    ASSERT_EQ(brain.Waypoints().size(), 3u);
    EXPECT_EQ(brain.Waypoints().front().x, 0);
    EXPECT_EQ(brain.Waypoints().back().x, 149);

    brain.SetWaypoint(7, 8);
    ASSERT_EQ(brain.Waypoints().size(), 1u);
    EXPECT_EQ(brain.Waypoints().front().y, 8);
}

TEST_F(TankDriving, SlowThinksUncoverTheFogAroundTheTank) {
    Constants::FowData fow;
    fow.granularity = 50;
    world = std::make_unique<World>(4096.0f, 4096.0f, 800, 600, &fow);
    world->fog.Reset(1);
    Tank* tank = AddTank(1000, 1000);
    QuietStep(tank);
    EXPECT_FALSE(world->fog.IsVisible(1000, 1000, 1));
    tank->brain->slowThinkCountdown = 16;
    tank->brain->Process(16); // sight 300 x 1.3 x 1
    EXPECT_TRUE(world->fog.IsVisible(1000, 1000, 1));
    EXPECT_TRUE(world->fog.IsVisible(1000, 1370, 1));
    EXPECT_FALSE(world->fog.IsVisible(1000, 1450, 1));
}
