// The shipped particles.xml: every system the game asks for exists and behaves as its owner needs.
#include "datafiles/ColourTable.h"
#include "datafiles/DataArchive.h"
#include "visuals/ParticleSystemFactory.h"
#include "rules/ObjectTypes.h"
#include "rules/TypeCatalogue.h"
#include "random/Random.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ParticleDataTest : public testing::Test {
protected:
    void SetUp() override {
        Vorn::randomGenerator.SeedIndices(12, 34, 56, 78);
        factory.Load(dataArchive.ReadDocument("particles.xml"));
    }

    Vorn::ParticleSystemFactory factory;
};

std::vector<std::string> ExplosionNames() {
    std::vector<std::string> names;
    for (int type = 0; type < Vorn::explosionTypeCount; ++type) {
        names.push_back(Vorn::TypeNameOf(static_cast<Vorn::ExplosionType>(type)));
    }
    return names;
}

TEST_F(ParticleDataTest, EveryNameTheGameCreatesExists) {
    std::vector<std::string> names = {"MotionDust", "Ricochet", "BriefDust", "Shockwave", "DebrisDust"};
    for (int k = 0; k < 8; ++k) {
        names.push_back("ArmorFragment" + std::to_string(k));
    }
    for (const std::string& name : ExplosionNames()) {
        names.push_back(name);
    }
    for (const std::string& name : names) {
        EXPECT_NE(factory.CreateSystem(name), nullptr) << name;
    }
}

// The world collects an explosion once it has finished; one that never did would pile up for the game.
TEST_F(ParticleDataTest, ExplosionsAreLayeredAndFinish) {
    for (const std::string& name : ExplosionNames()) {
        auto system = factory.CreateSystem(name);
        ASSERT_NE(system, nullptr) << name;
        EXPECT_GE(system->Layers().size(), 4u) << name << " has fire, core, flash and ring over its smoke";
        int elapsed = 0;
        for (; elapsed < 20000 && !system->IsFinished(); elapsed += 16) {
            system->Update(16);
        }
        EXPECT_TRUE(system->IsFinished()) << name << " after " << elapsed << " ms";
        EXPECT_GT(elapsed, 1500) << name << "'s smoke should linger";
    }
}

// Shells and armour fragments are shared effects: paused, then run for 1 ms once per shot or hit.
TEST_F(ParticleDataTest, SharedBurstsEmitOneRoundPerMillisecondUpdate) {
    std::vector<std::string> names = {"ShellSmall", "ShellLarge"};
    for (int k = 0; k < 8; ++k) {
        names.push_back("ArmorFragment" + std::to_string(k));
    }
    for (const std::string& name : names) {
        auto system = factory.CreateSystem(name);
        ASSERT_NE(system, nullptr) << name;
        system->SetPaused(true);
        for (int burst = 1; burst <= 3; ++burst) {
            system->SetPaused(false);
            system->Update(1);
            system->SetPaused(true);
            system->Update(30);
            EXPECT_EQ(system->Particles().size(), burst * system->Behavior().emitNumber) << name;
        }
        EXPECT_FALSE(system->IsFinished()) << name;
    }
}

} // namespace
