// The running program publishes the game's world, camera and interface, and takes the game down before
// the particle systems its effects draw from.
#include "visuals/ParticleSystemFactory.h"
#include "interface/Interface.h"
#include "scene/Camera.h"
#include "shell/Mouse.h"
#include "shell/program/Program.h"
#include "world/Effect.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

bool factoryAliveWhenEffectDeleted = false;
bool effectDeleted = false;

// An effect that notes what still exists when the world deletes it.
class WatchedEffect : public Vorn::Effect {
public:
    WatchedEffect() : Vorn::Effect("ExplosionCannon", 0, false) {}
    ~WatchedEffect() override {
        effectDeleted = true;
        factoryAliveWhenEffectDeleted = Vorn::particleSystemFactory != nullptr;
    }
};

TEST(GameTeardown, TheWorldAndItsEffectsGoBeforeTheParticleSystems) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs an X display";
    }
    bool published = false;
    Zelt::ProgramOptions options;
    std::uint32_t now = 0;
    options.clock = [&now] { return now; };
    options.beforeFrame = [&now](std::uint32_t) { now += 16; };
    options.ignoreActivation = true;
    options.afterFrame = [&published](std::uint32_t frame) {
        if (frame < 20) {
            return true;
        }
        published = Vorn::world != nullptr && Vorn::camera != nullptr && Vorn::interface != nullptr;
        if (Vorn::world != nullptr) {
            Vorn::world->UpperEffects().Insert(0, 0, new WatchedEffect);
        }
        return false;
    };
    Zelt::RunProgram(options);
    EXPECT_TRUE(published);
    EXPECT_TRUE(effectDeleted);
    EXPECT_TRUE(factoryAliveWhenEffectDeleted);
    EXPECT_EQ(Vorn::world, nullptr);
    EXPECT_EQ(Vorn::camera, nullptr);
    EXPECT_EQ(Vorn::interface, nullptr);
    EXPECT_EQ(Vorn::particleSystemFactory, nullptr);
    EXPECT_EQ(Zelt::mouse, nullptr);
}

} // namespace
