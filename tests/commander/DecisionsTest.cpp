// The commander's decisions as plain functions: what the headquarters builds next, which design a factory
// orders, and whether a group sets out and against what.
#include "commander/Attack.h"
#include "commander/Economy.h"
#include "commander/Production.h"
#include "commander/Strength.h"
#include "rules/ConstantsLoader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

using namespace Vorn;

namespace {

class Decisions : public ::testing::Test {
protected:
    void SetUp() override { Constants::LoadConstants(); }
    void TearDown() override { Constants::ReleaseConstants(); }

    static EconomyPlan Plan() {
        EconomyPlan plan;
        plan.buildOrder = {BuildingType::PowerPlant, BuildingType::TankFactory, BuildingType::Mine,
                           BuildingType::PowerPlant};
        plan.maxMines = 2;
        plan.maxOutposts = 1;
        plan.maxFactories = 2;
        plan.expandAbove = 3000;
        return plan;
    }
    static BaseCensus Census(std::initializer_list<std::pair<BuildingType, int>> buildings) {
        BaseCensus census;
        for (const auto& [type, count] : buildings)
            census.buildings[static_cast<int>(type)] = count;
        return census;
    }
};

KnownObject Known(ObjectKind kind, int type, float x, float y, std::uint64_t serial) {
    KnownObject known;
    known.kind = kind;
    known.type = type;
    known.x = x;
    known.y = y;
    known.serial = serial;
    known.strength = {500, 20, 400};
    return known;
}

} // namespace

TEST_F(Decisions, TheEconomyPowersFirstFollowsItsOrderRebuildsAndThenExpands) {
    BaseCensus census = Census({{BuildingType::Base, 1}});
    EXPECT_EQ(NextBuilding(census, Plan()), BuildingType::PowerPlant);
    census = Census({{BuildingType::Base, 1}, {BuildingType::PowerPlant, 1}});
    EXPECT_EQ(NextBuilding(census, Plan()), BuildingType::TankFactory);
    census.buildings[static_cast<int>(BuildingType::TankFactory)] = 1;
    EXPECT_EQ(NextBuilding(census, Plan()), BuildingType::PowerPlant)
        << "no deposit in reach: the mine waits";
    census.reachableDeposits = 1;
    EXPECT_EQ(NextBuilding(census, Plan()), BuildingType::Mine);
    census.unpowered = 1;
    EXPECT_EQ(NextBuilding(census, Plan()), BuildingType::PowerPlant) << "an idle building comes first";

    BaseCensus built = Census({{BuildingType::Base, 1},
                               {BuildingType::PowerPlant, 2},
                               {BuildingType::TankFactory, 1},
                               {BuildingType::Mine, 2}});
    built.reachableDeposits = 1;
    EXPECT_EQ(NextBuilding(built, Plan()), std::nullopt) << "mines stop at the plan's number";
    built.distantDeposits = 1;
    EXPECT_EQ(NextBuilding(built, Plan()), BuildingType::Outpost);
    built.money = 5000;
    EXPECT_EQ(WantedBuildings(built, Plan()),
              (std::vector<BuildingType>{BuildingType::Outpost, BuildingType::TankFactory}))
        << "the factory stands behind an outpost that may find no site";
    built.money = 0;
    built.buildings[static_cast<int>(BuildingType::Outpost)] = 1;
    built.money = 5000;
    EXPECT_EQ(NextBuilding(built, Plan()), BuildingType::TankFactory) << "money to spare buys a factory";
    built.buildings[static_cast<int>(BuildingType::PowerPlant)] = 1;
    EXPECT_EQ(NextBuilding(built, Plan()), BuildingType::PowerPlant) << "a lost plant is rebuilt";
}

TEST_F(Decisions, GatheringTanksEachHaveTheirOwnSpotAroundTheRallyPoint) {
    const MapPoint rally{1000, -500};
    std::set<std::pair<float, float>> spots;
    for (std::uint64_t serial = 100; serial < 125; ++serial) {
        const MapPoint spot = GatherSpot(rally, serial);
        EXPECT_LT(std::hypot(spot.x - rally.x, spot.y - rally.y), 250.0f);
        spots.insert({spot.x, spot.y});
    }
    EXPECT_EQ(spots.size(), 25u) << "25 tanks in a row of serials stand apart";
}

TEST_F(Decisions, ProductionAnswersTowersWithRangeAndHeavyTanksWithAntiArmourWhenItCanAfford) {
    ProductionPlan plan;
    plan.designs[static_cast<int>(DesignRole::Line)] = {TankType::LightTank, TurretType::Cannon2,
                                                        ArmorType::LightArmor};
    plan.designs[static_cast<int>(DesignRole::AntiArmour)] = {TankType::MediumTank, TurretType::Rockets2,
                                                              ArmorType::AdvancedArmor};
    plan.designs[static_cast<int>(DesignRole::AntiTower)] = {TankType::HeavyTank, TurretType::RocketsL,
                                                             ArmorType::AdvancedArmor};
    const int plenty = 5000;
    EXPECT_EQ(ChooseDesign({6, 0, 0}, plenty, plan).chassis, TankType::LightTank);
    EXPECT_EQ(ChooseDesign({2, 0, 4}, plenty, plan).turret, TurretType::RocketsL);
    EXPECT_EQ(ChooseDesign({6, 3, 1}, plenty, plan).turret, TurretType::Rockets2);
    EXPECT_EQ(ChooseDesign({6, 1, 1}, plenty, plan).turret, TurretType::Cannon2)
        << "one heavy tank is no trend";
    EXPECT_EQ(ChooseDesign({2, 0, 4}, 100, plan).turret, TurretType::Cannon2) << "too dear for now";
    plan.designs[static_cast<int>(DesignRole::AntiTower)].chassis = TankType::ScoutTank;
    EXPECT_EQ(ChooseDesign({2, 0, 4}, plenty, plan).turret, TurretType::Cannon2) << "a scout cannot carry it";
}

TEST_F(Decisions, AGroupSetsOutOnlyWhenItOutmatchesTheKnownDefenceByTheMargin) {
    const UnitStrength line =
        StrengthOf(TankOrder{TankType::LightTank, TurretType::Cannon2, ArmorType::LightArmor});
    ASSERT_GT(line.hitPoints, 0);
    ASSERT_GT(line.damagePerSecond, 0);
    const std::vector<UnitStrength> four(4, line);
    const std::vector<UnitStrength> six(6, line);
    EXPECT_GT(GroupStrength(six), GroupStrength(four));
    EXPECT_TRUE(ShouldAttack(GroupStrength(six), GroupStrength(four), 1.5f));
    EXPECT_FALSE(ShouldAttack(GroupStrength(four), GroupStrength(six), 1.5f));
    const std::vector<UnitStrength> five(5, line);
    EXPECT_FALSE(ShouldAttack(GroupStrength(six), GroupStrength(five), 1.5f))
        << "ahead, but not by the margin";
    EXPECT_TRUE(ShouldAttack(GroupStrength(four), 0, 1.5f)) << "nothing known at the target";
    EXPECT_FALSE(ShouldAttack(0, 0, 1.5f)) << "a group that cannot hurt stays";
    const UnitStrength radar =
        StrengthOf(TankOrder{TankType::ScoutTank, TurretType::Radar, ArmorType::NoArmor});
    EXPECT_EQ(radar.damagePerSecond, 0);
}

TEST_F(Decisions, TargetsAreProductionThenPowerThenTheRestAndTheDefenceCountsWhatIsNearIt) {
    SideView view;
    view.structures[1] = Known(KindBuilding, static_cast<int>(BuildingType::Mine), 100, 0, 1);
    view.structures[2] = Known(KindBuilding, static_cast<int>(BuildingType::PowerPlant), 200, 0, 2);
    EXPECT_EQ(PickTarget(view, 0, 0)->serial, 2u);
    view.structures[3] = Known(KindBuilding, static_cast<int>(BuildingType::TankFactory), 3000, 0, 3);
    view.structures[4] = Known(KindBuilding, static_cast<int>(BuildingType::Base), 2000, 0, 4);
    EXPECT_EQ(PickTarget(view, 0, 0)->serial, 4u) << "the nearest producer";
    view.structures[5] = Known(KindTower, 0, 2100, 0, 5);
    view.tanks[6] = Known(KindTank, 1, 2000, 300, 6);
    view.tanks[7] = Known(KindTank, 1, 9000, 0, 7);
    EXPECT_FLOAT_EQ(KnownDefenceOf(view, 2000, 0),
                    GroupStrength({view.structures[5].strength, view.tanks[6].strength}));
    EXPECT_EQ(KnownDefenceOf(view, 100, 0), 0) << "nothing armed near the mine";
    EXPECT_FALSE(PickTarget(SideView{}, 0, 0).has_value());
}
