// What an effect remembers of its last run, so that the tick can pass over it: a paused, empty effect is
// not run until it is unpaused, and one known to be running is finished as soon as it is ended.
#include "datafiles/Node.h"
#include "visuals/ParticleSystemFactory.h"
#include "world/Effect.h"

#include <gtest/gtest.h>

using namespace Vorn;

namespace {

// A short-lived core under a ring whose particles outlive it tenfold.
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

class EffectRuns : public testing::Test {
protected:
    void SetUp() override {
        Brisk::Node document;
        document.LoadText(layeredDocument);
        factory.Load(document);
        particleSystemFactory = &factory;
    }
    void TearDown() override { particleSystemFactory = nullptr; }

    static const ParticleSystem& Ring(const Effect& blast) { return *blast.System()->Layers().at(0); }

    ParticleSystemFactory factory;
};

TEST_F(EffectRuns, APausedEmptyEffectEmitsAgainOnceUnpaused) {
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
TEST_F(EffectRuns, APausedEffectWhoseLayerHasParticlesKeepsRunning) {
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

TEST_F(EffectRuns, AnEffectEndedAfterItsLastRunIsFinishedAtOnce) {
    Effect blast("Blast", 0, true);
    blast.Pause();
    blast.Update(16);
    ASSERT_FALSE(blast.IsFinished());
    blast.End();
    EXPECT_TRUE(blast.IsFinished());
}

} // namespace
