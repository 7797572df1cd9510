// A world built from a level text, with the shipped constants, for the level tests.
#pragma once

#include "game/Level.h"
#include "random/Random.h"
#include "rules/ConstantsLoader.h"
#include "world/ObjectKind.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace LevelTest {

// The widest map the level tests use, with nothing on it.
inline const char* const emptyLevel = "<level width=\"8192\" height=\"6144\"/>";

class LevelFixture : public ::testing::Test {
protected:
    void SetUp() override {
        Vorn::Constants::LoadConstants();
        Vorn::randomGenerator.Reseed(7);
    }
    void TearDown() override {
        world.reset();
        Vorn::Constants::ReleaseConstants();
    }

    // The level of the text, "start" not yet run.
    Vorn::Level& Load(const std::string& text) {
        Brisk::Node document;
        document.LoadText(text.c_str());
        world = std::make_unique<Vorn::World>(std::move(document), 800, 600);
        return Vorn::AttachLevel(*world);
    }
    // A level whose "start" creates the objects of the text and runs once.
    Vorn::Level& Start(const std::string& objects) {
        Vorn::Level& level = Load("<level width=\"4096\" height=\"4096\"/><event name=\"start\"><new>" +
                                  objects + "</new></event>");
        world->Tick(16);
        return level;
    }
    std::size_t Count(int side, Vorn::ObjectKind kind) { return world->Objects(side, kind).Count(); }
    template <typename T> T* First(int side, Vorn::ObjectKind kind) {
        for (const auto& [key, cell] : world->Objects(side, kind).Cells())
            if (!cell.empty())
                return dynamic_cast<T*>(cell.front());
        return nullptr;
    }

    std::unique_ptr<Vorn::World> world;
};

} // namespace LevelTest
