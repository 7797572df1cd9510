// What a fight tells the presentation: each impact, attack, explosion and loss is reported once, with the
// side it concerns, where it happened and what kind it was; a quiet step reports nothing.
#include "CombatWorld.h"
#include "WorldTestObjects.h"
#include "rules/ExplosionData.h"
#include "world/Bullet.h"
#include "world/Explosion.h"
#include "world/Obstacle.h"
#include "world/PlaceEffect.h"
#include "world/WorldEvent.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Vorn;

namespace {

class CombatEvents : public testing::Test, public WorldTest::CombatWorld {
protected:
    CombatEvents() : bulletRecord(Bullet(BulletType::GunBullet)) {
        Turret(TurretType::Gun1, BulletType::GunBullet);
    }
    // A bullet of the shooter flying north from (x, 0) for one 100 ms step: 100 units, so it stops on
    // whatever stands on that stretch, at (x, 50).
    void FireNorth(Object* shooter, float x) {
        auto* bullet =
            new Vorn::Bullet(world.get(), dynamic_cast<ArmedObject*>(shooter), BulletType::GunBullet, 1);
        bullet->x = x;
        world->InsertBullet(bullet);
        bullet->Update(100);
    }
    // The events of that kind reported since the list held `from` events.
    std::vector<WorldEvent> Reported(WorldEventKind kind, std::size_t from = 0) const {
        std::vector<WorldEvent> found;
        const WorldEvents& events = world->StepEvents();
        for (std::size_t i = from; i < events.size(); ++i)
            if (events[i].kind == kind)
                found.push_back(events[i]);
        return found;
    }
    Building* AddBuilding(float x, float y, int side, const Constants::BuildingData& record) {
        auto* building = new Building(world.get(), BuildingType::Armory, side, 0, &record);
        building->x = x;
        building->y = y;
        building->size = 10;
        world->InsertObject(building, KindBuilding);
        return building;
    }
    Constants::BulletData& bulletRecord;
    const Constants::BuildingData buildingRecord = WorldTest::BuildingRecord(100, 0, 0);
};

void ExpectEvent(const WorldEvent& event, int side, float x, float y, int detail, std::uint64_t subject) {
    EXPECT_EQ(event.side, side);
    EXPECT_FLOAT_EQ(event.x, x);
    EXPECT_FLOAT_EQ(event.y, y);
    EXPECT_EQ(event.detail, detail);
    EXPECT_EQ(event.subject, subject);
}

TEST_F(CombatEvents, ABulletReportsWhatItStruckAndAnEnemyHitAsAnAttack) {
    Tank* shooter = AddTank(0, -500, 1);
    Tank* enemy = AddTank(0, 90, 2);
    FireNorth(shooter, 0);
    ASSERT_EQ(Reported(WorldEventKind::Impact).size(), 1u);
    ExpectEvent(Reported(WorldEventKind::Impact)[0], 1, 0, 50, static_cast<int>(ImpactTarget::Armour),
                enemy->Serial());
    ASSERT_EQ(Reported(WorldEventKind::UnderAttack).size(), 1u);
    ExpectEvent(Reported(WorldEventKind::UnderAttack)[0], 2, 0, 90, KindTank, enemy->Serial());

    // Its own building is struck but not attacked; another side's is both.
    Building* own = AddBuilding(1000, 60, 1, buildingRecord);
    std::size_t from = world->StepEvents().size();
    FireNorth(shooter, 1000);
    ASSERT_EQ(Reported(WorldEventKind::Impact, from).size(), 1u);
    ExpectEvent(Reported(WorldEventKind::Impact, from)[0], 1, 1000, 50,
                static_cast<int>(ImpactTarget::Building), own->Serial());
    EXPECT_TRUE(Reported(WorldEventKind::UnderAttack, from).empty());
    Building* enemyBuilding = AddBuilding(2000, 60, 3, buildingRecord);
    from = world->StepEvents().size();
    FireNorth(shooter, 2000);
    ASSERT_EQ(Reported(WorldEventKind::UnderAttack, from).size(), 1u);
    ExpectEvent(Reported(WorldEventKind::UnderAttack, from)[0], 3, 2000, 60, KindBuilding,
                enemyBuilding->Serial());
}

TEST_F(CombatEvents, AnObstacleAndTheEndOfTheRangeAreTheGround) {
    Tank* shooter = AddTank(0, -500, 1);
    auto* block = new Obstacle(ObstacleType::ConcreteBlock, nullptr);
    block->x = 0;
    block->y = 50;
    block->size = 5;
    world->InsertObject(block, KindStatic);
    FireNorth(shooter, 0);
    ASSERT_EQ(Reported(WorldEventKind::Impact).size(), 1u);
    ExpectEvent(Reported(WorldEventKind::Impact)[0], 1, 0, 50, static_cast<int>(ImpactTarget::Ground),
                block->Serial());

    bulletRecord.range = 100;
    const std::size_t from = world->StepEvents().size();
    FireNorth(shooter, 1000);
    ASSERT_EQ(Reported(WorldEventKind::Impact, from).size(), 1u);
    ExpectEvent(Reported(WorldEventKind::Impact, from)[0], 1, 1000, 100,
                static_cast<int>(ImpactTarget::Ground), 0);
    EXPECT_TRUE(Reported(WorldEventKind::UnderAttack).empty());
}

TEST_F(CombatEvents, AnExplosionIsReportedOnceAndAttacksOnlyTheOtherSidesItHarms) {
    auto& blast = records.Add<Constants::ExplosionData>(ExplosionType::ExplosionRocket);
    blast.effectRange = 100;
    blast.damageLevel = 40;
    blast.ammoCoefAdd = 1;
    KnowParticleSystems({"ExplosionRocket"});
    AddTank(25, 0, 1);
    Tank* enemy = AddTank(0, 75, 2);
    AddTank(0, -101, 2);
    Explosion* explosion = PlaceExplosion(*world, ExplosionType::ExplosionRocket, 0, 0, 1);
    ASSERT_NE(explosion, nullptr);
    explosion->Update(16);
    explosion->Update(16);
    ASSERT_EQ(Reported(WorldEventKind::Explosion).size(), 1u);
    ExpectEvent(Reported(WorldEventKind::Explosion)[0], 1, 0, 0,
                static_cast<int>(ExplosionType::ExplosionRocket), 0);
    ASSERT_EQ(Reported(WorldEventKind::UnderAttack).size(), 1u);
    ExpectEvent(Reported(WorldEventKind::UnderAttack)[0], 2, 0, 75, KindTank, enemy->Serial());

    // A wreck's explosion is nobody's weapon: it harms but attacks no one.
    const std::size_t from = world->StepEvents().size();
    PlaceExplosion(*world, ExplosionType::ExplosionRocket, 0, 0, noSide)->Update(16);
    ASSERT_EQ(Reported(WorldEventKind::Explosion, from).size(), 1u);
    EXPECT_EQ(Reported(WorldEventKind::Explosion, from)[0].side, noSide);
    EXPECT_TRUE(Reported(WorldEventKind::UnderAttack, from).empty());
}

TEST_F(CombatEvents, EachLossIsReportedInItsStepAndAQuietStepReportsNothing) {
    Tank* tank = AddTank(100, 200, 2);
    auto* tower = new Tower(world.get(), TowerType::DefenseTower, 2, 0, nullptr);
    tower->x = 300;
    tower->y = 400;
    tower->hitPoints = 50;
    world->InsertObject(tower, KindTower);
    Building* building = AddBuilding(-500, 600, 4, buildingRecord);
    AddTank(900, 900, 3);
    world->Tick(16);
    EXPECT_TRUE(world->StepEvents().empty());

    const std::uint64_t tankSerial = tank->Serial();
    const std::uint64_t towerSerial = tower->Serial();
    const std::uint64_t buildingSerial = building->Serial();
    tank->armor->hitPoints = 0;
    tower->hitPoints = 0;
    building->hitPoints = 0;
    world->Tick(16);
    const std::vector<WorldEvent> units = Reported(WorldEventKind::UnitDestroyed);
    ASSERT_EQ(units.size(), 2u);
    ExpectEvent(units[0], 2, 100, 200, unitDestroyedTank, tankSerial);
    ExpectEvent(units[1], 2, 300, 400, unitDestroyedTower, towerSerial);
    ASSERT_EQ(Reported(WorldEventKind::BuildingDestroyed).size(), 1u);
    ExpectEvent(Reported(WorldEventKind::BuildingDestroyed)[0], 4, -500, 600,
                static_cast<int>(BuildingType::Armory), buildingSerial);

    world->Tick(16);
    EXPECT_TRUE(world->StepEvents().empty()) << "the list starts empty with each step";
}

} // namespace
