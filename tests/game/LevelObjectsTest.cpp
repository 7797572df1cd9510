// The object elements of a level: required attributes, defaults, keywords, random draws and bounds.
#include "LevelTestSupport.h"

#include "ai/TankBrain.h"
#include "game/LevelLimits.h"
#include "rules/ArmorData.h"
#include "rules/ConstantsTable.h"
#include "rules/ObstacleData.h"
#include "rules/TankData.h"
#include "world/Armor.h"
#include "world/Building.h"
#include "world/Landmark.h"
#include "world/Landmine.h"
#include "world/Obstacle.h"
#include "world/Tank.h"
#include "world/Tower.h"
#include "world/Turret.h"

#include <cmath>

using namespace Vorn;
using LevelTest::LevelFixture;

namespace {
const std::string fullTank = "type=\"heavy\" turret=\"gauss\" armor=\"light\" color=\"Red\" group=\"Alpha\"";
} // namespace

using LevelObjects = LevelFixture;

TEST_F(LevelObjects, ATankIsMadeFromItsKeywordsWithCallsignAndArmour) {
    Start("<tank " + fullTank + " number=\"7\" x=\"100\" y=\"-50\" direction=\"45\"/>");
    auto* tank = First<Tank>(1, KindTank);
    ASSERT_NE(tank, nullptr);
    EXPECT_EQ(tank->type, TankType::HeavyTank);
    EXPECT_EQ(tank->turret->type, TurretType::Gauss);
    EXPECT_EQ(tank->letter, 'A');
    EXPECT_EQ(tank->number, 7);
    EXPECT_FLOAT_EQ(tank->x, 100);
    EXPECT_FLOAT_EQ(tank->y, -50);
    EXPECT_FLOAT_EQ(tank->direction, 45);
    // Light armour on a heavy chassis: both hit point sources count, and it survives its first steps.
    EXPECT_GT(tank->armor->maxHitPoints, tank->record->baseArmor);
    world->Tick(16);
    EXPECT_EQ(Count(1, KindTank), 1u);
}

TEST_F(LevelObjects, ATankNeedsGroupNumberArmourAndSide) {
    Start("<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" number=\"1\" x=\"0\"/>"
          "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"\" number=\"1\" "
          "x=\"200\"/>"
          "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"A\" number=\"0\" "
          "x=\"400\"/>"
          "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"A\" number=\"65536\" "
          "x=\"600\"/>"
          "<tank type=\"light\" turret=\"gun1\" color=\"Red\" group=\"A\" number=\"1\" x=\"800\"/>"
          "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Purple\" group=\"A\" number=\"1\" "
          "x=\"1000\"/>"
          "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"rED\" group=\"A\" number=\"65537\" "
          "x=\"1200\"/>");
    ASSERT_EQ(Count(1, KindTank), 1u) << "only the last one, whose number cuts to 1";
    EXPECT_EQ(First<Tank>(1, KindTank)->number, 1);
    EXPECT_FLOAT_EQ(First<Tank>(1, KindTank)->x, 1200);
}

TEST_F(LevelObjects, UnknownKeywordsTakeTheElementsDefaults) {
    Start("<tank type=\"hover\" turret=\"laser\" armor=\"foil\" color=\"Blue\" group=\"B\" number=\"2\"/>"
          "<tower type=\"castle\" turret=\"?\" color=\"Blue\" group=\"T\" number=\"1\" x=\"300\"/>"
          "<building type=\"palace\" color=\"Blue\" x=\"600\"/>");
    auto* tank = First<Tank>(3, KindTank);
    ASSERT_NE(tank, nullptr);
    EXPECT_EQ(tank->type, TankType::LightTank);
    EXPECT_EQ(tank->turret->type, TurretType::Cannon1);
    EXPECT_EQ(tank->armor->record,
              Constants::constantsTable.Find<Constants::ArmorData>(Constants::ConstantId::NoArmor));
    ASSERT_NE(First<Tower>(3, KindTower), nullptr);
    EXPECT_EQ(First<Tower>(3, KindTower)->type, TowerType::SupportTower);
    ASSERT_NE(First<Building>(3, KindBuilding), nullptr);
    EXPECT_EQ(First<Building>(3, KindBuilding)->type, BuildingType::TankFactory);
}

TEST_F(LevelObjects, TheSecondTankAtOneSpotIsDroppedButBuildingsAreNotTested) {
    Start("<tank " + fullTank +
          " number=\"1\" x=\"10\" y=\"10\"/>"
          "<tank " +
          fullTank +
          " number=\"2\" x=\"40\" y=\"10\"/>"
          "<building type=\"power\" color=\"Red\" x=\"10\" y=\"10\"/>"
          "<building type=\"power\" color=\"Red\" x=\"10\" y=\"10\"/>");
    EXPECT_EQ(Count(1, KindTank), 1u);
    EXPECT_EQ(Count(1, KindBuilding), 2u);
}

TEST_F(LevelObjects, RandomHeadingThenXThenY) {
    randomGenerator.Reseed(99);
    const double heading = randomGenerator.Next() * 360;
    const double x = 500 - 100 + randomGenerator.Next() * 200;
    const double y = -300 - 100 + randomGenerator.Next() * 200;
    Load("<level width=\"4096\" height=\"4096\"/><event name=\"start\"><new>"
         "<building type=\"base\" color=\"Red\" x=\"500\" y=\"-300\" random=\"100\" direction=\"random\"/>"
         "<building type=\"base\" color=\"Red\" x=\"1500\" direction=\"Random\"/>"
         "</new></event>");
    randomGenerator.Reseed(99);
    world->Tick(16);
    std::vector<Building*> bases;
    for (const auto& [key, cell] : world->Objects(1, KindBuilding).Cells())
        for (Object* object : cell)
            bases.push_back(static_cast<Building*>(object));
    ASSERT_EQ(bases.size(), 2u);
    if (bases[0]->x > 1000)
        std::swap(bases[0], bases[1]);
    EXPECT_FLOAT_EQ(bases[0]->direction, static_cast<float>(heading));
    EXPECT_FLOAT_EQ(bases[0]->x, static_cast<float>(x));
    EXPECT_FLOAT_EQ(bases[0]->y, static_cast<float>(y));
    EXPECT_EQ(bases[1]->direction, 0) << "\"Random\" is not the keyword and reads as a number";
}

TEST_F(LevelObjects, ObstaclesScaleTheirTypesSizeAndBelongToSideZero) {
    Start("<obstacle type=\"atblock\" size=\"2\" color=\"Red\" x=\"0\"/><obstacle type=\"STONE\" x=\"900\"/>"
          "<obstacle x=\"1800\"/>");
    const auto* record =
        Constants::constantsTable.Find<Constants::ObstacleData>(Constants::ConstantId::AntitankBlock);
    ASSERT_EQ(Count(0, KindStatic), 2u) << "an obstacle without \"type\" is not made";
    auto* block = First<Obstacle>(0, KindStatic);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->type, ObstacleType::AntitankBlock);
    EXPECT_FLOAT_EQ(block->size, 2 * record->size);
    EXPECT_EQ(Count(1, KindStatic), 0u);
}

TEST_F(LevelObjects, LandminesAndLandmarksNeedAValidColour) {
    Start("<landmine type=\"large\" x=\"0\"/><landmine type=\"large\" color=\"Pink\" x=\"100\"/>"
          "<landmine type=\"large\" color=\"Yellow\" x=\"200\"/>"
          "<landmark type=\"deposit\" x=\"0\"/><landmark type=\"deposit\" color=\"neutral\" x=\"300\"/>");
    EXPECT_EQ(Count(4, KindLandmine), 1u);
    EXPECT_EQ(First<Landmine>(4, KindLandmine)->type, LandmineType::LargeLandmine);
    EXPECT_EQ(Count(0, KindLandmark), 1u);
    EXPECT_EQ(First<Landmark>(0, KindLandmark)->type, LandmarkType::Deposit);
}

TEST_F(LevelObjects, TowersCarryTheirTurretAndCallsign) {
    Start("<tower type=\"defense\" turret=\"rockets2\" color=\"Aqua\" group=\"Tango\" number=\"3\" x=\"5\"/>"
          "<tower type=\"defense\" turret=\"rockets2\" color=\"Aqua\" number=\"3\" x=\"500\"/>");
    ASSERT_EQ(Count(5, KindTower), 1u);
    auto* tower = First<Tower>(5, KindTower);
    EXPECT_EQ(tower->type, TowerType::DefenseTower);
    EXPECT_EQ(tower->turret->type, TurretType::Rockets2);
    EXPECT_EQ(tower->letter, 'T');
    EXPECT_EQ(tower->number, 3);
    EXPECT_GT(tower->hitPoints, 0);
}

TEST_F(LevelObjects, PositionsThatAreNotFiniteOrFarOutCreateNothing) {
    Start("<building type=\"base\" color=\"Red\" x=\"nan\"/>"
          "<building type=\"base\" color=\"Red\" y=\"inf\"/>"
          "<building type=\"base\" color=\"Red\" x=\"1e30\"/>"
          "<building type=\"base\" color=\"Red\" x=\"0\" random=\"1e38\"/>"
          "<building type=\"base\" color=\"Red\" x=\"0\" direction=\"-inf\"/>"
          "<obstacle type=\"stone\" size=\"nan\"/><obstacle type=\"stone\" size=\"-1\"/>"
          "<obstacle type=\"stone\" size=\"1e9\"/>"
          "<building type=\"base\" color=\"Red\" x=\"999999\" y=\"-999999\"/>");
    EXPECT_EQ(Count(1, KindBuilding), 1u);
    EXPECT_EQ(Count(0, KindStatic), 0u);
}

TEST_F(LevelObjects, AWaypointThatIsNotFiniteIsDroppedButTheTankIsMade) {
    Start("<tank " + fullTank + " number=\"1\" x=\"0\" to_x=\"300\" to_y=\"-20\"/>" + "<tank " + fullTank +
          " number=\"2\" x=\"500\" to_x=\"nan\" to_y=\"0\"/>" + "<tank " + fullTank +
          " number=\"3\" x=\"1000\" to_x=\"0\" to_y=\"-inf\"/>" + "<tank " + fullTank +
          " number=\"4\" x=\"1500\" to_x=\"1e30\" to_y=\"0\"/>");
    ASSERT_EQ(Count(1, KindTank), 4u);
    for (const auto& [key, cell] : world->Objects(1, KindTank).Cells())
        for (Object* object : cell) {
            const auto* tank = static_cast<Tank*>(object);
            if (tank->number == 1) {
                ASSERT_EQ(tank->brain->Waypoints().size(), 1u);
                EXPECT_FLOAT_EQ(tank->brain->Waypoints().front().x, 300);
            } else {
                EXPECT_TRUE(tank->brain->Waypoints().empty()) << "tank " << tank->number;
            }
        }
}

TEST_F(LevelObjects, OneLevelCreatesABoundedNumberOfObjects) {
    std::string many;
    for (std::size_t i = 0; i < LevelLimits::maxCreatedObjects + 50; ++i)
        many += "<landmine type=\"small\" color=\"Red\"/>";
    Level& level = Start(many);
    EXPECT_EQ(Count(1, KindLandmine), LevelLimits::maxCreatedObjects);
    EXPECT_EQ(level.createdObjects, LevelLimits::maxCreatedObjects);
}

TEST_F(LevelObjects, MapSizesAreBounded) {
    EXPECT_EQ(Load("<level width=\"nan\" height=\"-5\"/>").Width(), 0);
    EXPECT_EQ(world->Height(), 0);
    Level& huge = Load("<level width=\"1e30\" height=\"inf\"/>");
    EXPECT_EQ(huge.Width(), 65536);
    EXPECT_EQ(huge.Height(), 65536);
    world->Tick(16);
    Level& plain = Load("<level width=\"3000\" height=\"2000\"/><level width=\"10\"/>");
    EXPECT_EQ(plain.Width(), 3000);
    EXPECT_EQ(plain.Height(), 2000);
}
