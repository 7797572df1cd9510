// Effects whose system has layers: the fog radius, the direction and the trail sub-steps cover every
// layer; effects an owner holds stay in the world until it lets go; a paused, empty effect is passed over
// until it is unpaused, and one known to be running is finished as soon as it is ended.
#include "datafiles/Node.h"
#include "visuals/ParticleSystemFactory.h"
#include "world/AttachedEffect.h"
#include "world/Effect.h"
#include "world/World.h"

#include <gtest/gtest.h>

using namespace Vorn;

namespace {

const char* const layeredDocument = R"(
<behavior>
  <Core><life_time value="100"/><emit_time value="40"/><emit_number value="1"/>
    <particle_life_time value="100"/><particle_speed value="10"/></Core>
  <Ring><life_time value="100"/><emit_time value="15"/><emit_number value="1"/>
    <particle_life_time value="1000"/><particle_speed value="300"/></Ring>
</behavior>
<system>
  <Blast><behavior value="Core"/><direction value="0"/><layer value="Wave"/></Blast>
  <Wave><behavior value="Ring"/><direction value="90"/></Wave>
</system>
)";

class EffectLayers : public testing::Test {
protected:
    void SetUp() override {
        Brisk::Node document;
        document.LoadText(layeredDocument);
        factory.Load(document);
        particleSystemFactory = &factory;
    }
    void TearDown() override { particleSystemFactory = nullptr; }

    static const ParticleSystem& Ring(const Effect& blast) { return blast.System()->Layers()[0]; }

    ParticleSystemFactory factory;
};

TEST_F(EffectLayers, TheFogRadiusIsTheWidestLayersReach) {
    const Effect blast("Blast", 0, false);
    EXPECT_FLOAT_EQ(blast.size, 300 * 0.001f * 1000);
}

TEST_F(EffectLayers, TurningKeepsEachLayersOwnOffset) {
    Effect blast("Blast", 10, false);
    ASSERT_EQ(blast.System()->Layers().size(), 1u);
    EXPECT_FLOAT_EQ(blast.System()->Layers()[0].Direction(), 100);
    blast.SetDirection(45);
    EXPECT_FLOAT_EQ(blast.System()->Direction(), 45);
    EXPECT_FLOAT_EQ(blast.System()->Layers()[0].Direction(), 135);
}

TEST_F(EffectLayers, TheEmitTimeIsTheShortestOverTheLayers) {
    const Effect blast("Blast", 0, false);
    EXPECT_EQ(blast.EmitTime(), 15u);
}

TEST_F(EffectLayers, AHeldEffectStaysUntilItsOwnerLetsGo) {
    World world(2048, 2048, 800, 600);
    auto* held = new Effect("Blast", 0, false);
    held->held = true;
    world.InsertEffect(world.UpperEffects(), held);
    for (int step = 0; step < 30; ++step)
        world.Tick(100);
    ASSERT_TRUE(held->IsFinished());
    EXPECT_TRUE(world.UpperEffects().Contains(held)) << "deleted while its owner still points to it";
    ReleaseEffect(held);
    world.Tick(100);
    EXPECT_EQ(world.UpperEffects().Count(), 0u);
}

TEST_F(EffectLayers, APausedEmptyEffectEmitsAgainOnceUnpaused) {
    Effect blast("Blast", 0, false);
    blast.Pause();
    blast.Update(50);
    blast.Update(50);
    ASSERT_TRUE(blast.System()->Particles().empty());
    blast.SetPaused(false);
    blast.Update(50);
    EXPECT_FALSE(blast.System()->Particles().empty());
    EXPECT_FALSE(Ring(blast).Particles().empty());
}

// The core is empty while the ring still has particles: the effect must go on ageing them.
TEST_F(EffectLayers, APausedEffectWhoseLayerHasParticlesKeepsRunning) {
    Effect blast("Blast", 0, false);
    blast.Update(50);
    blast.Pause();
    blast.Update(150);
    blast.Update(1);
    ASSERT_TRUE(blast.System()->Particles().empty());
    ASSERT_FALSE(Ring(blast).Particles().empty());
    blast.Update(1000);
    blast.Update(1);
    EXPECT_TRUE(Ring(blast).Particles().empty());
}

TEST_F(EffectLayers, AnEffectEndedAfterItsLastRunIsFinishedAtOnce) {
    Effect blast("Blast", 0, true);
    blast.Pause();
    blast.Update(16);
    ASSERT_FALSE(blast.IsFinished());
    blast.End();
    EXPECT_TRUE(blast.IsFinished());
}

} // namespace
