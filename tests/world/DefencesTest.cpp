// Landmines that wait for enemies and burst, and the defence building's paid products.
#include "BaseWorld.h"
#include "rules/ExplosionData.h"
#include "rules/ObstacleData.h"
#include "world/Defence.h"
#include "world/Explosion.h"
#include "world/Landmine.h"
#include "world/Obstacle.h"

#include <gtest/gtest.h>

using namespace Vorn;
using namespace WorldTest;

namespace {
constexpr int defenceSide = 2;

class Mines : public ::testing::Test {
protected:
    Mines() {
        base.KnowParticleSystems({"ExplosionMine"});
        auto& blast = base.records.Add<Constants::ExplosionData>(ExplosionType::ExplosionMine);
        blast.effectRange = 60;
        blast.damageLevel = 30;
        blast.ammoCoefAdd = 1;
        for (LandmineType type : {LandmineType::SmallLandmine, LandmineType::LargeLandmine}) {
            auto& record = base.records.Add<Constants::LandmineData>(type);
            record.size = type == LandmineType::LargeLandmine ? 16 : 8;
            record.range = 30;
            record.countdown = 200;
        }
    }
    Landmine* AddMine(LandmineType type, float x, float y) {
        auto* mine =
            new Landmine(type, Constants::constantsTable.Find<Constants::LandmineData>(ConstantIdOf(type)));
        mine->x = x;
        mine->y = y;
        mine->side = defenceSide;
        base.world->InsertObject(mine, KindLandmine);
        return mine;
    }
    std::vector<Explosion*> Explosions() {
        std::vector<Explosion*> found;
        for (const auto& [key, cell] : base.world->LowerEffects().Cells())
            for (Effect* effect : cell)
                if (auto* explosion = dynamic_cast<Explosion*>(effect))
                    found.push_back(explosion);
        return found;
    }

    BaseWorld base;
};
} // namespace

TEST_F(Mines, OwnUnitsNeverTriggerAMineButItsBlastHurtsThem) {
    Landmine* mine = AddMine(LandmineType::SmallLandmine, 0, 0);
    Tank* own = base.AddTank(10, 0, defenceSide);
    for (int step = 0; step < 5; ++step)
        base.world->Tick(100);
    EXPECT_FALSE(mine->triggered);
    Tank* enemy = base.AddTank(-35, 0, 5); // its edge is within the range
    base.world->Tick(100);
    EXPECT_TRUE(mine->triggered);
    EXPECT_TRUE(Explosions().empty()) << "100 of the 200 ms counted in the step it was triggered";
    base.world->Tick(99);
    EXPECT_TRUE(Explosions().empty());
    base.world->Tick(1);
    ASSERT_EQ(Explosions().size(), 1u);
    EXPECT_EQ(base.world->Objects(defenceSide, KindLandmine).Count(), 0u) << "removed in the tick it burst";
    EXPECT_LT(own->armor->hitPoints, 100);
    EXPECT_LT(enemy->armor->hitPoints, 100);
}

TEST_F(Mines, ALargeMineBurstsFourTimesOverItsFootprint) {
    Landmine* mine = AddMine(LandmineType::LargeLandmine, 500, 500);
    mine->SetOff();
    base.world->Tick(16);
    const std::vector<Explosion*> blasts = Explosions();
    ASSERT_EQ(blasts.size(), 4u);
    for (const Explosion* blast : blasts) {
        EXPECT_NEAR(blast->x, 500, 8);
        EXPECT_NEAR(blast->y, 500, 8);
    }
    AddMine(LandmineType::SmallLandmine, -500, 500)->SetOff();
    base.world->Tick(16);
    EXPECT_EQ(Explosions().size(), 5u);
}

TEST_F(Mines, AMineWithoutAnExplosionSystemStillGoesAway) {
    base.factory.Release(); // no particle system is known any more
    AddMine(LandmineType::SmallLandmine, 0, 0)->SetOff();
    base.world->Tick(16);
    EXPECT_EQ(base.world->Objects(defenceSide, KindLandmine).Count(), 0u);
    EXPECT_TRUE(Explosions().empty());
}

// Stones share the concrete block's record and are sized by the factor their placer gives; no blast or
// bullet takes them away.
TEST_F(Mines, ObstaclesAreSizedByTheirFactorAndOutliveBlasts) {
    auto& block = base.records.Add<Constants::ObstacleData>(ObstacleType::ConcreteBlock);
    block.size = 10;
    auto* stone = new Obstacle(ObstacleType::Stone, &block, 2.5f);
    EXPECT_EQ(stone->size, 25);
    base.world->InsertObject(stone, KindStatic);
    AddMine(LandmineType::LargeLandmine, 0, 30)->SetOff();
    base.world->Tick(16);
    base.world->Tick(16);
    EXPECT_EQ(base.world->Objects(0, KindStatic).Count(), 1u);
    EXPECT_FALSE(base.world->IsPlaceFree(20, 0, 4, nullptr)) << "it still blocks";
}

namespace {
class DefenceBuilding : public ::testing::Test {
protected:
    DefenceBuilding() {
        base.BuildingType(BuildingType::Defense, 300);
        auto& tower = base.records.Add<Constants::TowerData>(TowerType::DefenseTower);
        tower.price = 100;
        tower.buildTime = 10000;
        auto& gun = base.Turret(TurretType::Gun1, BulletType::GunBullet);
        gun.price = 50;
        gun.buildTime = 5000;
        auto& mine = base.records.Add<Constants::LandmineData>(LandmineType::SmallLandmine);
        mine.price = 20;
        mine.buildTime = 2000;
        defence = base.AddBuilding<Defence>(BuildingType::Defense, 0, 0, defenceSide);
        base.AddPowerPlant(100, 0, defenceSide);
        base.Money(defenceSide) = 1000;
    }

    BaseWorld base;
    Defence* defence = nullptr;
};
} // namespace

TEST_F(DefenceBuilding, ATowersTurretStartsWithTheTowerWaitsForItAndIsRefundedWithIt) {
    defence->TowerSlot().StartProduction(TowerType::DefenseTower);
    defence->TurretSlot().StartProduction(TurretType::Gun1);
    defence->LandmineSlot().StartProduction(LandmineType::SmallLandmine);
    base.world->Tick(1000);
    EXPECT_EQ(defence->TowerSlot().paid, 10);
    EXPECT_EQ(defence->TurretSlot().paid, 10);
    base.world->Tick(1000);
    EXPECT_EQ(defence->TowerSlot().paid, 20);
    EXPECT_EQ(defence->TurretSlot().paid, 10);
    EXPECT_TRUE(defence->LandmineSlot().IsComplete()) << "mines are built beside the tower";
    EXPECT_TRUE(defence->LandmineSlot().active) << "and wait to be placed";
    EXPECT_EQ(base.Money(defenceSide), 1000 - 30 - 20);
    defence->CancelTower();
    EXPECT_EQ(base.Money(defenceSide), 1000 - 20);
    EXPECT_FALSE(defence->TowerSlot().active || defence->TurretSlot().active);
    defence->CancelLandmine();
    EXPECT_EQ(base.Money(defenceSide), 1000);
}

TEST_F(DefenceBuilding, AnUnpoweredDefenceBuildsNothing) {
    auto* far = base.AddBuilding<Defence>(BuildingType::Defense, 3000, 0, defenceSide);
    far->LandmineSlot().StartProduction(LandmineType::SmallLandmine);
    base.world->Tick(1000);
    EXPECT_EQ(far->LandmineSlot().paid, 0);
    EXPECT_EQ(base.Money(defenceSide), 1000);
}
