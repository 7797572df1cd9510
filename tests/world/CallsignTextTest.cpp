// The full callsign of units, towers and buildings.
#include "world/CallsignText.h"

#include "WorldTestObjects.h"
#include "datafiles/CallsignTable.h"
#include "datafiles/TextTable.h"
#include "world/Debris.h"

#include <gtest/gtest.h>

using namespace Vorn;

namespace {
class Callsigns : public ::testing::Test {
protected:
    void SetUp() override {
        callsignTable.Clear();
        textTable.Clear();
        callsignTable.SetWord('B', "Bravo");
        callsignTable.SetWord('C', "Charlie");
        callsignTable.SetWord('U', "Uniform");
        textTable.Store("Tower", "Tower");
        textTable.Store("Factory", "Factory");
    }
    void TearDown() override {
        callsignTable.Clear();
        textTable.Clear();
    }

    Tank tank{nullptr, TankType::LightTank, 1, 0, ArmorType::NoArmor, TurretType::Gun1};
    Tower tower{nullptr, TowerType::DefenseTower, 1, 0, nullptr};
    Building factory{nullptr, BuildingType::TankFactory, 1, 0, nullptr};
};
} // namespace

TEST_F(Callsigns, TankIsItsLetterWordAndNumber) {
    tank.letter = 'B';
    EXPECT_EQ(CallsignText(&tank), "Bravo");
    tank.number = 12;
    EXPECT_EQ(CallsignText(&tank), "Bravo 12");
    tank.letter = 0;
    EXPECT_EQ(CallsignText(&tank), "Uniform 12");
}

TEST_F(Callsigns, TowersAndBuildingsLeadWithTheirKind) {
    tower.letter = 'C';
    tower.number = 2;
    EXPECT_EQ(CallsignText(&tower), "Tower Charlie 2");
    tower.number = 0;
    EXPECT_EQ(CallsignText(&tower), "Tower Charlie");
    factory.number = 3;
    EXPECT_EQ(CallsignText(&factory), "Factory 3");
    factory.number = 0;
    EXPECT_EQ(CallsignText(&factory), "Factory");
}

TEST_F(Callsigns, ObjectsWithoutACallsignSaySo) {
    Debris debris(10);
    EXPECT_EQ(CallsignText(&debris), "_ICallsign unimplemented");
    EXPECT_EQ(CallsignText(nullptr), "_ICallsign unimplemented");
}

TEST_F(Callsigns, LongTextsAreCutTo255Characters) {
    callsignTable.SetWord('B', std::string(400, 'x'));
    tank.letter = 'B';
    tank.number = 1;
    EXPECT_EQ(CallsignText(&tank), std::string(255, 'x'));
}
