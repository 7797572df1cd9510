// What the info box says about the selection, and the side's totals when nothing is selected.
#include "tests/interface/InterfaceTestSupport.h"
#include "tests/world/WorldTestObjects.h"

#include <optional>
#include <string>
#include <vector>

namespace {

using interface_test::InterfaceTest;
using Vorn::BuildingType;
using Vorn::InfoBoxContent;
using Vorn::InfoBoxTexts;
using Vorn::Object;

class InfoBoxTest : public InterfaceTest {
protected:
    void SetUp() override {
        InterfaceTest::SetUp();
        world->sides.playerSide = 3;
        world->sides[3].name = "Vendel";
        world->sides[3].money = 1234;
        world->sides[3].points = 7;
        content.emplace();
    }
    InfoBoxTexts Show(const std::vector<Object*>& selection) {
        return content->Compose(*world, world->sides, selection);
    }
    Vorn::Tank* Tank(char letter, float hitPoints, int side = 3) {
        Vorn::Tank* tank = WorldTest::MakeTank(0, 0, side, 10, 100);
        tank->armor->hitPoints = hitPoints;
        tank->letter = letter;
        tank->number = 2;
        world->InsertObject(tank, Vorn::KindTank);
        return tank;
    }
    Vorn::Building* Building(BuildingType type, float x, const Vorn::Constants::BuildingData* record) {
        Vorn::Building* building = WorldTest::MakeBuilding(x, 0, 3, type, record);
        world->InsertObject(building, Vorn::KindBuilding);
        return building;
    }

    // Made once the texts are loaded: it reads its formats when made.
    std::optional<InfoBoxContent> content;
    Vorn::Constants::BuildingData needsPower = WorldTest::BuildingRecord(400, 0, 300);
    Vorn::Constants::BuildingData plant = WorldTest::BuildingRecord(400, 0, 0);
};

TEST_F(InfoBoxTest, AnEmptySelectionShowsTheSidesTotals) {
    Building(BuildingType::TankFactory, 0, &needsPower);
    Building(BuildingType::Armory, 1000, &needsPower);
    Building(BuildingType::PowerPlant, 1100, &plant);
    const InfoBoxTexts texts = Show({});
    EXPECT_EQ(texts.title, "Vendel (Blue)");
    EXPECT_EQ(texts.lines[0], "Money: 1234");
    EXPECT_EQ(texts.lines[1], "Energy: 50%");
    EXPECT_EQ(texts.lines[2], "Ammunition: 0");
    EXPECT_EQ(texts.lines[3], "Points: 7");
    EXPECT_DOUBLE_EQ(content->Totals().energy, 50.0);
}

TEST_F(InfoBoxTest, EnergyIsFullWhenNothingNeedsPowerAndCountedAfresh) {
    Vorn::Building* factory = Building(BuildingType::TankFactory, 0, &needsPower);
    ASSERT_EQ(Show({}).lines[1], "Energy: 0%");
    ASSERT_TRUE(world->EraseObject(factory, Vorn::KindBuilding));
    delete factory;
    EXPECT_EQ(Show({}).lines[1], "Energy: 100%");
}

TEST_F(InfoBoxTest, TwoTanksOfAPlatoonShowThePlatoonTitleAndTheirMeans) {
    const InfoBoxTexts texts = Show({Tank('B', 50), Tank('B', 100)});
    EXPECT_EQ(texts.title, "Platoon Bravo");
    EXPECT_EQ(texts.lines[0], "Units: 2, towers: 0");
    // A mean fraction of 0.75 reads as a percentage, not as "1%".
    EXPECT_EQ(texts.lines[1], "Armour: 75%");
    EXPECT_EQ(texts.lines[2], "Ammunition: 0%");
    EXPECT_EQ(texts.lines[3], "");
}

TEST_F(InfoBoxTest, AMixedSelectionIsAGroupAndCountsItsTowers) {
    Vorn::Tower* tower = WorldTest::MakeTower(50, 0, 3);
    tower->letter = 'B';
    world->InsertObject(tower, Vorn::KindTower);
    const InfoBoxTexts texts = Show({Tank('B', 100), Tank('C', 100), tower});
    EXPECT_EQ(texts.title, "Group");
    EXPECT_EQ(texts.lines[0], "Units: 2, towers: 1");
}

TEST_F(InfoBoxTest, OneUnitShowsItsNameArmourAndStatus) {
    const InfoBoxTexts tank = Show({Tank('A', 37.4f)});
    EXPECT_NE(tank.title.find("Alpha 2"), std::string::npos) << tank.title;
    EXPECT_EQ(tank.lines[0], "Armour: 37% (37/100)");
    EXPECT_EQ(tank.lines[1], "Ammunition: 0% (0/0)");
    const InfoBoxTexts factory =
        Show(std::vector<Object*>{Building(BuildingType::TankFactory, 0, &needsPower)});
    EXPECT_EQ(factory.lines[0], "Armour: 100% (400/400)");
    EXPECT_EQ(factory.lines[1], "Status: no power");
}

TEST_F(InfoBoxTest, AUnitWithoutHitPointsReadsZeroNotNoNumber) {
    Vorn::Tank* tank = Tank('A', 0);
    tank->armor.reset();
    EXPECT_EQ(Show({tank}).lines[0], "Armour: 0% (0/0)");
}

TEST_F(InfoBoxTest, AFormatThatDoesNotTakeItsArgumentsIsShownAsWritten) {
    textTable.Store("infobox_global_money", "Money: %s and %n");
    textTable.Store("infobox_global_points", "Points: %d of %d");
    textTable.Store("infobox_group_group", std::string(100, 'G') + "%d");
    InfoBoxContent broken;
    const InfoBoxTexts side = broken.Compose(*world, world->sides, std::vector<Object*>{});
    EXPECT_EQ(side.lines[0], "Money: %s and %n");
    EXPECT_EQ(side.lines[3], "Points: %d of %d");
    const InfoBoxTexts group =
        broken.Compose(*world, world->sides, std::vector<Object*>{Tank('A', 1), Tank('B', 1)});
    EXPECT_EQ(group.title, std::string(63, 'G'));
}

TEST_F(InfoBoxTest, TextsAreCutAt63Characters) {
    world->sides[3].name = std::string(80, 'V');
    textTable.Store("infobox_global_money", std::string(70, 'M') + "%d");
    InfoBoxContent longTexts;
    const InfoBoxTexts texts = longTexts.Compose(*world, world->sides, std::vector<Object*>{});
    EXPECT_EQ(texts.title, std::string(63, 'V'));
    EXPECT_EQ(texts.lines[0], std::string(63, 'M'));
}

} // namespace
