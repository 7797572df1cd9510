// The object model's shared rules: hit points, armour and ammunition fractions, side and bar colours.
#include "TestRecords.h"
#include "WorldTestObjects.h"
#include "rules/ArmorData.h"
#include "rules/TurretData.h"
#include "world/Debris.h"
#include "world/Object.h"
#include "world/StatusBar.h"
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
