// A game is its level, its seed and its commands: the commands one game applied, scheduled again in a new
// battle, give the same state, digest for digest, and other commands give another.
#include "LevelTestSupport.h"

#include "command/CommandQueue.h"
#include "command/SimulationStep.h"
#include "game/Battle.h"
#include "game/StateDigest.h"
#include "random/Random.h"
#include "world/World.h"

#include <string>
#include <vector>

using namespace Vorn;
using LevelTest::LevelFixture;

namespace {

// Two blue and two red tanks a little apart, so that orders lead to a fight.
const char* const duelLevel = "<level width=\"4096\" height=\"4096\"/><event name=\"start\"><new>"
                              "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Blue\" "
                              "group=\"A\" number=\"1\" x=\"0\" y=\"0\"/>"
                              "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Blue\" "
                              "group=\"A\" number=\"2\" x=\"40\" y=\"0\"/>"
                              "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"B\" "
                              "number=\"1\" x=\"900\" y=\"0\"/>"
                              "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"B\" "
                              "number=\"2\" x=\"900\" y=\"80\"/>"
                              "</new></event>";

constexpr int stepMs = 20;
constexpr std::uint32_t steps = 300;

Battle NewBattle() {
    randomGenerator.Reseed(7);
    Brisk::Node document;
    document.LoadText(duelLevel);
    return StartBattle(std::move(document), 800, 600, false);
}

std::vector<std::uint64_t> SerialsOfSide(World& world, int side) {
    std::vector<std::uint64_t> serials;
    for (const auto& [key, cell] : world.Objects(side, KindTank).Cells())
        for (const Object* object : cell)
            serials.push_back(object->Serial());
    return serials;
}

// The player's orders during the game, issued as the interface issues them: for the next step.
std::uint64_t PlayWithOrders(Battle& battle, float moveX, std::vector<Command>* applied = nullptr) {
    World& world = *battle.world;
    const int blue = battle.world->sides.playerSide;
    for (std::uint32_t step = 0; step < steps; ++step) {
        const std::vector<std::uint64_t> own = SerialsOfSide(world, blue);
        const std::vector<std::uint64_t> enemies = SerialsOfSide(world, 1);
        if (step == 10 && !own.empty()) {
            Command move = MoveCommand(own, moveX, 0, false, 2);
            move.side = blue;
            battle.commands->Issue(move);
        }
        if (step == 120 && !own.empty() && !enemies.empty()) {
            Command attack = AttackCommand(own, enemies.front());
            attack.side = blue;
            battle.commands->Issue(attack);
        }
        StepSimulation(world, *battle.commands, stepMs);
    }
    if (applied != nullptr)
        *applied = battle.commands->Applied();
    return StateDigest(world, battle.level);
}

std::uint64_t ReplayedDigest(const std::vector<Command>& commands) {
    Battle battle = NewBattle();
    for (const Command& command : commands)
        EXPECT_TRUE(battle.commands->Schedule(command));
    for (std::uint32_t step = 0; step < steps; ++step)
        StepSimulation(*battle.world, *battle.commands, stepMs);
    return StateDigest(*battle.world, battle.level);
}

using CommandReplay = LevelFixture;

} // namespace

TEST_F(CommandReplay, TheCommandsAGameAppliedGiveTheSameGameAgainAndOthersAnotherGame) {
    std::vector<Command> applied;
    Battle first = NewBattle();
    const std::uint64_t played = PlayWithOrders(first, 600, &applied);
    ASSERT_EQ(applied.size(), 2u);
    EXPECT_EQ(applied[0].kind, CommandKind::Move);
    EXPECT_EQ(applied[1].step, 120u);
    first = Battle{};

    EXPECT_EQ(ReplayedDigest(applied), played) << "the same serials, steps and draws in a second game of the process";
    Battle other = NewBattle();
    EXPECT_NE(PlayWithOrders(other, 300), played);
}
