// The state of a world read back into a fresh world of the same level is the state written: every
// object of every container in the same walk order with the same serials, the bullets in flight, the
// counters, the sides and the fog, written again byte for byte. A damaged state is refused with a line.
#include "snapshot/WorldState.h"
#include "command/SimulationStep.h"
#include "datafiles/DataArchive.h"
#include "game/Battle.h"
#include "game/BattleState.h"
#include "game/LevelState.h"
#include "game/StateDigest.h"
#include "random/Random.h"
#include "rules/ConstantsLoader.h"
#include "tests/support/SimulationData.h"
#include "visuals/DrawingStore.h"
#include "visuals/ParticleSystemFactory.h"
#include "world/Bullet.h"
#include "world/Tank.h"
#include "world/TankFactory.h"
#include "world/Turret.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

using namespace Vorn;

namespace {

class WorldState : public ::testing::Test {
protected:
    static void SetUpTestSuite() { data.emplace(); }
    static void TearDownTestSuite() { data.reset(); }
    static inline std::optional<testing_support::SimulationData> data;

    // The level's skirmish played until bullets fly and at least `ms` of game time have passed.
    static Battle PlayUntilFighting(const std::string& level, std::uint32_t seed, unsigned ms) {
        randomGenerator.Reseed(seed);
        Battle battle = StartBattle(dataArchive.ReadDocument(level), 1280, 720, true);
        World& world = *battle.world;
        while ((world.Clock() < ms || world.Bullets().Count() == 0) && world.Clock() < 600000)
            StepBattle(world, *battle.level, *battle.commands, battle.commanders.get(), 100);
        return battle;
    }

    static std::unique_ptr<World> EmptyWorldOf(const std::string& level) {
        return std::make_unique<World>(dataArchive.ReadDocument(level), 1280, 720);
    }
};

std::size_t CountObjects(World& world, ObjectKind kind) {
    std::size_t count = 0;
    for (int side = 0; side < sideCount; ++side)
        count += world.Objects(side, kind).Count();
    return count;
}

TEST_F(WorldState, AWorldReadBackIsWrittenAgainByteForByte) {
    for (const char* level : {"levels/level0.xml", "levels/campaign7.xml"})
        for (std::uint32_t seed : {1u, 2u}) {
            SCOPED_TRACE(std::string(level) + ", seed " + std::to_string(seed));
            Battle battle = PlayUntilFighting(level, seed, 30000);
            World& saved = *battle.world;
            ASSERT_GT(saved.Bullets().Count(), 0u);
            ASSERT_GT(CountObjects(saved, KindTank), 0u);
            ASSERT_GT(saved.UpperEffects().Count(), 0u);
            const std::string state = WriteWorldState(saved);

            std::unique_ptr<World> loaded = EmptyWorldOf(level);
            std::string fault;
            ASSERT_TRUE(ReadWorldState(state, *loaded, fault)) << fault;
            EXPECT_EQ(loaded->Clock(), saved.Clock());
            EXPECT_EQ(loaded->NextSerial(), saved.NextSerial());
            EXPECT_EQ(loaded->Bullets().Count(), saved.Bullets().Count());
            EXPECT_EQ(loaded->LowerEffects().Count(), saved.LowerEffects().Count());
            EXPECT_EQ(loaded->UpperEffects().Count(), saved.UpperEffects().Count());
            for (int kind = 0; kind < objectKindCount; ++kind)
                EXPECT_EQ(CountObjects(*loaded, ObjectKind(kind)), CountObjects(saved, ObjectKind(kind)));
            EXPECT_TRUE(WriteWorldState(*loaded) == state);
        }
}

// The references between objects come back as references to the loaded objects, not to the saved ones.
TEST_F(WorldState, TargetsAndShootersPointIntoTheLoadedWorld) {
    Battle battle = PlayUntilFighting("levels/level0.xml", 1, 30000);
    std::unique_ptr<World> loaded = EmptyWorldOf("levels/level0.xml");
    std::string fault;
    ASSERT_TRUE(ReadWorldState(WriteWorldState(*battle.world), *loaded, fault)) << fault;
    std::size_t confirmed = 0;
    for (const auto* cell : loaded->Bullets().CellsInOrder())
        for (const Bullet* bullet : *cell)
            if (loaded->ContainsAnywhere(bullet->shooter)) {
                EXPECT_EQ(loaded->FindBySerial(bullet->shooter.Serial()), bullet->shooter.Get());
                ++confirmed;
            }
    for (int side = 0; side < sideCount; ++side)
        for (const auto* cell : loaded->Objects(side, KindTank).CellsInOrder())
            for (Object* object : *cell) {
                const ObjectRef& target = object->AsTank()->turret->brain.target;
                if (loaded->ContainsAnywhere(target)) {
                    ++confirmed;
                } else if (target) {
                    // A target that died stays remembered, and is never confirmed.
                    EXPECT_EQ(loaded->FindBySerial(target.Serial()), nullptr);
                }
            }
    EXPECT_GT(confirmed, 0u);
}

TEST_F(WorldState, ADamagedStateIsRefusedWithAReason) {
    Battle battle = PlayUntilFighting("levels/level0.xml", 1, 5000);
    const std::string state = WriteWorldState(*battle.world);
    std::string fault;

    EXPECT_FALSE(
        ReadWorldState(state.substr(0, state.size() / 2), *EmptyWorldOf("levels/level0.xml"), fault));
    EXPECT_FALSE(fault.empty());

    EXPECT_FALSE(ReadWorldState(state + "x", *EmptyWorldOf("levels/level0.xml"), fault));
    EXPECT_NE(fault.find("bytes left"), std::string::npos) << fault;

    // Another level's map has another fog grid.
    EXPECT_FALSE(ReadWorldState(state, *EmptyWorldOf("levels/campaign2.xml"), fault));
    EXPECT_NE(fault.find("fog"), std::string::npos) << fault;

    // The first count after the counters, the sides and the fog: the lower layer's effects.
    std::string hostile = state;
    std::size_t sidesBytes = 4;
    for (const SideRecord& record : battle.world->sides.records)
        sidesBytes += 4 + record.name.size() + 13 * 4 + 2;
    const std::size_t fogCount = 40 + sidesBytes + 4;
    const std::size_t fogPoints = battle.world->fog.Points().size();
    hostile.replace(fogCount + 4 + fogPoints * 8, 4, std::string("\xff\xff\xff\x0f", 4));
    EXPECT_FALSE(ReadWorldState(hostile, *EmptyWorldOf("levels/level0.xml"), fault));
    EXPECT_NE(fault.find("effect count"), std::string::npos) << fault;
}

// The level's events go on from where they were: requests waiting and delayed, the clock, the losses.
TEST_F(WorldState, ALevelsEventsReadBackAreWrittenAgainByteForByte) {
    for (const char* level : {"levels/level0.xml", "levels/campaign7.xml"}) {
        SCOPED_TRACE(level);
        Battle battle = PlayUntilFighting(level, 1, 30000);
        const Level& saved = *battle.level;
        const std::string state = WriteLevelState(saved);

        std::unique_ptr<World> world = EmptyWorldOf(level);
        Level& loaded = AttachLevel(*world);
        std::string fault;
        ASSERT_TRUE(ReadLevelState(state, loaded, fault)) << fault;
        EXPECT_EQ(loaded.clock, saved.clock);
        EXPECT_EQ(loaded.requests.size(), saved.requests.size());
        EXPECT_EQ(loaded.delayed.size(), saved.delayed.size());
        EXPECT_EQ(loaded.losses, saved.losses);
        EXPECT_TRUE(WriteLevelState(loaded) == state);

        EXPECT_FALSE(ReadLevelState(state + "x", AttachLevel(*EmptyWorldOf(level)), fault));
        EXPECT_NE(fault.find("bytes left"), std::string::npos) << fault;
    }
}

// A battle built from its state, without running a step, goes on as the battle that never stopped: the
// digest after a few hundred more steps catches what the state missed, and the state then written again
// catches what the digest does not cover (particles, timers).
TEST_F(WorldState, ABattleBuiltFromItsStateGoesOnAsTheBattleThatNeverStopped) {
    constexpr int stepsAfterLoad = 300;
    for (const char* level : {"levels/level0.xml", "levels/campaign4.xml", "levels/campaign6.xml"})
        for (std::uint32_t seed : {1u, 2u})
            for (unsigned savedAtMs : {500u, 30000u}) {
                SCOPED_TRACE(std::string(level) + ", seed " + std::to_string(seed) + ", saved at " +
                             std::to_string(savedAtMs) + " ms");
                Battle uninterrupted = PlayUntilFighting(level, seed, savedAtMs);
                ASSERT_TRUE(uninterrupted.commanders->Commanders().empty())
                    << "these levels play without computer opponents: CommanderStateTest has them";
                const std::string state = WriteBattleState(uninterrupted);
                for (int step = 0; step < stepsAfterLoad; ++step)
                    StepBattle(*uninterrupted.world, *uninterrupted.level, *uninterrupted.commands,
                               uninterrupted.commanders.get(), 100);
                const std::uint64_t digest = StateDigest(*uninterrupted.world, uninterrupted.level);
                const std::string later = WriteBattleState(uninterrupted);
                const std::uint32_t nextStep = uninterrupted.commands->NextStep() - stepsAfterLoad;
                uninterrupted = Battle{};

                // Another game in between leaves the generator elsewhere, as a fresh process would.
                randomGenerator.Reseed(seed + 1000);
                Battle loaded;
                std::string fault;
                ASSERT_TRUE(ReadBattleState(state, dataArchive.ReadDocument(level), 1280, 720, loaded, fault))
                    << fault;
                ASSERT_TRUE(loaded.commands->Restore(nextStep, {}, {}));
                EXPECT_TRUE(WriteBattleState(loaded) == state) << "written again as it was read";
                for (int step = 0; step < stepsAfterLoad; ++step)
                    StepBattle(*loaded.world, *loaded.level, *loaded.commands, loaded.commanders.get(), 100);
                EXPECT_EQ(StateDigest(*loaded.world, loaded.level), digest);
                EXPECT_TRUE(WriteBattleState(loaded) == later)
                    << "the whole state as the battle that never stopped";
            }
}

// The fuzzer's finds, kept in its corpus, read as it reads them: a battle that writes back to its bytes, or
// one line and no battle. A tank whose exhaust named effect 0 was torn down releasing a null effect.
TEST_F(WorldState, TheFuzzersCorpusReadsBackOrIsRefusedWithALine) {
    for (const std::filesystem::path& file :
         std::filesystem::directory_iterator("fuzz/corpus/battle_state")) {
        SCOPED_TRACE(file.string());
        std::ifstream in(file, std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(in), {});
        Battle battle;
        std::string fault;
        if (ReadBattleState(bytes, dataArchive.ReadDocument("levels/level0.xml"), 1280, 720, battle, fault)) {
            EXPECT_TRUE(WriteBattleState(battle) == bytes);
        } else {
            EXPECT_FALSE(fault.empty());
            EXPECT_EQ(fault.find('\n'), std::string::npos);
            EXPECT_EQ(battle.world, nullptr);
        }
    }
}

} // namespace
