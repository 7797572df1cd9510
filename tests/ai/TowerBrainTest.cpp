// The tower and its brain: power switches it, it reveals the fog, it grows angry when its own side is in
// the way, and it draws ammunition from its side's armories.
#include "rules/FowData.h"
#include "tests/world/BaseWorld.h"
#include "world/Armory.h"
#include "world/Tower.h"

#include <gtest/gtest.h>

using namespace Vorn;
using namespace WorldTest;

namespace {
constexpr int side = 3;

class Towers : public ::testing::Test {
protected:
    Towers() {
        base.UseDrawings({{"Gun1", MouthDrawing({{0, 10}})}});
        auto& gun = base.Turret(TurretType::Gun1, BulletType::GunBullet);
        gun.maxAmmo = 60;
        gun.engageRange = 200;
        // Without kill thresholds the veteran multipliers apply from the start.
        gun.experienceRotateMul[2] = gun.experienceAccuracyMul[2] = gun.experienceEffectMul[2] = 1;
        base.Bullet(BulletType::GunBullet);
        towerRecord.size = 12;
        towerRecord.armor = 500;
        towerRecord.powerPlantRange = 300;
        base.records.Add<Constants::ArmoryExtraData>(Constants::ConstantId::ArmoryExtra).capacity = 1000;
        base.BuildingType(BuildingType::Armory);
    }
    Tower* AddTower(float x, float y, int towerSide = side) {
        auto* tower = new Tower(base.world.get(), TowerType::DefenseTower, towerSide, TurretType::Gun1, 1);
        tower->x = x;
        tower->y = y;
        base.world->InsertObject(tower, KindTower);
        return tower;
    }
    Armory* AddArmory(float x, float y, unsigned gunRounds, unsigned rockets = 0) {
        auto* armory = base.AddBuilding<Armory>(BuildingType::Armory, x, y, side);
        armory->stock[static_cast<std::size_t>(BulletType::GunBullet)] = gunRounds;
        armory->stock[static_cast<std::size_t>(BulletType::Rocket)] = rockets;
        return armory;
    }

    BaseWorld base;
    Constants::TowerData& towerRecord = base.records.Add<Constants::TowerData>(TowerType::DefenseTower);
};
} // namespace

TEST_F(Towers, ATowerWithoutPowerNeverFightsAndOneWithPowerDoes) {
    Tower* tower = AddTower(0, 0);
    Tank* enemy = base.AddTank(100, 0, 1);
    for (int step = 0; step < 30; ++step)
        base.world->Tick(50);
    EXPECT_FALSE(tower->brain.active);
    EXPECT_EQ(tower->turret->brain.state, TurretState::Idle);
    EXPECT_EQ(tower->turret->ammunition, 60);
    EXPECT_EQ(enemy->armor->hitPoints, 100);
    base.AddPowerPlant(0, 200, side);
    for (int step = 0; step < 30; ++step)
        base.world->Tick(50);
    EXPECT_TRUE(tower->brain.active);
    EXPECT_LT(tower->turret->ammunition, 60) << "it has fired";
    EXPECT_EQ(tower->turret->brain.Target(), enemy);
}

TEST_F(Towers, ATowerThatNeedsNoPowerIsNeverPowered) {
    towerRecord.powerPlantRange = 0.1f;
    Tower* tower = AddTower(0, 0);
    base.AddPowerPlant(20, 0, side);
    base.world->Tick(50);
    EXPECT_FALSE(tower->IsPowered());
    EXPECT_FALSE(tower->brain.active);
    towerRecord.powerPlantRange = 300;
    base.AddPowerPlant(400, 0, 1); // another side's plant powers nothing of ours
    EXPECT_TRUE(tower->IsPowered());
    Tower* farTower = AddTower(2000, 0);
    EXPECT_FALSE(farTower->IsPowered());
}

TEST_F(Towers, TheTowerRevealsItsRangeTimesItsSightAtSlowThinks) {
    Constants::FowData fow;
    fow.granularity = 16;
    fow.beforeFadeBackTime = 100;
    fow.fadeBackTime = 100;
    base.world = std::make_unique<World>(8192.0f, 8192.0f, 800, 600, &fow);
    base.world->fog.Reset(side);
    base.records.Add<Constants::TowerAIData>(Constants::ConstantId::TowerAI).seeMultiplier = 1.5f;
    AddTower(0, 0);
    base.world->Tick(16);
    const auto fogAt = [&](float x) {
        return base.world->fog.PointAt(static_cast<int>((x + 4096) / 16), 256).fog;
    };
    EXPECT_LT(fogAt(288), 1) << "200 x 1.5 reaches beyond the range";
    EXPECT_EQ(fogAt(320), 1);
}

TEST_F(Towers, TwoArmoriesFillAnEmptyTowerInListOrderAndTheRestAreLeftAlone) {
    Tower* tower = AddTower(500, 500);
    Armory* rocketsOnly = AddArmory(0, 0, 0, 50);
    Armory* first = AddArmory(40, 0, 30);
    Armory* second = AddArmory(80, 0, 50);
    Armory* untouched = AddArmory(120, 0, 40);
    tower->turret->ammunition = 0;
    tower->OnAmmoEmpty();
    EXPECT_EQ(tower->turret->ammunition, 60);
    EXPECT_EQ(rocketsOnly->Stock(BulletType::Rocket), 50u);
    EXPECT_EQ(first->Stock(BulletType::GunBullet), 0u);
    EXPECT_EQ(second->Stock(BulletType::GunBullet), 20u);
    EXPECT_EQ(untouched->Stock(BulletType::GunBullet), 40u);
}

TEST_F(Towers, AnEmptyPoweredTowerRearmsAtItsThinkFromArmoriesAnywhere) {
    base.AddPowerPlant(0, 200, side);
    Tower* tower = AddTower(0, 0);
    Armory* distant = AddArmory(3000, 3000, 25);
    tower->turret->ammunition = 0;
    base.world->Tick(16);
    EXPECT_EQ(tower->turret->ammunition, 25);
    EXPECT_EQ(distant->Stock(BulletType::GunBullet), 0u);
    Tower* enemyTower = AddTower(-500, 0, 1);
    enemyTower->turret->ammunition = 0;
    base.world->Tick(200);
    EXPECT_EQ(enemyTower->turret->ammunition, 0) << "another side's armories give nothing";
}

TEST_F(Towers, ABlockedLineOfFireMakesTheTurretAngryAndSearchAgain) {
    Tower* tower = AddTower(0, 0);
    tower->brain.SetActive(true);
    tower->turret->brain.state = TurretState::Locked;
    tower->OnLineOfFireBlocked(100, 0);
    EXPECT_EQ(tower->turret->brain.state, TurretState::Searching);
    EXPECT_FLOAT_EQ(tower->turret->brain.rangeMultiplier, 1.2f);
}
