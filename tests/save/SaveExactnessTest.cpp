// A saved game goes on exactly as the game it was saved from: on every shipped level with its skirmish and
// two seeds, a save taken in the first second, in the middle of the battle (bullets and explosions in
// flight, a factory assembling, a building being paid) and after the outcome, built again from its state in
// a fresh battle and run on, reaches the very state (the whole save, digest included) of the game that
// never stopped; and the save of a game just loaded is the file it was loaded from, byte for byte.
#include "command/CommandQueue.h"
#include "command/SimulationStep.h"
#include "datafiles/DataArchive.h"
#include "game/Battle.h"
#include "game/Level.h"
#include "game/SavedBattle.h"
#include "random/Random.h"
#include "rules/ConstantsLoader.h"
#include "save/SaveFile.h"
#include "tests/support/SimulationData.h"
#include "visuals/DrawingStore.h"
#include "visuals/ParticleSystemFactory.h"
#include "world/HQ.h"
#include "world/TankFactory.h"
#include "world/World.h"

#include <gtest/gtest.h>

#include <optional>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

using namespace Vorn;

namespace {

// The game mode's steps follow its frames: lengths that vary show the save keeps every one.
unsigned StepLength(std::uint64_t step) {
    return 90 + static_cast<unsigned>(step * 7 % 23);
}

// The steps a loaded game runs on before it is compared.
constexpr std::uint32_t stepsAfterLoad = 40;
constexpr std::uint32_t stepsAfterOutcome = 10;
constexpr unsigned battleAfterMs = 20000;
// A level whose fighting has not begun by then (campaign1, campaign3 without opponents) is saved in its
// middle without bullets in flight.
constexpr unsigned quietLevelMs = 180000;

std::vector<std::uint64_t> PlayerTanks(World& world) {
    std::vector<std::uint64_t> serials;
    for (const auto& [key, cell] : world.Objects(playerSideOfBattle, KindTank).Cells())
        for (const Object* object : cell)
            serials.push_back(object->Serial());
    return serials;
}

template <typename T> std::vector<T*> Buildings(World& world, int side) {
    std::vector<T*> found;
    for (const auto& [key, cell] : world.Objects(side, KindBuilding).Cells())
        for (Object* object : cell)
            if (auto* building = dynamic_cast<T*>(object))
                found.push_back(building);
    return found;
}

std::uint64_t PlayerHeadquarters(World& world) {
    const std::vector<HQ*> found = Buildings<HQ>(world, playerSideOfBattle);
    return found.empty() ? 0 : found.front()->Serial();
}

// Running and not finished: paid for bit by bit, or waiting for the money to go on.
template <typename T> bool UnderWay(const IBuildProgress<T>& slot) {
    return slot.active && !slot.IsComplete();
}

// The player's production is under way where the level gives the player the buildings for it: a tank
// factory assembling (where it has power) and a headquarters paying for a building.
bool ProductionUnderWay(World& world) {
    const std::vector<TankFactory*> factories = Buildings<TankFactory>(world, playerSideOfBattle);
    const std::vector<HQ*> headquarters = Buildings<HQ>(world, playerSideOfBattle);
    return (factories.empty() || !factories.front()->powered || UnderWay(factories.front()->ChassisSlot())) &&
           (headquarters.empty() || UnderWay(headquarters.front()->Slot()));
}

void Issue(Battle& battle, Command command) {
    command.side = playerSideOfBattle;
    battle.commands->Issue(std::move(command));
}

// A player who builds and sends the tanks about, so the journal holds commands of several kinds.
void GiveOrders(Battle& battle, std::uint64_t step) {
    World& world = *battle.world;
    if (step == 3)
        Issue(battle, BuildCommand(PlayerHeadquarters(world), BuildingType::PowerPlant));
    // Production kept going, so that the middle of the battle finds it under way.
    if (step >= 150 && step % 40 == 0) {
        if (const std::vector<HQ*> hq = Buildings<HQ>(world, playerSideOfBattle); !hq.empty()) {
            if (hq.front()->Slot().IsComplete() && hq.front()->Slot().active)
                Issue(battle, CancelOrderCommand(hq.front()->Serial(), ProductFamily::Building));
            else if (!hq.front()->Slot().active)
                Issue(battle, BuildCommand(hq.front()->Serial(), BuildingType::PowerPlant));
        }
        if (const std::vector<TankFactory*> factory = Buildings<TankFactory>(world, playerSideOfBattle);
            !factory.empty() && factory.front()->Orders().empty())
            Issue(battle, OrderTanksCommand(factory.front()->Serial(), TankOrder{}, 2));
    }
    if (step % 50 == 10 && !PlayerTanks(world).empty())
        Issue(battle, MoveCommand(PlayerTanks(world), static_cast<float>(step % 7) * 100, 200, false, 1));
}

struct BattleRun {
    Battle battle;
    BattleSetup setup;
    StepLengths steps;

    void Step() {
        const unsigned ms = StepLength(steps.Steps());
        StepBattle(*battle.world, *battle.level, *battle.commands, battle.commanders.get(), ms);
        steps.Add(ms);
    }
    std::string Save() const { return SaveBytes(SaveOfBattle(setup, steps, battle)); }
};

class SaveExactness : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() { data.emplace(); }
    static void TearDownTestSuite() { data.reset(); }
    static inline std::optional<testing_support::SimulationData> data;

    static BattleRun NewRun(const std::string& level, std::uint32_t seed) {
        randomGenerator.Reseed(seed);
        BattleRun run;
        run.setup = TakeBattleSetup(level, true, std::nullopt);
        run.battle = StartBattle(dataArchive.ReadDocument(level), 1280, 720, true);
        return run;
    }
};

// The points a game is saved at, with the save taken there (a command waiting in it) and the save of
// the same game stepsAfterLoad steps later.
struct SavePoint {
    std::string name;
    std::uint64_t step = 0;
    std::string saved;
    std::string later;
};

// Plays the level with orders until stepsAfterLoad steps past the outcome, saving at the three points.
std::vector<SavePoint> PlayAndSave(BattleRun& run) {
    std::vector<SavePoint> points;
    std::map<std::uint64_t, std::size_t> laterAt;
    std::uint64_t outcomeStep = 0;
    bool battleSaved = false;
    for (std::uint64_t step = 0;; ++step) {
        World& world = *run.battle.world;
        // Taken before the step's orders, as the loaded game's is.
        if (auto later = laterAt.find(step); later != laterAt.end()) {
            points[later->second].later = run.Save();
            if (points.size() == 3 && !points[0].later.empty() && !points[1].later.empty() &&
                !points[2].later.empty())
                break;
        }
        GiveOrders(run.battle, step);
        const bool fighting = world.Bullets().Count() > 0 && world.UpperEffects().Count() > 0;
        const bool inBattle = !battleSaved && world.Clock() >= battleAfterMs && ProductionUnderWay(world) &&
                              (fighting || world.Clock() >= quietLevelMs);
        const bool firstSecond = step == 4;
        const bool afterOutcome = outcomeStep != 0 && step == outcomeStep + stepsAfterOutcome;
        if (firstSecond || inBattle || afterOutcome) {
            battleSaved |= inBattle;
            // A command given just before the save waits for the next step inside it.
            Issue(run.battle, StopCommand(PlayerTanks(world)));
            points.push_back({firstSecond ? "first second"
                              : inBattle  ? "mid-battle"
                                          : "after the outcome",
                              step,
                              run.Save(),
                              {}});
            laterAt[step + stepsAfterLoad] = points.size() - 1;
        }
        run.Step();
        if (outcomeStep == 0 && run.battle.level->finished)
            outcomeStep = step + 1;
        if (step > 40000)
            break;
    }
    return points;
}

} // namespace

TEST_P(SaveExactness, ALoadedGameGoesOnToTheSameStateAsTheGameThatNeverStopped) {
    for (std::uint32_t seed : {1u, 2u}) {
        BattleRun uninterrupted = NewRun(GetParam(), seed);
        const std::vector<SavePoint> points = PlayAndSave(uninterrupted);
        ASSERT_EQ(points.size(), 3u) << "seed " << seed
                                     << ": not every point of the game was reached, the first at step "
                                     << (points.empty() ? 0 : points.front().step) << ", the last "
                                     << (points.empty() ? "" : points.back().name);
        uninterrupted.battle = Battle{};
        for (const SavePoint& point : points) {
            SCOPED_TRACE(std::string(GetParam()) + ", seed " + std::to_string(seed) + ", saved " +
                         point.name + " at step " + std::to_string(point.step));
            SavedGame saved;
            std::string fault;
            ASSERT_TRUE(ParseSave(point.saved, "saved", saved, fault)) << fault;
            // Computer opponents too (level3, level4, campaign7): their state is in the battle's.
            EXPECT_TRUE(LoadsFromState(saved)) << "built from its state, without running its steps";
            // Another game in between leaves the generator elsewhere, as a fresh process would.
            randomGenerator.Reseed(seed + 1000);
            BattleRun loaded;
            ASSERT_TRUE(RestoreBattle(saved, 1280, 720, loaded.battle, loaded.setup, loaded.steps, fault))
                << fault;
            EXPECT_TRUE(loaded.Save() == point.saved) << "the save of a loaded game is its file";
            EXPECT_FALSE(loaded.battle.commands->Waiting().empty())
                << "the commands waiting when it was saved";
            // The player goes on giving the same orders.
            for (std::uint64_t step = point.step; step < point.step + stepsAfterLoad; ++step) {
                if (step != point.step)
                    GiveOrders(loaded.battle, step);
                loaded.Step();
            }
            const std::string later = loaded.Save();
            EXPECT_EQ(later.size(), point.later.size());
            EXPECT_TRUE(later == point.later)
                << "the whole state, digest included, as the game that never stopped";

            // A save of format 1 held no state: its journal, run again, builds the very battle the state
            // holds, written byte for byte.
            if (point.name == "mid-battle") {
                SavedGame journalOnly = saved;
                journalOnly.state.clear();
                BattleRun rerun;
                ASSERT_TRUE(
                    RestoreBattle(journalOnly, 1280, 720, rerun.battle, rerun.setup, rerun.steps, fault))
                    << fault;
                EXPECT_TRUE(rerun.Save() == point.saved) << "the journal run again gives the saved state";
            }
        }
    }
}

// A state the battle cannot be built from refuses the save with one line; the journal beside it is not run
// instead, since the file is not what was saved.
TEST_F(SaveExactness, AStateThatCannotBeBuiltRefusesTheSave) {
    BattleRun run = NewRun("levels/level0.xml", 1);
    for (int step = 0; step < 20; ++step)
        run.Step();
    SavedGame saved;
    std::string fault;
    ASSERT_TRUE(ParseSave(run.Save(), "saved", saved, fault)) << fault;
    saved.state += "x";
    const RandomState before = randomGenerator.State();
    BattleRun loaded;
    EXPECT_FALSE(RestoreBattle(saved, 1280, 720, loaded.battle, loaded.setup, loaded.steps, fault));
    EXPECT_EQ(fault.rfind("the battle's state: ", 0), 0u) << fault;
    EXPECT_NE(fault.find("bytes left"), std::string::npos) << fault;
    EXPECT_EQ(loaded.battle.world, nullptr);
    EXPECT_TRUE(randomGenerator.State() == before) << "the generator as it was";
}

INSTANTIATE_TEST_SUITE_P(ShippedLevels, SaveExactness,
                         ::testing::Values("levels/level0.xml", "levels/level1.xml", "levels/level2.xml",
                                           "levels/level3.xml", "levels/level4.xml", "levels/campaign1.xml",
                                           "levels/campaign2.xml", "levels/campaign3.xml",
                                           "levels/campaign4.xml", "levels/campaign5.xml",
                                           "levels/campaign6.xml", "levels/campaign7.xml"),
                         [](const auto& info) {
                             const std::string path = info.param;
                             return path.substr(7, path.size() - 11);
                         });
