// The tank factory: parts paid in order, tanks assembled from running orders only, the exit that waits for
// a free place, the new tank's first waypoint, refunds.
#include "world/TankFactory.h"
#include "BaseWorld.h"
#include "ai/TankBrain.h"
#include "random/Random.h"
#include "world/Obstacle.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Vorn;
using namespace WorldTest;

namespace {
constexpr int factorySide = 2;

class Factory : public ::testing::Test {
protected:
    Factory() {
        base.UseDrawings({{"TankFactory", MouthDrawing({{0, 60}})}});
        base.BuildingType(BuildingType::TankFactory).seeRange = 300;
        auto& chassis = base.records.Add<Constants::TankData>(TankType::LightTank);
        chassis.size = 10;
        chassis.baseArmor = 100;
        chassis.price = 100;
        chassis.buildTime = 10000;
        auto& armor = base.records.Add<Constants::ArmorData>(ArmorType::LightArmor);
        armor.price = 50;
        armor.buildTime = 5000;
        auto& gun = base.Turret(TurretType::Gun1, BulletType::GunBullet);
        gun.price = 30;
        gun.buildTime = 3000;
        base.Bullet(BulletType::GunBullet);
        // Free parts that are ready at once.
        auto& scout = base.records.Add<Constants::TankData>(TankType::ScoutTank);
        scout.size = 10;
        scout.baseArmor = 100;
        base.records.Add<Constants::ArmorData>(ArmorType::NoArmor);
        base.Turret(TurretType::Radar, BulletType::GunBullet);
        factory = base.AddBuilding<TankFactory>(BuildingType::TankFactory, 0, 0, factorySide);
        factory->direction = 90;
        base.Money(factorySide) = 10000;
    }

    void OrderLightTank(char letter = 0) {
        factory->QueueOrders({TankType::LightTank, TurretType::Gun1, ArmorType::LightArmor, letter}, 1);
    }
    void OrderFreeTank() {
        factory->QueueOrders({TankType::ScoutTank, TurretType::Radar, ArmorType::NoArmor, 0}, 1);
    }
    std::size_t TanksOnMap() { return base.world->Objects(factorySide, KindTank).Count(); }
    Tank* FirstTankOnMap() {
        for (const auto& [key, cell] : base.world->Objects(factorySide, KindTank).Cells())
            if (!cell.empty())
                return static_cast<Tank*>(cell.front());
        return nullptr;
    }

    BaseWorld base;
    TankFactory* factory = nullptr;
};
} // namespace

TEST_F(Factory, ArmourAndTurretStartWithTheChassisThenWaitForIt) {
    OrderLightTank();
    base.world->Tick(1000); // the order starts
    ASSERT_TRUE(factory->ChassisSlot().active);
    base.world->Tick(1000);
    EXPECT_EQ(factory->ChassisSlot().paid, 10);
    EXPECT_EQ(factory->ArmorSlot().paid, 10);
    EXPECT_EQ(factory->TurretSlot().paid, 10);
    for (int step = 2; step <= 10; ++step)
        base.world->Tick(1000);
    EXPECT_TRUE(factory->ChassisSlot().IsComplete());
    EXPECT_EQ(factory->ArmorSlot().paid, 10) << "the armour waits for the chassis";
    EXPECT_EQ(factory->TurretSlot().paid, 10) << "the turret waits for the armour";
    for (int step = 11; step <= 14; ++step)
        base.world->Tick(1000);
    EXPECT_TRUE(factory->ArmorSlot().IsComplete());
    EXPECT_EQ(factory->TurretSlot().paid, 10);
    base.world->Tick(1000);
    EXPECT_EQ(factory->TurretSlot().paid, 20);
    EXPECT_EQ(TanksOnMap(), 0u);
    base.world->Tick(1000);
    EXPECT_EQ(TanksOnMap(), 1u);
    EXPECT_EQ(base.Money(factorySide), 10000 - 180);
}

TEST_F(Factory, TheNewTankLeavesAtTheMouthReadyAndHeadsForAFreeRallyPoint) {
    OrderLightTank('c');
    base.world->sides[factorySide].nextTankCallsign = 7;
    // Looked at in the step it leaves, before its own brain has moved it.
    for (int step = 0; step < 30 && TanksOnMap() == 0; ++step)
        base.world->Tick(1000);
    Tank* tank = FirstTankOnMap();
    ASSERT_NE(tank, nullptr);
    EXPECT_NEAR(tank->x, 60, 1e-3) << "the mouth turned with the factory, which faces +x";
    EXPECT_NEAR(tank->y, 0, 1e-3);
    EXPECT_EQ(tank->direction, 90);
    EXPECT_EQ(tank->letter, 'c');
    EXPECT_EQ(tank->number, 7);
    EXPECT_EQ(base.world->sides[factorySide].nextTankCallsign, 8);
    EXPECT_NE(tank->turret->brain.state, TurretState::Idle) << "its brain is on";
    EXPECT_GT(tank->turret->brain.rangeMultiplier, 0.7f) << "and provoked";
    EXPECT_TRUE(factory->Orders().empty());
    // With no enemy in sight it still clears the exit, straight ahead of it.
    ASSERT_EQ(tank->brain->Waypoints().size(), 1u);
    EXPECT_GT(tank->brain->Waypoints().front().x, 60 + 2 * tank->size);
    EXPECT_NEAR(tank->brain->Waypoints().front().y, 0, 1e-3);
}

TEST_F(Factory, ATankStoppingShortOfItsRallyPointStillLeavesTheExitFree) {
    OrderFreeTank();
    base.world->Tick(16);
    Tank* tank = FirstTankOnMap();
    ASSERT_NE(tank, nullptr);
    ASSERT_EQ(tank->brain->Waypoints().size(), 1u);
    const auto& point = tank->brain->Waypoints().front();
    // Its brain drops the waypoint within its size; the next tank needs the exit clear by two sizes.
    const float stopsAt = std::hypot(point.x - 60, point.y) - tank->size;
    EXPECT_GE(stopsAt, 2 * tank->size);
}

TEST_F(Factory, TheRallyPointAvoidsWhatStandsAheadOfTheExit) {
    auto* rock = new Obstacle(ObstacleType::Stone, nullptr);
    rock->x = 81;
    rock->size = 10;
    base.world->InsertObject(rock, KindStatic);
    OrderFreeTank();
    base.world->Tick(16);
    Tank* tank = FirstTankOnMap();
    ASSERT_NE(tank, nullptr);
    const auto& point = tank->brain->Waypoints().front();
    EXPECT_TRUE(base.world->IsPlaceFree(point.x, point.y, tank->size, tank));
    EXPECT_GT(point.x, 60);
}

TEST_F(Factory, APlayersRallyPointTakesNewTanksThereInsteadOfAheadOfTheExit) {
    factory->SetRallyPoint(-400, 250);
    OrderFreeTank();
    base.world->Tick(16);
    Tank* tank = FirstTankOnMap();
    ASSERT_NE(tank, nullptr);
    ASSERT_EQ(tank->brain->Waypoints().size(), 1u);
    EXPECT_FLOAT_EQ(tank->brain->Waypoints().front().x, -400);
    EXPECT_FLOAT_EQ(tank->brain->Waypoints().front().y, 250);
}

TEST_F(Factory, ANewTankWithAnEnemyInSightHeadsForAPointAroundItself) {
    base.AddTank(200, 0, 5);
    OrderFreeTank();
    randomGenerator.Reseed(99);
    Random expected = randomGenerator;
    base.world->Tick(16);
    Tank* tank = FirstTankOnMap();
    ASSERT_NE(tank, nullptr);
    expected.Next(); // the share of the way to the enemy, for the waypoint that is replaced
    const double angle = 6.283185307179586 * expected.Next();
    const double distance = 300 * (0.25 * expected.Next() + 1.0 / 6.0);
    ASSERT_EQ(tank->brain->Waypoints().size(), 1u);
    EXPECT_NEAR(tank->brain->Waypoints().front().x, 60 + distance * std::sin(angle), 1e-3);
    EXPECT_NEAR(tank->brain->Waypoints().front().y, distance * std::cos(angle), 1e-3);
}

TEST_F(Factory, ABlockedExitHoldsTheTanksInOrderAndLetsOneOutPerStep) {
    auto* rock = new Obstacle(ObstacleType::Stone, nullptr);
    rock->x = 60;
    rock->size = 10;
    base.world->InsertObject(rock, KindStatic);
    OrderFreeTank();
    OrderFreeTank();
    for (int step = 0; step < 4; ++step)
        base.world->Tick(16);
    ASSERT_EQ(factory->WaitingAtExit().size(), 2u);
    EXPECT_EQ(TanksOnMap(), 0u);
    const Tank* first = factory->WaitingAtExit().front().get();
    ASSERT_TRUE(base.world->EraseObject(rock, KindStatic));
    delete rock;
    base.world->Tick(16);
    EXPECT_EQ(TanksOnMap(), 1u);
    EXPECT_EQ(FirstTankOnMap(), first);
    base.world->Tick(16);
    EXPECT_EQ(factory->WaitingAtExit().size(), 1u) << "the second waits for the first to clear the exit";
    ASSERT_TRUE(base.world->RefileObject(FirstTankOnMap(), KindTank, 200, 200));
    base.world->Tick(16);
    EXPECT_TRUE(factory->WaitingAtExit().empty());
    EXPECT_EQ(TanksOnMap(), 2u);
}

TEST_F(Factory, CancellingRefundsWhatTheRunningOrderPaidAndNothingOfADeliveredOne) {
    OrderLightTank();
    for (int step = 0; step < 4; ++step)
        base.world->Tick(1000);
    ASSERT_EQ(base.Money(factorySide), 10000 - 30 - 10 - 10);
    factory->CancelRunningOrder();
    EXPECT_EQ(base.Money(factorySide), 10000);
    EXPECT_FALSE(factory->ChassisSlot().active || factory->ArmorSlot().active ||
                 factory->TurretSlot().active);
    EXPECT_EQ(factory->ChassisSlot().elapsed + factory->ArmorSlot().pending, 0u);
    EXPECT_TRUE(factory->Orders().empty());

    OrderLightTank();
    for (int step = 0; step < 17; ++step)
        base.world->Tick(1000);
    ASSERT_EQ(TanksOnMap(), 1u);
    ASSERT_EQ(base.Money(factorySide), 10000 - 180);
    factory->CancelRunningOrder();
    EXPECT_EQ(base.Money(factorySide), 10000 - 180) << "the delivered tank's parts are paid for good";
}

TEST_F(Factory, IdleInstantPartsMakeNoTank) {
    OrderFreeTank();
    for (int step = 0; step < 10; ++step)
        base.world->Tick(100);
    EXPECT_EQ(TanksOnMap(), 1u);
    EXPECT_TRUE(factory->WaitingAtExit().empty());
}

TEST_F(Factory, AnUnpoweredFactoryBuildsNothingButStillLetsTanksOut) {
    // A rock at the exit keeps the first tank waiting while the factory still has power.
    auto* rock = new Obstacle(ObstacleType::Stone, nullptr);
    rock->x = 60;
    rock->size = 10;
    base.world->InsertObject(rock, KindStatic);
    OrderFreeTank();
    base.world->Tick(16);
    base.world->Tick(16);
    ASSERT_EQ(factory->WaitingAtExit().size(), 1u);
    // No power plant stands within the range the factory now needs.
    base.BuildingType(BuildingType::TankFactory).powerPlantRange = 300;
    OrderLightTank();
    ASSERT_TRUE(base.world->EraseObject(rock, KindStatic));
    delete rock;
    base.world->Tick(1000);
    base.world->Tick(1000);
    EXPECT_FALSE(factory->ChassisSlot().active);
    EXPECT_TRUE(factory->WaitingAtExit().empty());
    EXPECT_EQ(TanksOnMap(), 1u);
}

// The waiting tanks never reached the map: they go with their factory (a leak here shows in the sanitizer
// build) and do not appear on the map.
TEST_F(Factory, TanksWaitingAtTheExitDieWithTheFactory) {
    auto* rock = new Obstacle(ObstacleType::Stone, nullptr);
    rock->x = 60;
    rock->size = 10;
    base.world->InsertObject(rock, KindStatic);
    OrderFreeTank();
    OrderFreeTank();
    base.world->Tick(16);
    base.world->Tick(16);
    ASSERT_EQ(factory->WaitingAtExit().size(), 2u);
    factory->hitPoints = 0;
    base.world->Tick(16);
    EXPECT_EQ(base.world->Objects(factorySide, KindBuilding).Count(), 0u);
    EXPECT_EQ(TanksOnMap(), 0u);
}
