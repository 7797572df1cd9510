// The turret's firing clock, spread, mouths, rearming, and the effects a shot makes.
#include "CombatWorld.h"
#include "random/Random.h"
#include "world/Bullet.h"
#include "world/Effect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace Vorn;

namespace {

class TurretFiring : public testing::Test, public WorldTest::CombatWorld {
protected:
    TurretFiring() : record(Turret(TurretType::Gun1, BulletType::GunBullet)) {
        Bullet(BulletType::GunBullet);
    }
    // The steps (of 10 ms) in which a turret that always wants to fire releases a shot.
    std::vector<int> ShotSteps(Vorn::Turret& turret, int steps) {
        std::vector<int> shots;
        for (int step = 0; step < steps; ++step)
            if (turret.FireStep(0.01f, true))
                shots.push_back(step);
        return shots;
    }
    Constants::TurretData& record;
};

TEST_F(TurretFiring, FiresASerieReloadTimeApartThenWaitsForTheSerieReload) {
    record.roundsInSerie = 3;
    record.reloadTime = 0.1f;
    record.serieReloadTime = 0.5f;
    Tank* tank = AddTank(0, 0, 1);
    // The first shot leaves at once; each later one once the reload has run down past 0.
    const std::vector<int> shots = ShotSteps(*tank->turret, 160);
    ASSERT_GE(shots.size(), 4u);
    EXPECT_EQ(shots[0], 0);
    EXPECT_NEAR(shots[1] - shots[0], 11, 1);
    EXPECT_NEAR(shots[2] - shots[1], 11, 1);
    EXPECT_GT(shots[3] - shots[2], 50) << "the next serie waits for the serie reload";
    EXPECT_EQ(tank->turret->ammunition, 100 - static_cast<int>(shots.size()));
}

TEST_F(TurretFiring, NoAmmunitionOrNoWishMeansNoShot) {
    Tank* tank = AddTank(0, 0, 1);
    EXPECT_FALSE(tank->turret->FireStep(0.01f, false));
    tank->turret->ammunition = 0;
    EXPECT_FALSE(tank->turret->FireStep(0.01f, true));
    tank->turret->ammunition = 5;
    tank->turret->ClearSerie();
    EXPECT_FALSE(tank->turret->FireStep(0.01f, true)) << "a cleared serie reloads first";
}

TEST_F(TurretFiring, RearmTakesOnlyWhatIsMissingAndEmptiesASmallPool) {
    Tank* tank = AddTank(0, 0, 1);
    tank->turret->ammunition = 40;
    unsigned pool = 25;
    EXPECT_EQ(tank->turret->Rearm(pool), 25);
    EXPECT_EQ(pool, 0u);
    EXPECT_EQ(tank->turret->ammunition, 65);
    pool = 1000;
    EXPECT_EQ(tank->turret->Rearm(pool), 35);
    EXPECT_EQ(pool, 965u);
    EXPECT_EQ(tank->turret->ammunition, 100);
}

TEST_F(TurretFiring, SpreadIsUniformWithinHalfTheAngleAndZeroAccuracyIsExact) {
    record.accuracyAngle = 20;
    Tank* tank = AddTank(0, 0, 1);
    tank->turret->direction = 30;
    float lowest = 1000, highest = -1000;
    for (int i = 0; i < 200; ++i) {
        std::unique_ptr<Vorn::Bullet> bullet(tank->turret->SpawnBullet(1, 1));
        lowest = std::min(lowest, bullet->direction);
        highest = std::max(highest, bullet->direction);
    }
    EXPECT_GE(lowest, 20.0f);
    EXPECT_LE(highest, 40.0f);
    EXPECT_LT(lowest, 22.0f);
    EXPECT_GT(highest, 38.0f);
    std::unique_ptr<Vorn::Bullet> exact(tank->turret->SpawnBullet(0, 1));
    EXPECT_EQ(exact->direction, 30.0f);
}

TEST_F(TurretFiring, TwoMouthsAlternateAndNoMouthShootsFromTheCentre) {
    UseDrawings({{"Gun1", WorldTest::MouthDrawing({{-4, 10}, {4, 10}})},
                 {"Gun2", WorldTest::MouthDrawing({{0, 10}})}});
    records.Add<Constants::TurretData>(TurretType::Gun2) = record;
    records.Add<Constants::TurretData>(TurretType::Gun3) = record;
    Tank* twin = AddTank(100, 100, 1, TurretType::Gun1);
    Tank* single = AddTank(300, 100, 1, TurretType::Gun2);
    Tank* bare = AddTank(500, 100, 1, TurretType::Gun3);
    std::vector<float> twinX, singleX;
    for (int i = 0; i < 3; ++i) {
        std::unique_ptr<Vorn::Bullet> a(twin->turret->SpawnBullet(0, 1));
        std::unique_ptr<Vorn::Bullet> b(single->turret->SpawnBullet(0, 1));
        twinX.push_back(a->x);
        singleX.push_back(b->x);
        EXPECT_FLOAT_EQ(a->y, 110);
    }
    // Heading 0: "across" points along +x.
    EXPECT_EQ(twinX, (std::vector<float>{96, 104, 96}));
    EXPECT_EQ(singleX, (std::vector<float>{300, 300, 300}));
    std::unique_ptr<Vorn::Bullet> centre(bare->turret->SpawnBullet(0, 1));
    EXPECT_EQ(centre->x, 500);
    EXPECT_EQ(centre->y, 100);
}

TEST_F(TurretFiring, UnknownFlashAndShellSystemsAreSkipped) {
    UseDrawings({{"Gun1", WorldTest::MouthDrawing({{0, 10}}, "NoSuchFlash")}});
    record.shellPs = "NoSuchShells";
    Tank* tank = AddTank(0, 0, 1);
    std::unique_ptr<Vorn::Bullet> bullet;
    EXPECT_NO_THROW(bullet.reset(tank->turret->SpawnBullet(1, 1)));
    EXPECT_NE(bullet, nullptr);
    EXPECT_EQ(world->UpperEffects().Count() + world->LowerEffects().Count(), 0u);
}

TEST_F(TurretFiring, OneSharedShellEffectPerTypeKeepsEjectingPastItsLifeTime) {
    KnowParticleSystems({"Shells"});
    record.shellPs = "Shells";
    Tank* first = AddTank(0, 0, 1);
    Tank* second = AddTank(200, 0, 1);
    // Each burst runs the shared system for 1 ms; its life is 1000 ms, so 1500 shots outlive it.
    for (int shot = 0; shot < 1500; ++shot) {
        delete (shot % 2 ? first : second)->turret->SpawnBullet(1, 1);
        if (shot % 100 == 0)
            world->Tick(1);
    }
    Effect* shells = world->shared.shells[static_cast<int>(TurretType::Gun1)].Current();
    ASSERT_NE(shells, nullptr);
    EXPECT_TRUE(shells->held);
    shells->SetPaused(false);
    EXPECT_TRUE(shells->IsEmitting()) << "the shared shells stopped after their life time";
    shells->Pause();
    EXPECT_TRUE(world->LowerEffects().Contains(shells));
}

TEST(TurretAmmo, AFractionOfATurretWithoutAmmunitionIsZero) {
    WorldTest::CombatWorld battle;
    battle.Turret(TurretType::Radar, BulletType::GunBullet).maxAmmo = 0;
    Tank* tank = battle.AddTank(0, 0, 1, TurretType::Radar);
    EXPECT_EQ(tank->AmmoFraction(), 0.0f);
}

} // namespace
