// Reading particles.xml into behaviours and systems, and creating running systems with their layers.
#include "visuals/ParticleSystemFactory.h"
#include "datafiles/ColourTable.h"
#include "datafiles/Node.h"

#include <gtest/gtest.h>

namespace {

using Vorn::ParticleSystemFactory;

ParticleSystemFactory Loaded(const char* text) {
    Brisk::Node document;
    document.LoadText(text);
    ParticleSystemFactory factory;
    factory.Load(document);
    return factory;
}

TEST(ParticleSystemFactoryLoad, ReadsEveryParameterAndDefaultsTheMissingOnes) {
    colourTable.Store("particle_test_ember", {200, 100, 50, 0});
    auto factory = Loaded(R"(
        <behavior>
          <Full>
            <life_time value="1500"/> <emit_time value="30"/> <emit_number value="4"/>
            <source_offset_x value="1.5"/> <source_offset_y value="-2"/> <source_radius value="3.25"/>
            <particle_life_time value="900"/> <particle_move_time value="700"/>
            <particle_move_time_random value="200"/> <particle_speed value="42.5"/>
            <particle_motion_slow_down value="true"/> <particle_motion_log_slow_down value="yes"/>
            <particle_motion_inv_slow_down value="0"/>
            <particle_fade_in_begin value="10"/> <particle_fade_in_end value="60"/>
            <particle_alpha_log value="1"/>
          </Full>
          <Sparse> <life_time/> <emit_time value="-5"/> </Sparse>
        </behavior>
        <system>
          <Ember>
            <particle_size value="2"/> <particle_size_end value="6.5"/> <scatter_angle value="90"/>
            <direction value="-30"/> <focus value="true"/> <rotation_speed value="180"/>
            <color value="particle_test_ember"/> <behavior value="Full"/> <texture value="flame"/>
          </Ember>
          <Plain> <color value="no_such_colour"/> </Plain>
        </system>)");

    const Vorn::ParticleBehavior& full = factory.Behaviors().at("Full");
    EXPECT_EQ(full.lifeTime, 1500u);
    EXPECT_EQ(full.emitTime, 30u);
    EXPECT_EQ(full.emitNumber, 4u);
    EXPECT_FLOAT_EQ(full.sourceOffsetX, 1.5f);
    EXPECT_FLOAT_EQ(full.sourceOffsetY, -2.0f);
    EXPECT_FLOAT_EQ(full.sourceRadius, 3.25f);
    EXPECT_EQ(full.particleLifeTime, 900u);
    EXPECT_EQ(full.particleMoveTime, 700u);
    EXPECT_EQ(full.particleMoveTimeRandom, 200u);
    EXPECT_FLOAT_EQ(full.particleSpeed, 42.5f);
    EXPECT_TRUE(full.slowDown);
    EXPECT_TRUE(full.logSlowDown);
    EXPECT_FALSE(full.inverseSlowDown);
    EXPECT_EQ(full.fadeInBegin, 10u);
    EXPECT_EQ(full.fadeInEnd, 60u);
    EXPECT_TRUE(full.alphaLog);

    const Vorn::ParticleBehavior& sparse = factory.Behaviors().at("Sparse");
    EXPECT_EQ(sparse.lifeTime, 0u) << "an element without a value reads as 0";
    EXPECT_EQ(sparse.emitTime, 0u) << "a negative time reads as 0 instead of wrapping around";
    EXPECT_FALSE(sparse.slowDown);

    const auto& ember = *factory.Systems().at("Ember");
    EXPECT_FLOAT_EQ(ember.particleSize, 2.0f);
    EXPECT_FLOAT_EQ(ember.particleSizeEnd, 6.5f);
    EXPECT_FLOAT_EQ(ember.scatterAngle, 90.0f);
    EXPECT_FLOAT_EQ(ember.direction, -30.0f);
    EXPECT_TRUE(ember.focus);
    EXPECT_FLOAT_EQ(ember.rotationSpeed, 180.0f);
    EXPECT_EQ(ember.colour, (std::array<std::uint8_t, 4>{200, 100, 50, 0}));
    EXPECT_EQ(ember.behaviorName, "Full");
    EXPECT_EQ(ember.textureName, "flame");
    EXPECT_EQ(factory.Systems().at("Plain")->colour, (std::array<std::uint8_t, 4>{255, 0, 255, 255}));
}

TEST(ParticleSystemFactoryLoad, ALaterRecordReplacesAnEarlierOneAndReleaseEmptiesBoth) {
    auto factory = Loaded(R"(
        <behavior> <B><life_time value="1"/></B> <B><life_time value="2"/></B> </behavior>
        <system> <S><direction value="1"/></S> <S><direction value="2"/><behavior value="B"/></S> </system>)");
    EXPECT_EQ(factory.Behaviors().at("B").lifeTime, 2u);
    EXPECT_FLOAT_EQ(factory.Systems().at("S")->direction, 2.0f);
    factory.Release();
    EXPECT_TRUE(factory.Behaviors().empty());
    EXPECT_TRUE(factory.Systems().empty());
    EXPECT_EQ(factory.CreateSystem("S"), nullptr);
}

TEST(ParticleSystemFactoryCreate, CopiesTheRecordAndRefusesUnknownNames) {
    auto factory = Loaded(R"(
        <behavior> <B><life_time value="500"/></B> </behavior>
        <system>
          <S><behavior value="B"/><direction value="75"/><scatter_angle value="20"/><focus value="1"/></S>
          <Orphan><behavior value="Gone"/></Orphan>
        </system>)");
    auto system = factory.CreateSystem("S");
    ASSERT_NE(system, nullptr);
    EXPECT_FLOAT_EQ(system->Direction(), 75.0f);
    EXPECT_EQ(system->Behavior().lifeTime, 500u);
    EXPECT_EQ(system->Age(), 0u);
    EXPECT_TRUE(system->IsEmitting());
    EXPECT_EQ(factory.CreateSystem("Orphan"), nullptr);
    EXPECT_EQ(factory.CreateSystem("s"), nullptr) << "names are case-sensitive";
    EXPECT_EQ(factory.BehaviorOf("S"), &factory.Behaviors().at("B"));
}

const char* const layeredDocument = R"(
    <behavior>
      <Long><life_time value="100"/><emit_time value="100"/><emit_number value="1"/>
            <particle_life_time value="1000"/></Long>
      <Short><life_time value="100"/><emit_time value="100"/><emit_number value="2"/>
             <particle_life_time value="200"/></Short>
    </behavior>
    <system>
      <Blast><behavior value="Short"/><layer value="Smoke"/><layer value="Missing"/></Blast>
      <Smoke><behavior value="Long"/><direction value="10"/></Smoke>
      <Loop><behavior value="Short"/><layer value="Loop"/></Loop>
    </system>)";

TEST(ParticleSystemLayers, LayersRunMoveAndFinishWithTheirSystem) {
    auto factory = Loaded(layeredDocument);
    auto blast = factory.CreateSystem("Blast");
    ASSERT_EQ(blast->Layers().size(), 1u) << "the unknown layer is left out";
    const Vorn::ParticleSystem& smoke = blast->Layers()[0];

    blast->AddDirection(90.0f);
    EXPECT_FLOAT_EQ(smoke.Direction(), 100.0f);
    blast->Update(100);
    EXPECT_EQ(blast->Particles().size(), 2u);
    ASSERT_EQ(smoke.Particles().size(), 1u);
    const float x = smoke.XOf(smoke.Particles()[0]);
    blast->Move(4.0f, 0.0f);
    EXPECT_FLOAT_EQ(smoke.XOf(smoke.Particles()[0]), x + 4.0f);

    blast->Update(300);
    blast->Update(1);
    EXPECT_TRUE(blast->Particles().empty());
    EXPECT_FALSE(blast->IsFinished()) << "the smoke layer lingers";
    blast->Update(800);
    blast->Update(1);
    EXPECT_TRUE(blast->IsFinished());

    blast->SetPaused(true);
    EXPECT_TRUE(smoke.IsPaused());
}

TEST(ParticleSystemLayers, ARecordNamingItselfNestsOnlyToTheDepthLimit) {
    auto factory = Loaded(layeredDocument);
    auto loop = factory.CreateSystem("Loop");
    int depth = 0;
    for (const Vorn::ParticleSystem* level = loop.get(); !level->Layers().empty();
         level = &level->Layers()[0]) {
        ++depth;
    }
    EXPECT_EQ(depth, ParticleSystemFactory::maxLayerDepth);
}

} // namespace
