// What every building does: power, repair of its own tanks, sight, its smoke; and the armory's stock.
#include "BaseWorld.h"
#include "rules/FowData.h"
#include "world/Armory.h"
#include "world/Effect.h"
#include "world/Landmark.h"

#include <gtest/gtest.h>

using namespace Vorn;
using namespace WorldTest;

namespace {
constexpr int buildingSide = 4;

class Buildings : public ::testing::Test {
protected:
    Buildings() {
        base.KnowParticleSystems({"Steam"});
        base.Turret(TurretType::Gun1, BulletType::GunBullet).maxAmmo = 100;
        auto& bullet = base.Bullet(BulletType::GunBullet);
        bullet.price = 2;
        bullet.buildSpeed = 2;
        bullet.weight = 1;
        armoryExtra.rearmRange = 100;
        armoryExtra.rearmInterval = 1000;
        armoryExtra.capacity = 10;
        base.BuildingType(BuildingType::Armory, 300);
        base.Money(buildingSide) = 1000;
    }
    Armory* AddArmory(float x, float y) { return base.AddBuilding<Armory>(BuildingType::Armory, x, y, buildingSide); }
    Tank* EmptyTank(float x, float y) {
        Tank* tank = base.AddTank(x, y, buildingSide);
        tank->turret->ammunition = 0;
        return tank;
    }

    BaseWorld base;
    Constants::ArmoryExtraData& armoryExtra =
        base.records.Add<Constants::ArmoryExtraData>(Constants::ConstantId::ArmoryExtra);
};
} // namespace

TEST_F(Buildings, AnUnpoweredArmoryNeitherProducesNorRearms) {
    Armory* armory = AddArmory(0, 0);
    armory->SetProduction(BulletType::GunBullet, true);
    armory->stock[0] = 5;
    Tank* tank = EmptyTank(50, 0);
    for (int step = 0; step < 6; ++step)
        base.world->Tick(500);
    EXPECT_EQ(armory->Stock(BulletType::GunBullet), 5u);
    EXPECT_EQ(tank->turret->ammunition, 0);
    EXPECT_EQ(base.Money(buildingSide), 1000);
}

TEST_F(Buildings, APoweredArmoryMakesRoundsItCanPayAndRearmsTanksOnItsClock) {
    base.AddPowerPlant(200, 0, buildingSide);
    Armory* armory = AddArmory(0, 0);
    armory->SetProduction(BulletType::GunBullet, true);
    Tank* near = EmptyTank(50, 0);
    Tank* far = EmptyTank(-150, 0);
    base.world->Tick(500);
    EXPECT_EQ(armory->Stock(BulletType::GunBullet), 1u);
    EXPECT_EQ(near->turret->ammunition, 0) << "no rearm before the clock's first interval";
    base.world->Tick(500);
    EXPECT_EQ(near->turret->ammunition, 2);
    EXPECT_EQ(far->turret->ammunition, 0);
    EXPECT_EQ(armory->Stock(BulletType::GunBullet), 0u);
    EXPECT_EQ(base.Money(buildingSide), 1000 - 4);
    // Without the money for a round the round is lost, not owed.
    base.Money(buildingSide) = 1;
    base.world->Tick(500);
    EXPECT_EQ(armory->Stock(BulletType::GunBullet), 0u);
    EXPECT_EQ(base.Money(buildingSide), 1);
    EXPECT_FLOAT_EQ(armory->UnitProgress(BulletType::GunBullet), 0);
}

TEST_F(Buildings, AnArmoryStopsWhenItsStockFillsItsCapacity) {
    base.AddPowerPlant(200, 0, buildingSide);
    Armory* armory = AddArmory(0, 0);
    armory->SetProduction(BulletType::GunBullet, true);
    armory->SetProduction(BulletType::Rocket, true); // no record: nothing is made of it
    for (int step = 0; step < 40; ++step)
        base.world->Tick(500);
    EXPECT_EQ(armory->Stock(BulletType::GunBullet), 10u);
    EXPECT_FLOAT_EQ(armory->LoadFraction(), 1);
    EXPECT_EQ(armory->Stock(BulletType::Rocket), 0u);
    EXPECT_EQ(base.Money(buildingSide), 1000 - 20);
}

TEST_F(Buildings, AnArmoryWithoutARearmIntervalRearmsEveryStep) {
    armoryExtra.rearmInterval = 0;
    base.AddPowerPlant(200, 0, buildingSide);
    Armory* armory = AddArmory(0, 0);
    armory->stock[0] = 3;
    Tank* tank = EmptyTank(50, 0);
    base.world->Tick(16);
    EXPECT_EQ(tank->turret->ammunition, 3);
}

TEST_F(Buildings, RepairHealsOwnTanksInRangeUpToTheirMaximumWhilePowered) {
    auto& shop = base.BuildingType(BuildingType::RepairShop, 300);
    shop.repairEffect = 20; // 2 hit points per 100 ms think
    shop.repairRange = 100;
    base.AddBuilding(BuildingType::RepairShop, 0, 0, buildingSide);
    Tank* damaged = base.AddTank(60, 0, buildingSide);
    Tank* nearlyWhole = base.AddTank(0, 60, buildingSide);
    Tank* outside = base.AddTank(0, -150, buildingSide);
    Tank* enemy = base.AddTank(-60, 0, 1);
    for (Tank* tank : {damaged, outside, enemy})
        tank->armor->hitPoints = 50;
    nearlyWhole->armor->hitPoints = 99;
    base.world->Tick(100);
    EXPECT_EQ(damaged->armor->hitPoints, 50) << "no power yet";
    base.AddPowerPlant(200, 0, buildingSide);
    for (int step = 0; step < 5; ++step)
        base.world->Tick(100);
    EXPECT_FLOAT_EQ(damaged->armor->hitPoints, 60);
    EXPECT_FLOAT_EQ(nearlyWhole->armor->hitPoints, 100);
    EXPECT_EQ(outside->armor->hitPoints, 50);
    EXPECT_EQ(enemy->armor->hitPoints, 50);
}

TEST_F(Buildings, AnUnpoweredBuildingSeesHalfAsFar) {
    Constants::FowData fow;
    fow.granularity = 16;
    fow.beforeFadeBackTime = 100;
    fow.fadeBackTime = 100;
    base.world = std::make_unique<World>(8192.0f, 8192.0f, 800, 600, &fow);
    base.world->fog.Reset(buildingSide);
    base.BuildingType(BuildingType::Mine, 300).seeRange = 300;
    base.AddBuilding(BuildingType::Mine, 0, 0, buildingSide);
    const auto fogAt = [&](float x) {
        return base.world->fog.PointAt(static_cast<int>((x + 4096) / 16), 256).fog;
    };
    base.world->Tick(16);
    EXPECT_LT(fogAt(128), 1);
    EXPECT_EQ(fogAt(192), 1) << "beyond half its sight";
    base.BuildingType(BuildingType::PowerPlant).seeRange = 0; // a plant that sees nothing itself
    base.AddPowerPlant(0, 250, buildingSide);
    base.world->fog.Reset(buildingSide);
    base.world->Tick(1000); // the next slow think
    EXPECT_LT(fogAt(192), 1);
    EXPECT_EQ(fogAt(320), 1);
}

TEST_F(Buildings, SmokeRunsWithPowerAndEndsWithTheBuilding) {
    base.UseDrawings({{"Mine", R"(<particle_system x="0" y="10" name="Steam"/>
                                   <particle_system x="0" y="0" name="Unknown"/>)"}});
    base.BuildingType(BuildingType::Mine, 300);
    Building* mine = base.AddBuilding(BuildingType::Mine, 100, 0, buildingSide);
    mine->direction = 90;
    base.world->Tick(16);
    ASSERT_EQ(mine->effects.size(), 1u) << "the unknown system is skipped";
    Effect* smoke = mine->effects.front();
    EXPECT_NEAR(smoke->x, 110, 1e-3) << "the point turns with the building";
    EXPECT_NEAR(smoke->y, 0, 1e-3);
    EXPECT_FALSE(smoke->IsEmitting()) << "paused without power";
    base.AddPowerPlant(200, 0, buildingSide);
    base.world->Tick(100);
    EXPECT_TRUE(smoke->IsEmitting());
    mine->hitPoints = 0;
    for (int step = 0; step < 10; ++step)
        base.world->Tick(500);
    EXPECT_EQ(base.world->UpperEffects().Count(), 0u) << "its smoke faded and was collected";
}

TEST_F(Buildings, ADestroyedLandmarkEndsItsEffects) {
    base.UseDrawings({{"Deposit", R"(<particle_system x="5" y="0" name="Steam"/>)"}});
    auto* landmark = new Landmark(base.world.get(), LandmarkType::Deposit, 0, 0, 0, 0);
    landmark->drawing = drawingStore.FindDrawing("Deposit");
    base.world->InsertObject(landmark, KindLandmark);
    base.world->Tick(16);
    base.world->Tick(16);
    ASSERT_EQ(landmark->effects.size(), 1u) << "effects are lit once";
    ASSERT_EQ(base.world->UpperEffects().Count(), 1u);
    ASSERT_TRUE(base.world->EraseObject(landmark, KindLandmark));
    delete landmark;
    for (int step = 0; step < 10; ++step)
        base.world->Tick(500);
    EXPECT_EQ(base.world->UpperEffects().Count(), 0u);
}
