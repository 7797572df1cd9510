// Two tanks of the shipped rules facing each other in range: the stronger wins within a bounded game time
// and is credited with the kill.
#include "ai/TankBrain.h"
#include "datafiles/DataArchive.h"
#include "visuals/DrawingStore.h"
#include "visuals/ParticleSystemFactory.h"
#include "rules/ConstantsLoader.h"
#include "world/Tank.h"
#include "world/Turret.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <iostream>

using namespace Vorn;

namespace {

class Duel : public testing::Test {
protected:
    void SetUp() override {
        Constants::LoadConstants();
        factory.Load(dataArchive.ReadDocument("particles.xml"));
        particleSystemFactory = &factory;
        drawingStore.Load();
        world = std::make_unique<World>(4000.0f, 4000.0f, 800, 600);
    }
    void TearDown() override {
        world.reset();
        drawingStore.Release();
        particleSystemFactory = nullptr;
        Constants::ReleaseConstants();
    }
    Tank* Field(TankType chassis, ArmorType armour, TurretType turret, int side, float y, float heading) {
        auto* tank = new Tank(world.get(), chassis, side, 1, armour, turret);
        tank->y = y;
        tank->direction = heading;
        tank->turret->direction = heading;
        world->InsertObject(tank, KindTank);
        tank->brain->SetActive(true);
        return tank;
    }
    // Game milliseconds until the side has no tank left, in 16 ms steps, or the limit.
    unsigned FightUntilSideIsGone(int side, unsigned limitMs) {
        unsigned elapsed = 0;
        while (elapsed < limitMs && world->Objects(side, KindTank).Count() > 0) {
            world->Tick(16);
            elapsed += 16;
        }
        return elapsed;
    }

    ParticleSystemFactory factory;
    std::unique_ptr<World> world;
};

TEST_F(Duel, AHeavyCannonTankBeatsALightGunTankAndCountsTheKill) {
    Tank* heavy = Field(TankType::HeavyTank, ArmorType::NoArmor, TurretType::Cannon2, 2, -110, 0);
    Field(TankType::LightTank, ArmorType::LightArmor, TurretType::Gun1, 3, 110, 180);
    const unsigned duel = FightUntilSideIsGone(3, 120000);
    std::cout << "heavy Cannon2 against light Gun1 with light armour: " << duel / 1000.0 << " s\n";
    EXPECT_LT(duel, 40000u);
    ASSERT_TRUE(world->Objects(2, KindTank).Contains(heavy)) << "the heavy tank lost";
    EXPECT_EQ(heavy->turret->brain.kills, 1u);
    EXPECT_EQ(world->Objects(0, KindStatic).Count(), 1u) << "a wreck where the light tank stood";
    EXPECT_GT(heavy->armor->hitPoints, 0);
}

} // namespace
