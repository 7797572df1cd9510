// The tank's answers to its turret's reports and to hits: each only fills an empty route.
#include "DrivingWorld.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Vorn;
using AiTest::DrawsSince;
using AiTest::DrivingWorld;

namespace {
class TankReactions : public ::testing::Test, public DrivingWorld {
protected:
    static TankBrain::Waypoint Only(const Tank* tank) {
        EXPECT_EQ(tank->brain->Waypoints().size(), 1u);
        return tank->brain->Waypoints().empty() ? TankBrain::Waypoint{NAN, NAN}
                                              : tank->brain->Waypoints().front();
    }
    void Arm(Tank* tank) {
        turret.canShoot = 1;
        tank->turret->mouthCount = 1;
        ASSERT_TRUE(tank->turret->brain.IsArmed());
    }
};
} // namespace

TEST_F(TankReactions, NoReactionReplacesARouteButAHitStillProvokesTheTurret) {
    Tank* tank = AddTank(0, 0);
    Tank* enemy = AddTank(0, 400, 0, 2);
    tank->brain->SetWaypoint(-500, -500);
    const Random before = randomGenerator;
    tank->brain->OnTargetAcquired(enemy);
    tank->brain->OnLineOfFireBlocked(0, 400);
    tank->brain->OnTargetLost();
    tank->brain->OnHit(0, 0.5f);
    const TankBrain::Waypoint kept = Only(tank);
    EXPECT_EQ(kept.x, -500);
    EXPECT_EQ(kept.y, -500);
    EXPECT_EQ(DrawsSince(before), 0);
    EXPECT_FLOAT_EQ(tank->turret->brain.rangeMultiplier, 1.2f);
}

TEST_F(TankReactions, AcquiredTargetIsApproachedAThirdOfTheWayWithARandomOffset) {
    Tank* tank = AddTank(100, 100);
    Tank* enemy = AddTank(400, 500, 0, 2); // 500 away
    Random copy = randomGenerator;
    const float r1 = static_cast<float>(copy.Next());
    const float r2 = static_cast<float>(copy.Next());
    tank->brain->OnTargetAcquired(enemy);
    const TankBrain::Waypoint point = Only(tank);
    EXPECT_FLOAT_EQ(point.x, 100 + 100 + r1 * 500 / 3);
    EXPECT_FLOAT_EQ(point.y, 100 + 400.0f / 3 + r2 * 500 / 3);
}

TEST_F(TankReactions, BlockedLineOfFireSidestepsAcrossItAtMostEightSizesOut) {
    Tank* tank = AddTank(0, 0);
    Random copy = randomGenerator;
    const float side = static_cast<int>(2 * copy.Next()) != 0 ? 1 : -1;
    tank->brain->OnLineOfFireBlocked(0, 500);
    TankBrain::Waypoint point = Only(tank);
    EXPECT_NEAR(point.x, 80 * side, 1e-3);
    EXPECT_NEAR(point.y, 0, 1e-3);

    Tank* close = AddTank(1000, 0);
    close->brain->OnLineOfFireBlocked(1030, 0); // nearer than eight sizes: not stretched
    point = Only(close);
    EXPECT_NEAR(point.x, 1000, 1e-3);
    EXPECT_NEAR(std::fabs(point.y), 30, 1e-3);
}

TEST_F(TankReactions, LostTargetHuntsTheNearestOfFourPointsAroundAnEnemyBeyondCloseRange) {
    Tank* tank = AddTank(0, 0);
    AddTank(0, 400, 0, 2); // sight 300: beyond 210, within the angry 480
    Random copy = randomGenerator;
    TankBrain::Waypoint best{};
    float bestDistance = 1e9f;
    for (int i = 0; i < 4; ++i) {
        const float x = -90 + static_cast<float>(copy.Next()) * 180;
        const float y = 400 - 90 + static_cast<float>(copy.Next()) * 180;
        if (std::hypot(x, y) < bestDistance) {
            bestDistance = std::hypot(x, y);
            best = {x, y};
        }
    }
    tank->brain->OnTargetLost();
    const TankBrain::Waypoint point = Only(tank);
    EXPECT_FLOAT_EQ(point.x, best.x);
    EXPECT_FLOAT_EQ(point.y, best.y);

    Tank* close = AddTank(3000, 0);
    AddTank(3000, 150, 0, 2); // within 0.7 of its sight: nothing to hunt
    Tank* alone = AddTank(-3000, 0);
    AddTank(-3000, 600, 0, 2); // beyond even the angry sight
    const Random before = randomGenerator;
    close->brain->OnTargetLost();
    alone->brain->OnTargetLost();
    EXPECT_TRUE(close->brain->Waypoints().empty());
    EXPECT_TRUE(alone->brain->Waypoints().empty());
    EXPECT_EQ(DrawsSince(before), 0);
}

TEST_F(TankReactions, HitSendsAnUnarmedTankAwayAndAnArmedOneTowardsTheShooterFartherForWeakerHits) {
    Tank* unarmed = AddTank(0, 0);
    unarmed->brain->OnHit(0, 0.25f); // the shooter lies towards +y
    EXPECT_NEAR(Only(unarmed).y, -225, 1e-3);
    EXPECT_FLOAT_EQ(unarmed->turret->brain.rangeMultiplier, 1.2f);

    Tank* armed = AddTank(1000, 0);
    Arm(armed);
    armed->brain->OnHit(90, 0.25f); // the shooter lies towards +x
    EXPECT_NEAR(Only(armed).x, 1000 + 225, 1e-3);
    EXPECT_NEAR(Only(armed).y, 0, 1e-3);

    Tank* harder = AddTank(2000, 0);
    Arm(harder);
    harder->brain->OnHit(90, 0.5f);
    EXPECT_NEAR(Only(harder).x, 2000 + 150, 1e-3);
}

TEST_F(TankReactions, HitStrongerThanWholeNeverTurnsAnArmedTankAway) {
    Tank* armed = AddTank(0, 0);
    Arm(armed);
    armed->brain->OnHit(0, 1.35f); // a veteran's shell
    EXPECT_GE(Only(armed).y, 0);
}
