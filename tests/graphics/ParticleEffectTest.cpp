// Effects made by particle system name: unknown names, direction, size, step mode and freezing.
#include "datafiles/Node.h"
#include "visuals/ParticleSystemFactory.h"
#include "random/Random.h"
#include "world/Effect.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

const char* const effectsDocument = R"(
<behavior>
  <Burst>
    <life_time value="1000"/> <emit_time value="100"/> <emit_number value="3"/>
    <particle_life_time value="800"/> <particle_speed value="50"/>
  </Burst>
</behavior>
<system>
  <Sparks> <behavior value="Burst"/> <direction value="30"/> <scatter_angle value="0"/> </Sparks>
  <Orphan> <behavior value="Missing"/> </Orphan>
</system>
)";

// Installs a factory as the game's for the length of one test.
class ParticleEffectTest : public testing::Test {
protected:
    void SetUp() override {
        Brisk::Node document;
        document.LoadText(effectsDocument);
        factory.Load(document);
        Vorn::particleSystemFactory = &factory;
    }
    void TearDown() override { Vorn::particleSystemFactory = nullptr; }

    Vorn::ParticleSystemFactory factory;
};

TEST_F(ParticleEffectTest, UnknownSystemsAndBehavioursAreInvalidNames) {
    for (const char* name : {"Nothing", "Orphan", "sparks"}) {
        try {
            Vorn::Effect effect(name, 0.0f, false);
            ADD_FAILURE() << name << " was accepted";
        } catch (const std::invalid_argument& error) {
            EXPECT_STREQ(error.what(), "Invalid particle system name.");
        }
    }
    Vorn::particleSystemFactory = nullptr;
    EXPECT_THROW(Vorn::Effect("Sparks", 0.0f, false), std::invalid_argument) << "no factory yet";
}

TEST_F(ParticleEffectTest, TheOffsetAddsToTheSystemDirectionAndTheSizeIsTheFlightRange) {
    Vorn::Effect effect("Sparks", 60.0f, false);
    EXPECT_FLOAT_EQ(effect.System()->Direction(), 90.0f);
    EXPECT_FLOAT_EQ(effect.size, 50.0f * 0.001f * 800.0f);
    effect.Update(100);
    ASSERT_EQ(effect.System()->Particles().size(), 3u);
    EXPECT_FLOAT_EQ(effect.System()->Particles()[0].heading, 90.0f * 0.017453292519943295f);
}

TEST_F(ParticleEffectTest, StepModeRunsOneMillisecondUpdates) {
    Vorn::Effect whole("Sparks", 0.0f, false);
    Vorn::Effect stepped("Sparks", 0.0f, true);
    whole.Update(250);
    stepped.Update(250);
    ASSERT_EQ(whole.System()->Particles().size(), 6u);
    ASSERT_EQ(stepped.System()->Particles().size(), 6u);
    // Emitted when the system turned 100 and 200 ms old, they have flown ever since.
    EXPECT_EQ(stepped.System()->AgeOf(stepped.System()->Particles()[0]), 151u);
    EXPECT_EQ(stepped.System()->AgeOf(stepped.System()->Particles()[3]), 51u);
    EXPECT_EQ(whole.System()->AgeOf(whole.System()->Particles()[0]), 250u);
}

TEST_F(ParticleEffectTest, FrozenEffectsIgnoreUpdatesAndOperationsReachTheSystem) {
    Vorn::Effect effect("Sparks", 0.0f, false);
    effect.frozen = true;
    effect.Update(500);
    EXPECT_EQ(effect.System()->Age(), 0u);
    effect.frozen = false;
    effect.Update(100);
    EXPECT_EQ(effect.EmitTime(), 100u);

    effect.Pause();
    EXPECT_FALSE(effect.IsEmitting());
    effect.Update(100);
    EXPECT_EQ(effect.System()->Age(), 100u);
    effect.SetPaused(false);
    EXPECT_TRUE(effect.IsEmitting());

    const Vorn::ParticleSystem& system = *effect.System();
    const float y = system.YOf(system.Particles()[0]);
    effect.MoveParticles(0.0f, 2.0f);
    EXPECT_FLOAT_EQ(system.YOf(system.Particles()[0]), y + 2.0f);
    effect.SetDirection(-45.0f);
    EXPECT_FLOAT_EQ(effect.System()->Direction(), -45.0f);

    // Ending leaves emission alone (owners pause as well); the last particle's death finishes it.
    effect.End();
    EXPECT_FALSE(effect.IsEmitting());
    EXPECT_FALSE(effect.IsFinished());
    for (int frame = 0; frame < 16; ++frame) {
        effect.Update(100);
    }
    EXPECT_FALSE(effect.IsFinished());
    for (int frame = 0; frame < 1; ++frame) {
        effect.Update(100);
    }
    EXPECT_TRUE(effect.IsFinished());
}

} // namespace

// Tanks set the pause of their dust at every step; repeating a setting must not lose a later change.
TEST_F(ParticleEffectTest, RepeatedPausesAndResumesReachTheSystem) {
    Vorn::Effect effect("Sparks", 0.0f, false);
    effect.SetPaused(false);
    EXPECT_FALSE(effect.System()->IsPaused());
    effect.SetPaused(true);
    effect.SetPaused(true);
    effect.Update(300);
    EXPECT_TRUE(effect.System()->IsPaused());
    EXPECT_TRUE(effect.System()->Particles().empty()) << "paused from the start, nothing was emitted";
    effect.SetPaused(false);
    effect.SetPaused(false);
    EXPECT_FALSE(effect.System()->IsPaused());
    effect.Update(100);
    EXPECT_EQ(effect.System()->Particles().size(), 3u);
}
