// A battle with computer opponents built from its state goes on as the battle that never stopped: the
// opponents remember what they saw, planned and sent where, and think again when they would have. A state
// whose opponents do not fit the world read with it is refused with one line.
#include "snapshot/CommanderState.h"
#include "datafiles/DataArchive.h"
#include "game/Battle.h"
#include "game/BattleState.h"
#include "game/StateDigest.h"
#include "random/Random.h"
#include "rules/ConstantsLoader.h"
#include "tests/support/SimulationData.h"
#include "visuals/DrawingStore.h"
#include "visuals/ParticleSystemFactory.h"
#include "world/World.h"

#include <functional>

#include <gtest/gtest.h>

#include <optional>

using namespace Vorn;

namespace {

constexpr int red = 1;
constexpr int blue = 3;
constexpr int yellow = 4;
constexpr unsigned stepMs = 100;

struct Game {
    const char* level;
    // The skirmish fielded, with opponents chosen for the game as the New game page chooses them.
    bool skirmish = false;
    std::vector<std::pair<int, const char*>> chosenOpponents;
    // Opponents play against each other: the battle is saved once one of them has been attacked at home.
    bool opponentsFight = false;
};

class CommanderState : public ::testing::Test {
protected:
    static void SetUpTestSuite() { data.emplace(); }
    static void TearDownTestSuite() { data.reset(); }
    static inline std::optional<testing_support::SimulationData> data;

    static Battle Begin(const Game& game, std::uint32_t seed) {
        randomGenerator.Reseed(seed);
        Battle battle = StartBattle(dataArchive.ReadDocument(game.level), 1280, 720, game.skirmish, 32);
        for (const auto& [side, difficulty] : game.chosenOpponents)
            battle.commanders->Start(side, difficulty);
        return battle;
    }

    static void Step(Battle& battle, int steps) {
        for (int step = 0; step < steps; ++step)
            StepBattle(*battle.world, *battle.level, *battle.commands, battle.commanders.get(), stepMs);
    }

    // Played until `ms` have passed and, with `fighting`, until the opponents are in the thick of it
    // (Attacking) or ten minutes have passed.
    static Battle PlayUntil(const Game& game, std::uint32_t seed, unsigned ms, bool fighting) {
        Battle battle = Begin(game, seed);
        while (battle.world->Clock() < ms ||
               (fighting && !Attacking(game, battle) && battle.world->Clock() < 600000))
            Step(battle, 1);
        return battle;
    }

    // An opponent has found the enemy and sends an attack out, and where opponents fight each other, one
    // has been attacked at home.
    static bool Attacking(const Game& game, const Battle& battle) {
        bool attacks = false;
        bool attacked = false;
        for (const auto& commander : battle.commanders->Commanders()) {
            attacks = attacks || (!commander->attacking.empty() && !commander->view.structures.empty());
            attacked = attacked || commander->strongestAttack > 0;
        }
        return attacks && (attacked || !game.opponentsFight);
    }
};

const Game campaign7{"levels/campaign7.xml", false, {}, false};
const Game skirmish{"levels/level2.xml", true, {{red, "normal"}, {yellow, "hard"}, {blue, "easy"}}, true};

// The digest a few hundred steps on catches orders the opponents give otherwise; the state written then
// catches what they remember otherwise and what the digest does not cover.
TEST_F(CommanderState, ABattleWithOpponentsBuiltFromItsStateGoesOnAsTheBattleThatNeverStopped) {
    constexpr int stepsAfterLoad = 400;
    for (const Game& game : {campaign7, skirmish})
        for (std::uint32_t seed : {1u, 2u})
            for (const bool fighting : {false, true}) {
                SCOPED_TRACE(std::string(game.level) + ", seed " + std::to_string(seed) +
                             (fighting ? ", saved in the attack" : ", saved early"));
                Battle uninterrupted = PlayUntil(game, seed, 2000, fighting);
                ASSERT_FALSE(uninterrupted.commanders->Commanders().empty());
                if (fighting) {
                    ASSERT_TRUE(Attacking(game, uninterrupted)) << "an opponent has scouted and attacks";
                }
                const std::string state = WriteBattleState(uninterrupted);
                const std::uint64_t issuedBefore =
                    uninterrupted.commanders->Commanders().front()->commandsIssued;
                Step(uninterrupted, stepsAfterLoad);
                EXPECT_GT(uninterrupted.commanders->Commanders().front()->commandsIssued, issuedBefore);
                const std::uint64_t digest = StateDigest(*uninterrupted.world, uninterrupted.level);
                const std::string later = WriteBattleState(uninterrupted);
                const std::uint32_t nextStep = uninterrupted.commands->NextStep() - stepsAfterLoad;
                uninterrupted = Battle{};

                randomGenerator.Reseed(seed + 1000);
                Battle loaded;
                std::string fault;
                ASSERT_TRUE(
                    ReadBattleState(state, dataArchive.ReadDocument(game.level), 1280, 720, loaded, fault))
                    << fault;
                ASSERT_TRUE(loaded.commands->Restore(nextStep, {}, {}));
                EXPECT_TRUE(WriteBattleState(loaded) == state) << "written again as it was read";
                Step(loaded, stepsAfterLoad);
                EXPECT_EQ(StateDigest(*loaded.world, loaded.level), digest);
                EXPECT_TRUE(WriteBattleState(loaded) == later)
                    << "the whole state as the battle that never stopped";
            }
}

std::string StateOf(const Commander& commander) {
    std::unique_ptr<CommanderSet> set = MakeCommanders();
    set->Start(commander.side, commander.difficulty.name);
    *set->Commanders().back() = commander;
    return WriteCommanderState(set.get());
}

// The fault of reading the state into fresh commanders; empty when the state was read.
std::string FaultOf(const std::string& state, const World& world) {
    std::unique_ptr<CommanderSet> commanders = MakeCommanders();
    std::string fault;
    if (ReadCommanderState(state, world, *commanders, fault))
        return "";
    EXPECT_EQ(fault.find('\n'), std::string::npos) << fault;
    return fault.empty() ? "(no reason given)" : fault;
}

std::uint64_t SerialOfFirst(World& world, int side, ObjectKind kind) {
    for (const auto* cell : world.Objects(side, kind).CellsInOrder())
        for (const Object* object : *cell)
            return object->Serial();
    return 0;
}

// A serial the world gave out whose object is gone.
std::uint64_t SerialOfTheGone(const World& world) {
    for (std::uint64_t serial = world.NextSerial() - 1; serial > 0; --serial)
        if (world.FindBySerial(serial) == nullptr)
            return serial;
    return 0;
}

// Serials the commander remembers may name objects gone since (it forgets them itself), but never one the
// world has not given out, nor a standing object of another kind or side than the commander took it for.
TEST_F(CommanderState, OpponentsThatDoNotFitTheWorldReadWithThemAreRefusedWithALine) {
    Battle battle = PlayUntil(campaign7, 1, 2000, true);
    World& world = *battle.world;
    const Commander& saved = *battle.commanders->Commanders().front();
    ASSERT_EQ(saved.side, red);
    const std::uint64_t blueTank = SerialOfFirst(world, blue, KindTank);
    const std::uint64_t redBase = SerialOfFirst(world, red, KindBuilding);
    const std::uint64_t gone = SerialOfTheGone(world);
    ASSERT_NE(blueTank * redBase * gone, 0u);
    const std::string state = StateOf(saved);
    EXPECT_EQ(FaultOf(state, world), "");

    const auto faultWith = [&](const std::function<void(Commander&)>& change) {
        Commander changed = saved;
        change(changed);
        return FaultOf(StateOf(changed), world);
    };
    EXPECT_EQ(faultWith([&](Commander& c) { c.attacking.insert(gone); }), "") << "a tank lost in the attack";
    EXPECT_NE(faultWith([&](Commander& c) { c.attacking.insert(blueTank); }).find("tank of the side"),
              std::string::npos);
    EXPECT_NE(
        faultWith([&](Commander& c) { c.defending.insert(world.NextSerial()); }).find("never given out"),
        std::string::npos);
    EXPECT_NE(faultWith([&](Commander& c) { c.attackTarget = blueTank; }).find("building of an enemy"),
              std::string::npos);
    EXPECT_NE(faultWith([&](Commander& c) {
                  c.armoryLines.insert({redBase, 0});
              }).find("armories"),
              std::string::npos);
    EXPECT_NE(faultWith([&](Commander& c) {
                  KnownObject& seen = c.view.tanks[redBase];
                  seen.serial = redBase;
                  seen.side = blue;
              }).find("another kind or side"),
              std::string::npos);
    // A name from the file is shown, on the fault's one line.
    EXPECT_NE(faultWith([&](Commander& c) { c.difficulty.name = "brutal\nline"; }).find("brutal"),
              std::string::npos);

    // The same commander twice plays one side twice.
    const std::string twice = std::string("\x02\0\0\0", 4) + state.substr(4) + state.substr(4);
    EXPECT_NE(FaultOf(twice, world).find("two commanders"), std::string::npos);
    EXPECT_NE(FaultOf(state + "x", world).find("bytes left"), std::string::npos);
}

} // namespace
