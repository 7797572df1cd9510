// Bullets: speed laws, homing, what they hit and in which order, damage, kills and their end.
#include "world/Bullet.h"
#include "CombatWorld.h"
#include "WorldTestObjects.h"
#include "world/Debris.h"
#include "world/Effect.h"
#include "world/Obstacle.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Vorn;

namespace {

class BulletFlight : public testing::Test, public WorldTest::CombatWorld {
protected:
    BulletFlight() : record(Bullet(BulletType::GunBullet)) {
        Turret(TurretType::Gun1, BulletType::GunBullet);
    }
    // A bullet shot by the shooter from (x, y) along the heading, filed in the world.
    Vorn::Bullet* Fire(ArmedObject* shooter, float x, float y, float heading,
                       BulletType type = BulletType::GunBullet) {
        auto* bullet = new Vorn::Bullet(world.get(), shooter, type, 1);
        bullet->x = x;
        bullet->y = y;
        bullet->direction = heading;
        world->InsertBullet(bullet);
        return bullet;
    }
    Constants::BulletData& record;
};

TEST_F(BulletFlight, ShellsSlowDownOverTheirRangeAndRocketsSpeedUp) {
    record.payload = false;
    Vorn::Bullet* shell = Fire(nullptr, 0, 0, 90);
    shell->Update(100);
    EXPECT_FLOAT_EQ(shell->x, 100) << "full speed at the start";
    shell->distanceFlown = 500;
    shell->x = 0;
    shell->Update(100);
    EXPECT_FLOAT_EQ(shell->x, 60) << "at half the range 1 - 0.4 of the speed";

    Bullet(BulletType::Rocket).rocketMovement = true;
    Vorn::Bullet* rocket = Fire(nullptr, 0, 2000, 90, BulletType::Rocket);
    rocket->Update(100);
    const float early = rocket->x;
    rocket->distanceFlown = 900;
    rocket->Update(100);
    EXPECT_GT(rocket->x - early, early) << "a rocket is faster late in its flight";
    EXPECT_NEAR(early, 1000 * 0.1 * (0.30103 * 0.01 * 0.5 + 1.1), 0.01);
}

TEST_F(BulletFlight, EndsAtItsRangeAndAZeroRangeDividesByNothing) {
    record.range = 150;
    Vorn::Bullet* bullet = Fire(nullptr, 0, 0, 0);
    bullet->Update(100);
    bullet->Update(100);
    EXPECT_FALSE(bullet->finished) << "slowed down, 147 units flown";
    bullet->Update(100);
    EXPECT_TRUE(bullet->finished);

    record.range = 0;
    record.payload = false;
    Vorn::Bullet* blank = Fire(nullptr, 0, 500, 0);
    blank->Update(16);
    EXPECT_TRUE(blank->finished);
    EXPECT_TRUE(std::isfinite(blank->x) && std::isfinite(blank->y));
}

TEST_F(BulletFlight, HomingTurnsAtMostItsRateAndKeepsItsHeadingOnceTheTargetIsGone) {
    record.guiding = 90; // degrees per second
    Tank* shooter = AddTank(0, 0, 1);
    Tank* target = AddTank(3000, 0, 2);
    shooter->turret->brain.target = ObjectRef(target);
    Vorn::Bullet* bullet = Fire(shooter, 0, 50, 0);
    EXPECT_TRUE(bullet->target.Is(target));
    bullet->Update(100);
    EXPECT_FLOAT_EQ(bullet->direction, 9);
    world->EraseObject(target, KindTank);
    delete target;
    bullet->Update(100);
    EXPECT_FLOAT_EQ(bullet->direction, 9);
}

TEST_F(BulletFlight, HitsTanksBeforeTowersBeforeBuildingsAndSparesItsOwnSideButNotItsBuildings) {
    record.payload = true;
    Tank* shooter = AddTank(0, -500, 1);
    Tank* ownTank = AddTank(0, 10, 1);
    auto* enemyTower = WorldTest::MakeTower(0, 30, 2);
    world->InsertObject(enemyTower, KindTower);
    const auto buildingRecord = WorldTest::BuildingRecord(100, 0, 0);
    auto* ownBuilding = WorldTest::MakeBuilding(0, 60, 1, BuildingType::Armory, &buildingRecord);
    ownBuilding->size = 10;
    world->InsertObject(ownBuilding, KindBuilding);
    Tank* enemyTank = AddTank(0, 90, 3);

    // One step covers the whole column: the enemy tank is hit first though it lies farthest.
    Fire(shooter, 0, 0, 0)->Update(100);
    EXPECT_FLOAT_EQ(enemyTank->armor->hitPoints, 90);
    EXPECT_FLOAT_EQ(enemyTower->hitPoints, 100);
    EXPECT_FLOAT_EQ(ownTank->armor->hitPoints, 100);
    world->EraseObject(enemyTank, KindTank);
    delete enemyTank;
    Fire(shooter, 0, 0, 0)->Update(100);
    EXPECT_FLOAT_EQ(enemyTower->hitPoints, 90);
    EXPECT_FLOAT_EQ(ownBuilding->hitPoints, 100);
    world->EraseObject(enemyTower, KindTower);
    delete enemyTower;
    Fire(shooter, 0, 0, 0)->Update(100);
    EXPECT_FLOAT_EQ(ownBuilding->hitPoints, 90) << "the shooter's own buildings are hit";
    EXPECT_FLOAT_EQ(ownTank->armor->hitPoints, 100);
}

TEST_F(BulletFlight, UnitsCountOnlyBeyondRangeBeginButDebrisAndObstaclesStopItAnyway) {
    record.rangeBegin = 200;
    Tank* enemy = AddTank(0, 50, 2);
    Vorn::Bullet* early = Fire(nullptr, 0, 0, 0);
    early->Update(100);
    EXPECT_FALSE(early->finished);
    EXPECT_FLOAT_EQ(enemy->armor->hitPoints, 100);

    auto* piece = new Debris(1000);
    piece->x = 1000;
    piece->y = 50;
    piece->size = 5;
    world->InsertObject(piece, KindDebris);
    Vorn::Bullet* stopped = Fire(nullptr, 1000, 0, 0);
    stopped->Update(100);
    EXPECT_TRUE(stopped->finished);

    auto* block = new Obstacle(ObstacleType::ConcreteBlock, nullptr);
    block->x = 2000;
    block->y = 50;
    block->size = 5;
    world->InsertObject(block, KindStatic);
    Vorn::Bullet* blocked = Fire(nullptr, 2000, 0, 0);
    blocked->Update(100);
    EXPECT_TRUE(blocked->finished);
}

TEST_F(BulletFlight, AShellAtTheEndOfItsRangeDealsAFifthAndAPayloadAlwaysAll) {
    record.payload = false;
    Tank* enemy = AddTank(0, 1025, 2);
    Vorn::Bullet* shell = Fire(nullptr, 0, 1000, 0);
    shell->distanceFlown = 1000;
    shell->Update(100);
    EXPECT_FLOAT_EQ(enemy->armor->hitPoints, 100 - 10 * 0.2f);
    record.payload = true;
    Vorn::Bullet* payload = Fire(nullptr, 0, 1000, 0);
    payload->distanceFlown = 990;
    payload->Update(100);
    EXPECT_FLOAT_EQ(enemy->armor->hitPoints, 100 - 2 - 10);
}

TEST_F(BulletFlight, AKillCountsOnceWhenTheHitPointsCrossZero) {
    Tank* shooter = AddTank(0, 0, 1);
    Tank* enemy = AddTank(0, 100, 2, TurretType::Gun1, 15);
    for (int shot = 0; shot < 4; ++shot)
        Fire(shooter, 0, 40, 0)->Update(100);
    EXPECT_LE(enemy->armor->hitPoints, 0);
    EXPECT_EQ(shooter->turret->brain.kills, 1u);
}

namespace {
// A tank that always lives at the same address, as a freed tank's memory is handed to the next one.
alignas(std::max_align_t) unsigned char shooterStorage[4096];
class ReusedShooter : public Tank {
public:
    explicit ReusedShooter(World* world)
        : Tank(world, TankType::LightTank, 1, 0, ArmorType::NoArmor, TurretType::Gun1) {}
    static void* operator new(std::size_t) { return shooterStorage; }
    static void operator delete(void*) {}
};
static_assert(sizeof(ReusedShooter) <= sizeof shooterStorage);
} // namespace

TEST_F(BulletFlight, ABulletWhoseShooterDiedCreditsNobody) {
    auto* shooter = new ReusedShooter(world.get());
    world->InsertObject(shooter, KindTank);
    Vorn::Bullet* bullet = Fire(shooter, 0, 40, 0);
    world->EraseObject(shooter, KindTank);
    delete shooter;
    // A newcomer at the dead shooter's address must not take the credit.
    auto* newcomer = new ReusedShooter(world.get());
    world->InsertObject(newcomer, KindTank);
    ASSERT_TRUE(bullet->shooter.Get() == newcomer);
    AddTank(0, 100, 2, TurretType::Gun1, 5);
    bullet->Update(100);
    EXPECT_TRUE(bullet->finished);
    EXPECT_EQ(newcomer->turret->brain.kills, 0u);
}

TEST_F(BulletFlight, TrailsFollowTheBulletAndAreCollectedAfterItEnds) {
    KnowParticleSystems({"Trail", "Spent"});
    UseDrawings({{"GunBullet", R"(<particle_system x="0" y="-4" name="Trail"/>)"}});
    record.range = 300;
    record.rocketMovement = true;
    record.deathPs = "Spent";
    Vorn::Bullet* bullet = Fire(nullptr, 0, 0, 0);
    world->Tick(100);
    ASSERT_EQ(bullet->trail.size(), 1u);
    Effect* trail = bullet->trail.front().effect;
    EXPECT_TRUE(trail->frozen);
    EXPECT_FLOAT_EQ(trail->y, bullet->y - 4);
    EXPECT_FALSE(trail->System()->Particles().empty()) << "the bullet runs its frozen trail itself";
    for (int step = 0; step < 3; ++step)
        world->Tick(100);
    EXPECT_EQ(world->Bullets().Count(), 0u);
    EXPECT_EQ(world->LowerEffects().Count(), 1u) << "the spent system where the flight ended";
    ASSERT_TRUE(world->UpperEffects().Contains(trail));
    EXPECT_FALSE(trail->frozen) << "an ended trail is run by the world until its particles are gone";
    for (int step = 0; step < 20 && world->UpperEffects().Count() > 0; ++step)
        world->Tick(100);
    EXPECT_EQ(world->UpperEffects().Count(), 0u);
}

TEST_F(BulletFlight, ImpactsWithUnknownSystemsStillHit) {
    for (BulletType type : {BulletType::RazorBullet, BulletType::TankBullet, BulletType::Rocket,
                            BulletType::RocketL, BulletType::GrenadeBullet})
        Bullet(type);
    Tank* enemy = AddTank(0, 50, 2, TurretType::Gun1, 1000);
    for (BulletType type : {BulletType::GunBullet, BulletType::RazorBullet, BulletType::TankBullet,
                            BulletType::Rocket, BulletType::RocketL, BulletType::GrenadeBullet}) {
        Vorn::Bullet* bullet = Fire(nullptr, 0, 0, 0, type);
        EXPECT_NO_THROW(world->Tick(100));
        EXPECT_FALSE(world->Bullets().Contains(bullet));
    }
    EXPECT_FLOAT_EQ(enemy->armor->hitPoints, 1000 - 60);
}

} // namespace
