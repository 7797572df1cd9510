// A tank's assembly and the effects it drags along.
#include "CombatWorld.h"
#include "ai/TankBrain.h"
#include "visuals/ParticleSystem.h"
#include "rules/TankAIData.h"
#include "world/Effect.h"

#include <gtest/gtest.h>

using namespace Vorn;

namespace {

class TankAssembly : public testing::Test, public WorldTest::CombatWorld {
protected:
    // A light tank at the origin whose brain drives it to any waypoint it is given.
    Tank* AddDrivableTank() {
        auto& chassis = records.Add<Constants::TankData>(TankType::LightTank);
        chassis.maxSpeed = 100;
        chassis.rotationSpeed = 90;
        chassis.maxLoad = 40;
        records.Add<Constants::TankAIData>(Constants::ConstantId::TankAI).gasOnAngle = 35;
        Tank* tank = AddTank(0, 0, 2);
        tank->brain->SetActive(true);
        return tank;
    }
};

TEST_F(TankAssembly, HitPointsAreTheChassisBaseAndTheArmoursAndTheParts) {
    auto& chassis = records.Add<Constants::TankData>(TankType::MediumTank);
    chassis.baseArmor = 150;
    chassis.size = 15;
    records.Add<Constants::ArmorData>(ArmorType::HeavyArmor).maxArmor = 400;
    Turret(TurretType::Cannon1, BulletType::TankBullet).engageRange = 320;
    Tank tank(world.get(), TankType::MediumTank, 3, 7, ArmorType::HeavyArmor, TurretType::Cannon1);
    EXPECT_FLOAT_EQ(tank.armor->maxHitPoints, 550);
    EXPECT_FLOAT_EQ(tank.armor->hitPoints, 550);
    EXPECT_FLOAT_EQ(tank.size, 15);
    EXPECT_EQ(tank.number, 7);
    EXPECT_EQ(tank.turret->side, 3);
    EXPECT_EQ(tank.turret->carrier, &tank);
    EXPECT_FLOAT_EQ(tank.turret->brain.range, 320);
    EXPECT_EQ(tank.turret->bulletKind, BulletType::TankBullet);
}

TEST_F(TankAssembly, TheFirstUpdateLightsExhaustsAndDustSkippingUnknownSystems) {
    KnowParticleSystems({"Exhaust", "MotionDust"});
    UseDrawings({{"LightTank", R"(<particle_system x="3" y="-8" name="Exhaust"/>
                                  <particle_system x="-3" y="-8" name="Unknown"/>
                                  <mouth x="6" y="-6"/><mouth x="-6" y="-6"/>)"},
                 {"HeavyTank", R"(<particle_system x="0" y="-8" name="Exhaust"/>)"}});
    records.Add<Constants::TankData>(TankType::HeavyTank);
    Tank* light = AddTank(100, 100, 2);
    auto* heavy = new Tank(world.get(), TankType::HeavyTank, 2, 0, ArmorType::NoArmor, TurretType::Gun1);
    heavy->armor->hitPoints = 100;
    heavy->x = 1000;
    world->InsertObject(heavy, KindTank);
    world->Tick(16);
    ASSERT_EQ(light->exhaust.size(), 1u);
    EXPECT_FLOAT_EQ(light->exhaust[0].effect->x, 103);
    EXPECT_FLOAT_EQ(light->exhaust[0].effect->y, 92);
    ASSERT_EQ(light->dust.size(), 2u);
    EXPECT_TRUE(world->LowerEffects().Contains(light->dust[1].effect));
    EXPECT_FALSE(light->dust[0].effect->IsEmitting()) << "dust only while the tank moves";
    EXPECT_TRUE(heavy->dust.empty()) << "a chassis without mouths raises no dust";

    // Turned to 90 and moved, the effects follow rotated by the heading, and the particles already out
    // shift back by the way the tank went.
    const ParticleSystem* system = light->exhaust[0].effect->System();
    const float offsetX = system->OffsetX();
    const float offsetY = system->OffsetY();
    world->RefileObject(light, KindTank, 200, 150);
    light->direction = 90;
    light->PlaceEffects(100, 100);
    EXPECT_NEAR(light->exhaust[0].effect->x, 200 - 8, 1e-4);
    EXPECT_NEAR(light->exhaust[0].effect->y, 150 - 3, 1e-4);
    EXPECT_FLOAT_EQ(system->OffsetX(), offsetX - 100);
    EXPECT_FLOAT_EQ(system->OffsetY(), offsetY - 50);
}

// Exhaust let out stays where it was let out while the tank drives on.
TEST_F(TankAssembly, ParticlesLetOutStayBehindADrivingTank) {
    Brisk::Node still;
    still.LoadText(R"(<behavior><Still><life_time value="10000"/><emit_time value="10"/>
        <emit_number value="1"/><particle_life_time value="1000"/><particle_speed value="0"/></Still>
        </behavior><system><Exhaust><behavior value="Still"/></Exhaust></system>)");
    factory.Load(still);
    UseDrawings({{"LightTank", R"(<particle_system x="0" y="-8" name="Exhaust"/>)"}});
    Tank* tank = AddDrivableTank();
    world->Tick(16);
    const Effect* exhaust = tank->exhaust.at(0).effect;
    const ParticleSystem& system = *exhaust->System();
    ASSERT_FALSE(system.Particles().empty());
    const auto firstPuffY = [&] { return exhaust->y + system.YOf(system.Particles().front()); };
    const float letOutAt = firstPuffY();

    tank->brain->SetWaypoint(0, 1000);
    for (int step = 0; step < 20; ++step)
        world->Tick(16);
    ASSERT_GT(tank->y, 5) << "the tank drove off";
    EXPECT_NEAR(firstPuffY(), letOutAt, 1e-3);
}

// The tank skips its dust while the dust is as it was: a change either way still reaches it.
TEST_F(TankAssembly, DustRisesWhileTheTankDrivesAndSettlesWhenItStops) {
    KnowParticleSystems({"MotionDust"});
    UseDrawings({{"LightTank", R"(<mouth x="6" y="-6"/>)"}});
    Tank* tank = AddDrivableTank();
    world->Tick(16);
    world->Tick(16);
    const Effect* dust = tank->dust.at(0).effect;
    EXPECT_FALSE(dust->IsEmitting()) << "a standing tank raises no dust";

    tank->brain->SetWaypoint(0, 1000);
    for (int step = 0; step < 20; ++step)
        world->Tick(16);
    ASSERT_GT(tank->y, 5) << "the tank drove off";
    EXPECT_TRUE(dust->IsEmitting()) << "a driving tank raises dust";

    tank->brain->SetActive(false);
    world->Tick(16);
    world->Tick(16);
    EXPECT_FALSE(dust->IsEmitting()) << "the dust settles once the tank stands";
}

TEST_F(TankAssembly, ADestroyedTanksEffectsAreLeftToFade) {
    KnowParticleSystems({"Exhaust", "MotionDust"});
    UseDrawings({{"LightTank", R"(<particle_system x="0" y="-8" name="Exhaust"/><mouth x="6" y="-6"/>)"}});
    Tank* tank = AddTank(0, 0, 2);
    world->Tick(16);
    Effect* exhaust = tank->exhaust.at(0).effect;
    tank->armor->hitPoints = 0;
    world->Tick(16);
    EXPECT_FALSE(exhaust->held);
    EXPECT_FALSE(exhaust->IsEmitting());
    for (int step = 0; step < 20; ++step)
        world->Tick(100);
    EXPECT_EQ(world->LowerEffects().Count() + world->UpperEffects().Count(), 0u);
}

} // namespace
