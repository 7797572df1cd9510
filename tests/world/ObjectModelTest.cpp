// The object model's shared rules: hit points, armour and ammunition fractions, side and bar colours.
#include "TestRecords.h"
#include "WorldTestObjects.h"
#include "rules/ArmorData.h"
#include "rules/TowerData.h"
#include "rules/TurretData.h"
#include "scene/StatusBar.h"
#include "world/Debris.h"
#include "world/DestroyAtEndOfStep.h"
#include "world/Object.h"
#include "world/Obstacle.h"
#include "world/Tower.h"
#include "world/Turret.h"
#include "world/World.h"

#include <gtest/gtest.h>

using namespace Vorn;

TEST(HitPoints, BareChassisArmourStillCountsWithoutArmourPlating) {
    WorldTest::TestRecords records;
    records.Add<Constants::ArmorData>(ArmorType::NoArmor).maxArmor = 0;
    const Armor armor(ArmorType::NoArmor, 150);
    EXPECT_EQ(armor.maxHitPoints, 150);
    EXPECT_EQ(armor.hitPoints, 150);
}

// Every reader asks the object: a tank without its armour has no hit points at all, not 0 of them, so it
// is destroyed, shows an empty bar and takes no damage, and destroying it on purpose still marks it.
TEST(HitPoints, ATankThatLostItsArmourHasNoneForEveryReader) {
    Tank* tank = WorldTest::MakeTank(0, 0, 1, 10, 80);
    tank->armor->hitPoints = 20;
    EXPECT_EQ(tank->Health()->current, 20);
    EXPECT_EQ(tank->Health()->maximum, 80);
    tank->armor.reset();
    EXPECT_FALSE(tank->Health().has_value());
    EXPECT_TRUE(tank->IsDestroyed());
    EXPECT_EQ(tank->ArmorFraction(), 0);
    Harm(*tank, 5);
    Repair(*tank, 5);
    EXPECT_FALSE(tank->Health().has_value());
    DestroyAtEndOfStep(*tank);
    EXPECT_TRUE(tank->doomed);
    delete tank;
}

// A tower measures its hit points against its record's "armor", a building against "max_armor"; harm and
// repair change what the rules read, and a repair stops at the maximum.
TEST(HitPoints, TowersAndBuildingsMeasureAgainstTheirRecords) {
    Constants::TowerData towerRecord;
    towerRecord.armor = 400;
    Tower tower(nullptr, TowerType::SurveilanceTower, 1, 0, &towerRecord);
    Harm(tower, 100);
    EXPECT_EQ(tower.hitPoints, 300);
    EXPECT_FLOAT_EQ(tower.ArmorFraction(), 0.75f);
    const auto record = WorldTest::BuildingRecord(200, 0, 0);
    Building building(nullptr, BuildingType::Armory, 1, 0, &record);
    Harm(building, 150);
    Repair(building, 100);
    EXPECT_EQ(building.Health()->current, 150);
    Repair(building, 100);
    EXPECT_EQ(building.hitPoints, 200);
    Obstacle stone(ObstacleType::Stone, nullptr);
    EXPECT_FALSE(stone.Health().has_value());
}

TEST(InfoBars, BuildingsShowNoAmmunition) {
    const auto record = WorldTest::BuildingRecord(200, 0, 0);
    Building building(nullptr, BuildingType::Armory, 1, 0, &record);
    building.hitPoints = 50;
    const IInfo& info = building;
    EXPECT_FALSE(info.ShowsAmmo());
    EXPECT_EQ(info.AmmoFraction(), 0);
    EXPECT_EQ(info.ArmorFraction(), 0.25f);
}

TEST(InfoBars, ArmedUnitsShowTheirTurretsAmmunition) {
    WorldTest::TestRecords records;
    auto& turretRecord = records.Add<Constants::TurretData>(TurretType::Gun1);
    turretRecord.maxAmmo = 40;
    Tank* tank = WorldTest::MakeTank(0, 0, 1, 10, 80);
    tank->armor->hitPoints = 20;
    tank->turret->ammunition = 10;
    const IInfo& info = *tank;
    EXPECT_TRUE(info.ShowsAmmo());
    EXPECT_EQ(info.AmmoFraction(), 0.25f);
    EXPECT_EQ(info.ArmorFraction(), 0.25f);
    turretRecord.maxAmmo = 0; // a turret that never fires
    EXPECT_EQ(info.AmmoFraction(), 0);
    delete tank;
}

TEST(StatusBarColour, RunsFromGreenThroughYellowToRed) {
    const auto at = [](float fraction) { return StatusBarColourOf(fraction); };
    EXPECT_FLOAT_EQ(at(1).red, 0);
    EXPECT_FLOAT_EQ(at(1).green, 1);
    EXPECT_FLOAT_EQ(at(0.6f).red, 1);
    EXPECT_FLOAT_EQ(at(0.6f).green, 1);
    EXPECT_FLOAT_EQ(at(0.4f).green, 0.5f);
    EXPECT_FLOAT_EQ(at(0.1f).green, 0);
    EXPECT_FLOAT_EQ(at(0.1f).red, 1);
    EXPECT_FLOAT_EQ(at(0.5f).alpha, 0.8f);
}

TEST(SideColours, FollowTheSidesAndFallBackToWhite) {
    EXPECT_EQ(SideColourOf(3).blue, 1);
    EXPECT_EQ(SideColourOf(3).red, 0);
    EXPECT_EQ(SideColourOf(5).green, 1);
    EXPECT_EQ(SideColourOf(5).blue, 1);
    EXPECT_EQ(SideColourOf(7).red, 1);
    EXPECT_EQ(SideColourOf(7).green, 1);
}

// A game played again must name its units as before, whatever ran earlier in the process.
TEST(Serials, EachWorldNumbersItsObjectsInTheOrderItFilesThem) {
    const auto fileTwo = [](World& world) {
        auto* first = new Debris(1);
        auto* second = new Debris(1);
        EXPECT_EQ(first->Serial(), 0u) << "not filed yet";
        world.InsertObject(first, KindDebris);
        world.InsertObject(second, KindDebris);
        return std::pair{first, second};
    };
    World one(1000, 1000, 800, 600);
    World two(1000, 1000, 800, 600);
    const auto [a, b] = fileTwo(one);
    const auto [c, d] = fileTwo(two);
    EXPECT_NE(a->Serial(), b->Serial());
    EXPECT_EQ(a->Serial(), c->Serial());
    EXPECT_EQ(b->Serial(), d->Serial());
    EXPECT_EQ(one.FindBySerial(b->Serial()), b);
    one.EraseObject(b, KindDebris);
    EXPECT_EQ(one.FindBySerial(b->Serial()), nullptr);
    one.InsertObject(b, KindDebris);
    EXPECT_EQ(one.FindBySerial(b->Serial()), b) << "filed again under its own serial";
}
