// The commander in a world: it knows only what its side sees, finds sites the placement rules allow,
// builds and places through commands, sends damaged tanks to be repaired, and plays a whole game the
// same way twice.
#include "ai/TankBrain.h"
#include "command/CommandQueue.h"
#include "command/SimulationStep.h"
#include "commander/BuildingSites.h"
#include "commander/CommanderSet.h"
#include "commander/OwnForces.h"
#include "commander/Scouting.h"
#include "datafiles/DataArchive.h"
#include "game/Battle.h"
#include "game/StateDigest.h"
#include "rules/BuildingData.h"
#include "rules/ConstantsTable.h"
#include "rules/TypeCatalogue.h"
#include "tests/game/LevelTestSupport.h"
#include "world/Defence.h"
#include "world/HQ.h"
#include "world/PlacementCheck.h"
#include "world/Tank.h"
#include "world/TankFactory.h"

#include <algorithm>
#include <cmath>
#include <set>

using namespace Vorn;

namespace {

constexpr int blue = 3;
constexpr int red = 1;

// Blue's base with a power plant and a deposit in reach; a Red factory far out of Blue's sight.
const char* const baseObjects =
    "<building type=\"base\" color=\"Blue\" group=\"H\" number=\"1\" x=\"0\" y=\"0\"/>"
    "<building type=\"power\" color=\"Blue\" group=\"P\" number=\"1\" x=\"0\" y=\"260\"/>"
    "<landmark type=\"deposit\" color=\"Neutral\" x=\"-400\" y=\"-200\"/>"
    "<building type=\"factory\" color=\"Red\" group=\"F\" number=\"1\" x=\"1700\" y=\"1700\"/>";

class CommanderInWorld : public LevelTest::LevelFixture {
protected:
    void Begin(const std::string& more = "") {
        Start(std::string(baseObjects) + more);
        dataArchive.SetFolder("data");
        std::vector<std::string> faults;
        book = LoadCommanderBook(faults);
        commander = std::make_unique<Commander>(blue, book.Find("normal"));
        commander->Look(*world);
    }
    HQ& Headquarters() { return *First<HQ>(blue, KindBuilding); }
    TankFactory& Factory() {
        return *dynamic_cast<TankFactory*>(OwnBuildings(*world, blue, BuildingType::TankFactory).front());
    }
    const Command* Waiting(CommandKind kind) const {
        for (const Command& command : commands.Waiting())
            if (command.kind == kind)
                return &command;
        return nullptr;
    }
    static float Distance(float ax, float ay, float bx, float by) { return std::hypot(ax - bx, ay - by); }

    CommanderBook book;
    std::unique_ptr<Commander> commander;
    CommandQueue commands;
};

} // namespace

TEST_F(CommanderInWorld, ItKnowsWhatItsSideSeesAndRemembersBuildingsUntilItSeesThemGone) {
    Begin("<tank type=\"scout\" turret=\"gun1\" armor=\"none\" color=\"Blue\" group=\"S\" number=\"1\" "
          "x=\"300\" y=\"-300\"/>");
    EXPECT_TRUE(commander->View().Structures().empty()) << "the Red factory is out of sight";
    EXPECT_EQ(commander->View().Deposits().size(), 1u);
    Tank* scout = First<Tank>(blue, KindTank);
    world->RefileObject(scout, KindTank, 1500, 1500);
    commander->Look(*world);
    ASSERT_EQ(commander->View().Structures().size(), 1u);
    world->RefileObject(scout, KindTank, 300, -300);
    commander->Look(*world);
    EXPECT_EQ(commander->View().Structures().size(), 1u) << "remembered out of sight";
    Object* factory = First<Object>(red, KindBuilding);
    world->EraseObject(factory, KindBuilding);
    delete factory;
    commander->Look(*world);
    EXPECT_EQ(commander->View().Structures().size(), 1u) << "gone, but nobody has looked";
    world->RefileObject(scout, KindTank, 1500, 1500);
    commander->Look(*world);
    EXPECT_TRUE(commander->View().Structures().empty());
}

TEST_F(CommanderInWorld, SitesAreAllowedByThePlacementRulesPoweredAndMinesStandOnTheDeposit) {
    // An enemy tank south of the base rules out the sites searched first.
    Begin("<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"A\" number=\"1\" "
          "x=\"0\" y=\"-100\"/>");
    const auto* factoryRecord =
        Constants::constantsTable.Find<Constants::BuildingData>(ConstantIdOf(BuildingType::TankFactory));
    const std::optional<MapPoint> factory =
        FindBuildingSite(*world, blue, BuildingType::TankFactory, commander->View());
    ASSERT_TRUE(factory.has_value());
    EXPECT_EQ(
        CheckPlacement(*world, *PlacementRulesOf(BuildingType::TankFactory), blue, factory->x, factory->y),
        placementAllowed);
    EXPECT_LT(Distance(factory->x, factory->y, 0, 260), factoryRecord->powerPlantRange) << "within power";
    const std::optional<MapPoint> mine =
        FindBuildingSite(*world, blue, BuildingType::Mine, commander->View());
    ASSERT_TRUE(mine.has_value());
    EXPECT_FLOAT_EQ(mine->x, -400);
    EXPECT_FLOAT_EQ(mine->y, -200);
    EXPECT_EQ(CheckPlacement(*world, *PlacementRulesOf(BuildingType::PowerPlant), red, 1500, -1500),
              placementUnexplored)
        << "a side other than the fog's places only where it sees";
}

TEST_F(CommanderInWorld, TheEconomyBuildsAndPlacesThroughCommands) {
    Begin();
    world->sides[blue].money = 100000;
    commander->ThinkEconomy(*world, commands);
    const Command* build = Waiting(CommandKind::Build);
    ASSERT_NE(build, nullptr);
    EXPECT_EQ(build->side, blue);
    EXPECT_EQ(build->product, static_cast<int>(BuildingType::TankFactory))
        << "the plan's first missing building";
    StepSimulation(*world, commands, 16);
    auto& slot = Headquarters().Slot();
    ASSERT_TRUE(slot.active);
    slot.elapsed = static_cast<unsigned>(slot.buildTime);
    commander->ThinkEconomy(*world, commands);
    ASSERT_NE(Waiting(CommandKind::Place), nullptr);
    StepSimulation(*world, commands, 16);
    EXPECT_EQ(world->Objects(blue, KindBuilding).Count(), 3u);
    EXPECT_FALSE(slot.active);
}

TEST_F(CommanderInWorld, ADamagedTankDrivesToBeRepairedAndRejoinsWhenMended) {
    Begin("<tank type=\"light\" turret=\"gun1\" armor=\"light\" color=\"Blue\" group=\"A\" number=\"1\" "
          "x=\"900\" y=\"-900\"/>");
    Tank* tank = First<Tank>(blue, KindTank);
    const float full = tank->Health()->maximum;
    tank->SetHealth(full * 0.2f);
    commander->ThinkAttack(*world, commands);
    const Command* away = Waiting(CommandKind::Move);
    ASSERT_NE(away, nullptr);
    EXPECT_EQ(away->units, std::vector<std::uint64_t>{tank->Serial()});
    EXPECT_LT(Distance(away->x, away->y, 0, 0), 200) << "to the headquarters, which repairs";
    StepSimulation(*world, commands, 16);
    commander->ThinkAttack(*world, commands);
    EXPECT_EQ(Waiting(CommandKind::Move), nullptr) << "sent once";
    tank->SetHealth(full);
    commander->ThinkAttack(*world, commands);
    const Command* back = Waiting(CommandKind::Move);
    ASSERT_NE(back, nullptr);
    ASSERT_TRUE(commander->rallyPoint.has_value());
    EXPECT_FLOAT_EQ(back->x, commander->rallyPoint->x);
}

TEST_F(CommanderInWorld, ACommanderOfASideWithNothingOnTheMapIssuesNothing) {
    Begin();
    Commander idle(5, book.Find("hard"));
    for (unsigned step = 0; step < 1000; ++step) {
        idle.Think(*world, commands);
        StepSimulation(*world, commands, 16);
    }
    EXPECT_TRUE(commands.Applied().empty());
}

namespace {

struct Played {
    std::uint64_t digest = 0;
    std::size_t blueTanks = 0;
    std::size_t commands = 0;
};

// The two-side level with a commander on each side, the player's included.
Played PlayDuel(unsigned steps) {
    randomGenerator.Reseed(5);
    Battle battle = StartBattle(dataArchive.ReadDocument("levels/level3.xml"), 800, 600, false);
    battle.commanders->Start(blue, "hard");
    for (unsigned step = 0; step < steps; ++step)
        StepBattle(*battle.world, *battle.level, *battle.commands, battle.commanders.get(), 16);
    return {StateDigest(*battle.world, battle.level), battle.world->Objects(blue, KindTank).Count(),
            battle.commands->Applied().size()};
}

} // namespace

TEST(CommanderGame, TwoCommandersPlayTheSameGameTwiceAndFieldTanks) {
    dataArchive.SetFolder("data");
    Constants::LoadConstants();
    const Played first = PlayDuel(8000);
    const Played second = PlayDuel(8000);
    Constants::ReleaseConstants();
    EXPECT_EQ(first.digest, second.digest);
    EXPECT_EQ(first.commands, second.commands);
    EXPECT_GT(first.commands, 10u);
    EXPECT_GT(first.blueTanks, 3u) << "the factory has fielded tanks";
}

namespace {

std::string BlueTank(int number, float x, float y) {
    return "<tank type=\"light\" turret=\"gun1\" armor=\"light\" color=\"Blue\" group=\"A\" number=\"" +
           std::to_string(number) + "\" x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\"/>";
}

} // namespace

// Tanks standing in a line from a factory's exit hold its next tank in for good: every one of them in the
// lane is sent on, not only the one on the exit, and no more tanks are ordered into the blocked exit.
TEST_F(CommanderInWorld, ALineOfTanksInAFactoryExitLaneIsSentOnAndTheBlockedFactoryOrdersNothing) {
    const std::string factoryText =
        "<building type=\"factory\" color=\"Blue\" group=\"F\" number=\"1\" x=\"300\" y=\"0\"/>";
    Begin(factoryText);
    const auto [exitX, exitY] = Factory().ExitPoint(12);
    const float length = std::hypot(exitX - 300, exitY);
    const float outX = (exitX - 300) / length;
    const float outY = exitY / length;
    // Three tanks nose to tail straight out from the exit, one well aside.
    std::string tanks;
    for (int i = 1; i <= 3; ++i)
        tanks +=
            BlueTank(i, exitX + outX * 26 * static_cast<float>(i), exitY + outY * 26 * static_cast<float>(i));
    Begin(factoryText + tanks + BlueTank(9, -600, 600));
    world->sides[blue].money = 100000;
    // The first tank lands on the exit itself, where the factory puts its own.
    TankOrder light;
    light.chassis = TankType::LightTank;
    light.armor = ArmorType::NoArmor;
    light.turret = TurretType::Gun1;
    Command order = OrderTanksCommand(Factory().Serial(), light, 2);
    order.side = blue;
    commands.Issue(order);
    for (int step = 0; step < 4000 && Factory().WaitingAtExit().empty(); ++step)
        StepSimulation(*world, commands, 16);
    ASSERT_FALSE(Factory().WaitingAtExit().empty()) << "the new tank waits behind the line";
    for (Object* tank : OwnObjects(*world, blue, KindTank))
        if (tank->AsTank()->brain)
            tank->AsTank()->brain->ClearWaypoints();
    commander->ThinkProduction(*world, commands);
    std::set<std::uint64_t> moved;
    for (const Command& command : commands.Waiting()) {
        EXPECT_NE(command.kind, CommandKind::OrderTanks) << "nothing ordered into a blocked exit";
        if (command.kind == CommandKind::Move)
            moved.insert(command.units.begin(), command.units.end());
    }
    EXPECT_GE(moved.size(), 3u) << "the whole lane";
    EXPECT_LT(moved.size(), OwnObjects(*world, blue, KindTank).size()) << "not the tank aside";
}

TEST_F(CommanderInWorld, AGroupWithNoEnemyKnownSearchesTheMapAndTanksStopAtTheirPlansNumber) {
    Begin("<building type=\"factory\" color=\"Blue\" group=\"F\" number=\"1\" x=\"300\" y=\"0\"/>" +
          BlueTank(1, 100, -300) + BlueTank(2, 160, -300) + BlueTank(3, 220, -300));
    Difficulty plan = book.Find("normal");
    plan.attack.groupSize = 3;
    plan.attack.firstAttackMs = 0;
    plan.scouts = 0;
    plan.production.maxTanks = 3;
    Commander searching(blue, plan);
    searching.Look(*world);
    CommandQueue gathering;
    searching.ThinkAttack(*world, gathering);
    ASSERT_TRUE(searching.rallyPoint.has_value());
    float offset = 0;
    for (Object* tank : OwnObjects(*world, blue, KindTank)) {
        world->RefileObject(tank, KindTank, searching.rallyPoint->x + offset, searching.rallyPoint->y);
        offset += 60;
    }
    searching.ThinkAttack(*world, commands);
    ASSERT_FALSE(commands.Waiting().empty());
    const Command& search = commands.Waiting().back();
    EXPECT_EQ(search.kind, CommandKind::Move);
    EXPECT_EQ(search.units.size(), 3u) << "the whole group sets out";
    const MapPoint mirror = ScoutingRound(world->Width(), world->Height(), {0, 0}).front();
    EXPECT_FLOAT_EQ(search.x, mirror.x);
    EXPECT_FLOAT_EQ(search.y, mirror.y);

    world->sides[blue].money = 100000;
    const auto orders = [&] {
        return std::count_if(commands.Waiting().begin(), commands.Waiting().end(),
                             [](const Command& command) { return command.kind == CommandKind::OrderTanks; });
    };
    searching.ThinkProduction(*world, commands);
    EXPECT_EQ(orders(), 0) << "three tanks stand: the plan's number";
    searching.difficulty.production.maxTanks = 4;
    searching.ThinkProduction(*world, commands);
    EXPECT_EQ(orders(), 1);
}

namespace {

const char* const blueDefence =
    "<building type=\"defense\" color=\"Blue\" group=\"D\" number=\"1\" x=\"250\" y=\"150\"/>"
    "<tank type=\"scout\" turret=\"gun1\" armor=\"none\" color=\"Blue\" group=\"S\" number=\"1\" x=\"0\" "
    "y=\"-500\"/>";
const char* const blueFactory =
    "<building type=\"factory\" color=\"Blue\" group=\"F\" number=\"1\" x=\"-320\" y=\"120\"/>";

std::string RedHeavyTanks(float y) {
    std::string tanks;
    for (int i = 1; i <= 4; ++i)
        tanks +=
            "<tank type=\"heavy\" turret=\"cannon2\" armor=\"heavy\" color=\"Red\" group=\"W\" number=\"" +
            std::to_string(i) + "\" x=\"" + std::to_string(-120 + 80 * i) + "\" y=\"" + std::to_string(y) +
            "\"/>";
    return tanks;
}

} // namespace

// The base's money goes to towers, beyond the plan's number, while an attack it has seen is stronger than
// its towers and home tanks, and while it has no factory: the headquarters starts nothing else and the
// factory orders nothing. The towers stand on the side the attack came from.
TEST_F(CommanderInWorld, AnAttackTheBaseCannotMeetOrNoFactoryPutsTheMoneyIntoTowers) {
    const auto thinkAll = [&](Commander& who) {
        commands = CommandQueue();
        who.Look(*world);
        who.ThinkDefence(*world, commands);
        who.ThinkEconomy(*world, commands);
        who.ThinkProduction(*world, commands);
    };
    const auto defence = [&] {
        return dynamic_cast<Defence*>(OwnBuildings(*world, blue, BuildingType::Defense).front());
    };
    const auto buildBy = [&](const Object& producer) {
        for (const Command& command : commands.Waiting())
            if (command.kind == CommandKind::Build && command.units.front() == producer.Serial())
                return true;
        return false;
    };
    for (const bool attacked : {false, true}) {
        Begin(std::string(blueDefence) + blueFactory + (attacked ? RedHeavyTanks(-760) : ""));
        commander->difficulty.defence.towers = 0;
        commander->difficulty.defence.landmines = 0;
        world->sides[blue].money = 100000;
        StepSimulation(*world, commands, 16);
        thinkAll(*commander);
        const char* const when = attacked ? "attacked" : "calm";
        EXPECT_EQ(buildBy(Headquarters()), !attacked) << when;
        EXPECT_EQ(Waiting(CommandKind::OrderTanks) != nullptr, !attacked) << when;
        EXPECT_EQ(buildBy(*defence()), attacked) << when << ": a tower beyond the plan's none";
    }
    // Attacked from the south: the finished tower goes south of the headquarters, not up the map.
    StepSimulation(*world, commands, 16);
    ASSERT_TRUE(defence()->TowerSlot().active && defence()->TurretSlot().active);
    defence()->TowerSlot().elapsed = static_cast<unsigned>(defence()->TowerSlot().buildTime);
    defence()->TurretSlot().elapsed = static_cast<unsigned>(defence()->TurretSlot().buildTime);
    commands = CommandQueue();
    commander->ThinkDefence(*world, commands);
    const Command* place = Waiting(CommandKind::Place);
    ASSERT_NE(place, nullptr);
    EXPECT_LT(place->y, 0);

    // Without a factory the towers come first even before any attack.
    Begin(blueDefence);
    commander->difficulty.defence.towers = 0;
    commander->difficulty.defence.landmines = 0;
    world->sides[blue].money = 100000;
    StepSimulation(*world, commands, 16);
    thinkAll(*commander);
    EXPECT_TRUE(buildBy(*defence())) << "a tower";
    EXPECT_FALSE(buildBy(Headquarters())) << "the factory waits";
}
