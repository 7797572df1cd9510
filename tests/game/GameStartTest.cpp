// A new game: the level's own objects stand before the skirmish is placed, "start" keeps the first step's
// timing, losses are counted by side, the outcome reads them, and the level file is found under the data
// folder or by its path.
#include "LevelTestSupport.h"

#include "game/Battle.h"
#include "game/LevelFile.h"
#include "game/Outcome.h"
#include "tests/support/TestPaths.h"
#include "world/Armor.h"
#include "world/Tank.h"

#include <fstream>
#include <string>
#include <vector>

using namespace Vorn;
using LevelTest::LevelFixture;

namespace {

std::vector<Tank*> TanksOf(World& world, int side) {
    std::vector<Tank*> tanks;
    for (const auto& [key, cell] : world.Objects(side, KindTank).Cells())
        for (Object* object : cell)
            tanks.push_back(static_cast<Tank*>(object));
    return tanks;
}

// Red tanks 64 units apart over the whole of the player's skirmish field.
std::string LevelFillingThePlayersField(int& placed) {
    std::string text = "<level width=\"8192\" height=\"6144\"/><event name=\"start\"><new>";
    placed = 0;
    for (int x = 128; x <= 2176; x += 64)
        for (int y = -2560; y <= 2560; y += 64)
            text +=
                "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"A\" number=\"" +
                std::to_string(++placed) + "\" x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
                "\"/>";
    return text + "</new></event>";
}

using BattleStart = LevelFixture;

} // namespace

TEST_F(BattleStart, TheLevelsObjectsStandBeforeTheSkirmishAndStartRunsOnce) {
    int placed = 0;
    Brisk::Node document;
    document.LoadText(LevelFillingThePlayersField(placed).c_str());
    Battle battle = StartBattle(std::move(document), 800, 600, true);
    World& world = *battle.world;
    // Every level tank stands: none was dropped for a skirmish tank already there.
    EXPECT_EQ(TanksOf(world, 1).size(), static_cast<std::size_t>(placed));
    // The skirmish found the player's field taken and kept off it; the enemy's field was free.
    EXPECT_TRUE(TanksOf(world, 3).empty());
    EXPECT_GT(TanksOf(world, 2).size(), 150u);
    world.Tick(16);
    world.Tick(16);
    EXPECT_EQ(TanksOf(world, 1).size(), static_cast<std::size_t>(placed)) << "start ran a second time";
}

// "start" runs as the battle is built, but belongs to the first step as any event would: what it registers
// is first looked at in the second step, whose clock starts at the first step's length.
TEST_F(BattleStart, WhatStartRegistersWaitsForTheSecondStep) {
    Brisk::Node document;
    document.LoadText("<level width=\"4096\" height=\"4096\"/>"
                      "<event name=\"start\"><request event=\"win\" when=\"time\" value=\"0\"/></event>"
                      "<event name=\"win\"><quit status=\"true\"/></event>");
    Battle battle = StartBattle(std::move(document), 800, 600, false);
    battle.world->Tick(16);
    EXPECT_FALSE(battle.level->finished) << "the first step looked at the request";
    EXPECT_EQ(battle.level->clock, 16u);
    battle.world->Tick(16);
    EXPECT_TRUE(battle.level->won);
}

TEST_F(BattleStart, LossesAreCountedBySideWithOrWithoutACallsign) {
    Level& level =
        Start("<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"A\" number=\"1\"/>"
              "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Blue\" group=\"B\" number=\"1\" "
              "x=\"400\"/>"
              "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Blue\" group=\"B\" number=\"2\" "
              "x=\"800\"/>");
    auto blue = TanksOf(*world, 3);
    ASSERT_EQ(blue.size(), 2u);
    blue[0]->letter = 0; // as the skirmish's tanks, which carry no callsign letter
    blue[0]->armor->hitPoints = 0;
    blue[1]->armor->hitPoints = 0;
    world->Tick(16);
    EXPECT_EQ(level.losses[3], 2);
    EXPECT_EQ(level.losses[1], 0);

    level.finished = true;
    const Outcome outcome = ReadOutcome(*world, level);
    EXPECT_TRUE(outcome.finished);
    EXPECT_FALSE(outcome.won);
    EXPECT_EQ(outcome.gameMs, world->Clock());
    EXPECT_TRUE(outcome.sides[1].present);
    EXPECT_EQ(outcome.sides[1].standing, 1);
    EXPECT_EQ(outcome.sides[1].destroyed, 2);
    EXPECT_EQ(outcome.sides[1].lost, 0);
    EXPECT_TRUE(outcome.sides[3].present) << "a side wiped out still took part";
    EXPECT_EQ(outcome.sides[3].standing, 0);
    EXPECT_EQ(outcome.sides[3].lost, 2);
    EXPECT_FALSE(outcome.sides[5].present);
}

TEST(LevelFile, FoundUnderTheDataFolderOrByItsPathAndRefusedWithAReason) {
    Brisk::Node document;
    std::string error;
    EXPECT_TRUE(ReadLevelFile("levels/level1.xml", document, error)) << error;
    EXPECT_NE(document.FindChild("level"), nullptr);

    const auto folder = testing_support::ScratchDir("levelfile");
    const auto own = (folder / "own.xml").string();
    std::ofstream(own) << "<level width=\"1024\" height=\"512\"/>";
    EXPECT_TRUE(ReadLevelFile(own, document, error)) << error;

    EXPECT_FALSE(ReadLevelFile("levels/no-such-level.xml", document, error));
    EXPECT_NE(error.find("levels/no-such-level.xml"), std::string::npos) << error;

    // Any text parses; without its "level" element it is not a level, and a 0 x 0 map would be the result.
    const auto notes = (folder / "notes.txt").string();
    std::ofstream(notes) << "just some notes";
    error.clear();
    EXPECT_FALSE(ReadLevelFile(notes, document, error));
    EXPECT_NE(error.find("level"), std::string::npos);
}
