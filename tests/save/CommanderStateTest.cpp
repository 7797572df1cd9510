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
#include "visuals/DrawingStore.h"
#include "visuals/ParticleSystemFactory.h"
#include "world/World.h"

#include <gtest/gtest.h>

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
    static void SetUpTestSuite() {
        particleSystemFactory = new ParticleSystemFactory;
        particleSystemFactory->Load(dataArchive.ReadDocument("particles.xml"));
        drawingStore.Load();
        Constants::LoadConstants();
    }
    static void TearDownTestSuite() {
        drawingStore.Release();
        delete particleSystemFactory;
        particleSystemFactory = nullptr;
        Constants::ReleaseConstants();
    }

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

    // Played until `ms` have passed and, with `fighting`, until an opponent has found the enemy and sent
    // an attack out (or ten minutes have passed).
    static Battle PlayUntil(const Game& game, std::uint32_t seed, unsigned ms, bool fighting) {
        Battle battle = Begin(game, seed);
        while (battle.world->Clock() < ms ||
               (fighting && !Attacking(game, battle) && battle.world->Clock() < 600000))
            Step(battle, 1);
        return battle;
    }

    // An opponent has found the enemy and sends an attack out, and one has been attacked at home.
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

} // namespace
