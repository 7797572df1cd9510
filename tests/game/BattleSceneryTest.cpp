// The scars a battle leaves: a fight leaves marks and tracks, and the battle is the same battle whether
// anyone watches its scars or not.
#include "LevelTestSupport.h"

#include "command/SimulationStep.h"
#include "game/Battle.h"
#include "game/BattleScenery.h"
#include "game/StateDigest.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

using namespace Vorn;
using LevelTest::LevelFixture;

namespace {

// Blue's tanks drive at Green's, and after two seconds Green's power plant falls.
const char* const fightLevel =
    "<level width=\"4096\" height=\"4096\" skirmish=\"0\"/><event name=\"start\"><new>"
    "<tank type=\"heavy\" turret=\"cannon2\" armor=\"none\" color=\"Blue\" group=\"A\" number=\"1\" "
    "x=\"0\" y=\"0\" to_x=\"600\" to_y=\"0\"/>"
    "<tank type=\"heavy\" turret=\"cannon2\" armor=\"none\" color=\"Blue\" group=\"A\" number=\"2\" "
    "x=\"0\" y=\"120\" to_x=\"600\" to_y=\"120\"/>"
    "<tank type=\"heavy\" turret=\"cannon2\" armor=\"none\" color=\"Green\" group=\"A\" number=\"1\" "
    "x=\"700\" y=\"0\"/>"
    "<tank type=\"heavy\" turret=\"cannon2\" armor=\"none\" color=\"Green\" group=\"A\" number=\"2\" "
    "x=\"700\" y=\"120\"/><building type=\"power\" color=\"Green\" group=\"P\" number=\"1\" x=\"1200\" "
    "y=\"800\"/></new><request event=\"raze\" when=\"time\" value=\"2000\"/></event>"
    "<event name=\"raze\"><destroy><object group=\"P\" number=\"1\"/></destroy></event>";

using BattleSceneryTest = LevelFixture;

// Plays the skirmish for `steps` steps of `stepMs` from the seed, keeping the scars when given a scenery.
std::uint64_t PlayedDigest(int steps, BattleScenery* scenery, unsigned stepMs = 16) {
    randomGenerator.Reseed(11);
    Brisk::Node document;
    document.LoadText(fightLevel);
    Battle battle = StartBattle(std::move(document), 800, 600, true);
    for (int step = 0; step < steps; ++step) {
        StepSimulation(*battle.world, *battle.commands, stepMs);
        if (scenery != nullptr)
            scenery->AfterStep(*battle.world, stepMs);
    }
    return StateDigest(*battle.world, battle.level);
}

} // namespace

TEST_F(BattleSceneryTest, AFightLeavesScarsAndTracksThatChangeNothingInTheBattle) {
    BattleScenery scenery;
    const std::uint64_t watched = PlayedDigest(1500, &scenery);
    EXPECT_FALSE(scenery.Scars().Marks().empty()) << "the plant left rubble";
    EXPECT_FALSE(scenery.Scars().Tracks().empty()) << "tanks that drove left tracks";
    EXPECT_EQ(watched, PlayedDigest(1500, nullptr));
}

// A slow frame steps the battle by up to 100 ms; the first Blue tank's track along y = 0 stays unbroken
// then: each mark covers twice its size, so neighbours overlap.
TEST_F(BattleSceneryTest, LongStepsLeaveUnbrokenTracks) {
    BattleScenery scenery;
    PlayedDigest(40, &scenery, 100);
    std::vector<BattleScars::Scar> first;
    for (const BattleScars::Scar& track : scenery.Scars().Tracks())
        if (std::abs(track.y) < 60 && track.x < 650)
            first.push_back(track);
    ASSERT_GE(first.size(), 3u);
    std::sort(first.begin(), first.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    for (std::size_t i = 1; i < first.size(); ++i)
        EXPECT_LT(first[i].x - first[i - 1].x, 2 * first[i].size * 0.9f) << "marks " << i - 1 << " and " << i;
}
