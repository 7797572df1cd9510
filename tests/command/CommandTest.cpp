// The commands, applied through ApplyCommand and the queue alone: moves keep the group's shape, attacks
// split by range, production orders start, refuse, place, cancel and switch as the panel's always did, and
// a command naming what is gone does nothing.
#include "ai/TankBrain.h"
#include "ai/TurretBrain.h"
#include "command/ApplyCommand.h"
#include "command/CommandQueue.h"
#include "command/OrderRefusal.h"
#include "command/SimulationStep.h"
#include "rules/TankAIData.h"
#include "tests/mainpanel/PanelWorld.h"
#include "world/Armor.h"
#include "world/Armory.h"
#include "world/Defence.h"
#include "world/HQ.h"
#include "world/PlacementCheck.h"
#include "world/TankFactory.h"
#include "world/Tower.h"
#include "world/Turret.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Vorn;
using PanelTest::PanelWorld;

namespace {

constexpr int player = PanelWorld::side;
constexpr int enemy = 2;

class Commands : public ::testing::Test {
protected:
    Commands() {
        base.records.Add<Constants::TankAIData>(Constants::ConstantId::TankAI).waypointCollapseDst = 24;
        base.Turret(TurretType::Gun1, BulletType::GunBullet).engageRange = 100;
    }

    // Applies the command for the player, at the start of a step, and returns what it reported.
    WorldEvents Apply(Command command, int side = player) {
        command.side = side;
        base.world->BeginStep();
        ApplyCommand(*base.world, command);
        return base.world->StepEvents();
    }
    static bool Reports(const WorldEvents& events, WorldEventKind kind, int detail) {
        for (const WorldEvent& event : events)
            if (event.kind == kind && event.detail == detail)
                return true;
        return false;
    }
    Tank* AddTank(float x, float y, int side = player) {
        Tank* tank = base.AddTank(x, y, side);
        tank->brain->SetActive(true);
        return tank;
    }
    static TankBrain::Waypoint Last(const Tank& tank) { return tank.brain->Waypoints().back(); }

    PanelWorld base;
};

} // namespace

TEST_F(Commands, AMoveKeepsTheGroupsShapeStretchedByItsSpreadAndAQueuedPointAppends) {
    Tank* left = AddTank(-20, 0);
    Tank* right = AddTank(20, 10);
    for (const float spread : {1.0f, 2.0f, 0.5f}) {
        Apply(MoveCommand({left->Serial(), right->Serial()}, 1000, 2000, false, spread));
        // The centre of the box around the two is (0, 5).
        EXPECT_FLOAT_EQ(Last(*left).x, 1000 - 20 * spread);
        EXPECT_FLOAT_EQ(Last(*left).y, 2000 - 5 * spread);
        EXPECT_FLOAT_EQ(Last(*right).x, 1000 + 20 * spread);
        EXPECT_FLOAT_EQ(Last(*right).y, 2000 + 5 * spread);
        EXPECT_EQ(left->brain->Waypoints().size(), 1u) << "a plain move replaces the route";
    }
    Apply(MoveCommand({left->Serial()}, -500, 0, true, 1));
    ASSERT_EQ(left->brain->Waypoints().size(), 2u);
    EXPECT_FLOAT_EQ(Last(*left).x, -500);

    Tank* foreign = AddTank(0, 300, enemy);
    Apply(MoveCommand({foreign->Serial()}, 900, 900, false, 1));
    EXPECT_TRUE(foreign->brain->Waypoints().empty()) << "a side moves only its own units";
    const WorldEvents refused = Apply(MoveCommand({left->Serial()}, NAN, 0, false, 1));
    EXPECT_TRUE(Reports(refused, WorldEventKind::OrderRefused, static_cast<int>(OrderRefusal::BadPoint)));
    EXPECT_EQ(left->brain->Waypoints().size(), 2u);
}

TEST_F(Commands, AnAttackFiresInRangeAndDrivesTanksOutOfRangeToARingAroundTheTarget) {
    Tank* target = AddTank(0, 0, enemy);
    Tank* near = AddTank(60, 0);
    Tank* far = AddTank(60, 1000);
    Apply(AttackCommand({near->Serial(), far->Serial()}, target->Serial()));
    EXPECT_EQ(near->turret->brain.Target(), target);
    EXPECT_EQ(far->turret->brain.Target(), nullptr);
    ASSERT_EQ(far->brain->Waypoints().size(), 1u);
    // The group's centre is (60, 500); the far tank closes in along its offset to a random share of it.
    const float offset = 500;
    const float ratio = far->turret->brain.range / offset;
    const float share = (Last(*far).y - target->y) / offset;
    EXPECT_GE(share, 0.25f * ratio);
    EXPECT_LE(share, 0.75f * ratio);

    Tank* own = AddTank(200, 0);
    Apply(AttackCommand({near->Serial()}, own->Serial()));
    EXPECT_EQ(near->turret->brain.Target(), target) << "no side attacks its own";
}

TEST_F(Commands, StopClearsTheRouteAndARallyPointIsSetOnlyOnTheSidesFactories) {
    Tank* tank = AddTank(0, 0);
    Apply(MoveCommand({tank->Serial()}, 500, 0, false, 1));
    Apply(StopCommand({tank->Serial()}));
    EXPECT_TRUE(tank->brain->Waypoints().empty());

    base.BuildingType(BuildingType::TankFactory);
    auto* own = base.AddBuilding<TankFactory>(BuildingType::TankFactory, -300, 0, player);
    auto* other = base.AddBuilding<TankFactory>(BuildingType::TankFactory, 300, 0, enemy);
    Apply(RallyPointCommand({own->Serial(), other->Serial()}, -400, 50));
    ASSERT_TRUE(own->HasRallyPoint());
    EXPECT_FLOAT_EQ(own->RallyX(), -400);
    EXPECT_FALSE(other->HasRallyPoint());
}

TEST_F(Commands, BuildingOrdersStartWithOrWithoutMoneyAndABusyOrOverloadedOrderIsRefused) {
    auto* hq = base.AddBuilding<HQ>(BuildingType::Base, 0, 0, player);
    base.Money(player) = 0;
    Apply(BuildCommand(hq->Serial(), BuildingType::PowerPlant));
    ASSERT_TRUE(hq->Slot().active) << "an order the side cannot pay for yet waits for money";
    EXPECT_EQ(hq->Slot().type, BuildingType::PowerPlant);
    base.world->Tick(500);
    EXPECT_EQ(hq->Slot().paid, 0);
    const WorldEvents busy = Apply(BuildCommand(hq->Serial(), BuildingType::Armory));
    EXPECT_TRUE(Reports(busy, WorldEventKind::OrderRefused, static_cast<int>(OrderRefusal::Busy)));
    EXPECT_EQ(hq->Slot().type, BuildingType::PowerPlant);
    base.Money(player) = 10000;
    base.world->Tick(500);
    EXPECT_GT(hq->Slot().paid, 0);

    auto* defence = base.AddBuilding<Defence>(BuildingType::Defense, 200, 0, player);
    const WorldEvents heavy =
        Apply(BuildCommand(defence->Serial(), TowerType::DefenseTower, TurretType::Cannon2));
    EXPECT_TRUE(Reports(heavy, WorldEventKind::OrderRefused, static_cast<int>(OrderRefusal::TooHeavy)));
    EXPECT_FALSE(defence->TowerSlot().active);
    Apply(BuildCommand(defence->Serial(), TowerType::DefenseTower, TurretType::Gun1));
    EXPECT_TRUE(defence->TowerSlot().active);
    EXPECT_EQ(defence->TurretSlot().type, TurretType::Gun1);
    Apply(BuildCommand(defence->Serial(), LandmineType::LargeLandmine));
    EXPECT_EQ(defence->LandmineSlot().type, LandmineType::LargeLandmine);

    const WorldEvents wrong = Apply(BuildCommand(defence->Serial(), BuildingType::Mine));
    EXPECT_TRUE(Reports(wrong, WorldEventKind::OrderRefused, static_cast<int>(OrderRefusal::NotAProducer)));
    Command outOfRange = BuildCommand(hq->Serial(), BuildingType::Mine);
    outOfRange.product = buildingTypeCount;
    EXPECT_TRUE(Reports(Apply(outOfRange), WorldEventKind::OrderRefused,
                        static_cast<int>(OrderRefusal::UnknownProduct)));
}

TEST_F(Commands, AFinishedProductIsPlacedOnlyWhereTheRulesAllowAndOnlyOnce) {
    auto* hq = base.AddBuilding<HQ>(BuildingType::Base, 0, 0, player);
    const auto buildings = [&] { return base.Count(KindBuilding); };
    const WorldEvents early = Apply(PlaceCommand(hq->Serial(), ProductFamily::Building, 300, 0));
    EXPECT_TRUE(Reports(early, WorldEventKind::OrderRefused, static_cast<int>(OrderRefusal::NotFinished)));
    Apply(BuildCommand(hq->Serial(), BuildingType::PowerPlant));
    base.world->Tick(2000);
    ASSERT_TRUE(hq->Slot().IsComplete());

    const std::size_t before = buildings();
    const WorldEvents far = Apply(PlaceCommand(hq->Serial(), ProductFamily::Building, 3000, 0));
    EXPECT_TRUE(Reports(far, WorldEventKind::PlacementRefused, placementNoHeadquarters));
    EXPECT_EQ(buildings(), before);
    EXPECT_TRUE(hq->Slot().active) << "a refused place keeps the product";

    Apply(PlaceCommand(hq->Serial(), ProductFamily::Building, 300, 0));
    EXPECT_EQ(buildings(), before + 1);
    EXPECT_FALSE(hq->Slot().active);
    Apply(PlaceCommand(hq->Serial(), ProductFamily::Building, 300, 300));
    EXPECT_EQ(buildings(), before + 1) << "the product is placed once";

    auto* defence = base.AddBuilding<Defence>(BuildingType::Defense, -200, 0, player);
    Apply(BuildCommand(defence->Serial(), TowerType::DefenseTower, TurretType::Gun1));
    base.world->Tick(3000);
    const int number = base.world->sides[player].nextTowerCallsign;
    Apply(PlaceCommand(defence->Serial(), ProductFamily::Tower, -200, 200));
    ASSERT_EQ(base.Count(KindTower), 1u);
    EXPECT_EQ(base.world->sides[player].nextTowerCallsign, number + 1);
    EXPECT_FALSE(defence->TurretSlot().active);
}

TEST_F(Commands, CancelRefundsEmptyLeavesTheRunningTankOrderAndTheArmorySwitchesItsLine) {
    auto* hq = base.AddBuilding<HQ>(BuildingType::Base, 0, 0, player);
    Apply(BuildCommand(hq->Serial(), BuildingType::PowerPlant));
    const int money = base.Money(player);
    base.world->Tick(300);
    ASSERT_LT(base.Money(player), money);
    Apply(CancelOrderCommand(hq->Serial(), ProductFamily::Building));
    EXPECT_FALSE(hq->Slot().active);
    EXPECT_EQ(base.Money(player), money);

    base.BuildingType(BuildingType::TankFactory);
    auto* factory = base.AddBuilding<TankFactory>(BuildingType::TankFactory, 300, 0, player);
    const TankOrder design{TankType::ScoutTank, TurretType::Gun1, ArmorType::LightArmor, 'b'};
    Apply(OrderTanksCommand(factory->Serial(), design, 3));
    ASSERT_EQ(factory->Orders().size(), 3u);
    EXPECT_EQ(factory->Orders().front().letter, 'b');
    Apply(EmptyQueueCommand(factory->Serial()));
    EXPECT_EQ(factory->Orders().size(), 1u);
    Apply(CancelOrderCommand(factory->Serial(), ProductFamily::Tank));
    EXPECT_TRUE(factory->Orders().empty());
    // The scout carries 20: light armour (10) and a cannon (10) fit exactly, light armour and a heavier
    // cannon (25) do not.
    const TankOrder overloaded{TankType::ScoutTank, TurretType::Cannon2, ArmorType::LightArmor, 0};
    EXPECT_TRUE(Reports(Apply(OrderTanksCommand(factory->Serial(), overloaded, 1)),
                        WorldEventKind::OrderRefused, static_cast<int>(OrderRefusal::TooHeavy)));
    EXPECT_TRUE(Reports(Apply(OrderTanksCommand(factory->Serial(), design, 0)), WorldEventKind::OrderRefused,
                        static_cast<int>(OrderRefusal::BadCount)));
    EXPECT_TRUE(factory->Orders().empty());

    auto* armory = base.AddBuilding<Armory>(BuildingType::Armory, -300, 0, player);
    const bool was = armory->IsProducing(BulletType::TankBullet);
    Apply(ArmoryLineCommand(armory->Serial(), BulletType::TankBullet, !was));
    EXPECT_EQ(armory->IsProducing(BulletType::TankBullet), !was);
}

TEST_F(Commands, DestroyKillsOnlyTheSidesOwnAndACommandNamingAGoneUnitDoesNothing) {
    Tank* tank = AddTank(0, 0);
    Tank* foreign = AddTank(300, 0, enemy);
    const std::uint64_t serial = tank->Serial();
    Apply(DestroyCommand({serial, foreign->Serial()}));
    base.world->Tick(16);
    EXPECT_EQ(base.Count(KindTank), 0u);
    EXPECT_EQ(base.Count(KindTank, enemy), 1u);

    const int money = base.Money(player);
    for (const Command& command :
         {MoveCommand({serial}, 100, 100, false, 1), AttackCommand({serial}, foreign->Serial()),
          StopCommand({serial}), DestroyCommand({serial}), BuildCommand(serial, BuildingType::Mine),
          PlaceCommand(serial, ProductFamily::Building, 0, 0),
          CancelOrderCommand(serial, ProductFamily::Tank),
          ArmoryLineCommand(serial, BulletType::GunBullet, true)}) {
        EXPECT_TRUE(Apply(command).empty()) << static_cast<int>(command.kind);
    }
    EXPECT_EQ(base.Money(player), money);
    EXPECT_EQ(base.Count(KindTank, enemy), 1u);
}

TEST_F(Commands, TheQueueAppliesByStepThenIssueOrderAndKeepsWhatItApplied) {
    Tank* tank = AddTank(0, 0);
    CommandQueue commands;
    Command late = MoveCommand({tank->Serial()}, 900, 0, false, 1);
    late.side = player;
    late.step = 2;
    ASSERT_TRUE(commands.Schedule(late));
    Command first = MoveCommand({tank->Serial()}, 100, 0, false, 1);
    first.side = player;
    commands.Issue(first);
    Command second = MoveCommand({tank->Serial()}, 200, 0, true, 1);
    second.side = player;
    commands.Issue(second);

    StepSimulation(*base.world, commands, 0);
    ASSERT_EQ(tank->brain->Waypoints().size(), 2u) << "both of step 0, in the order issued";
    EXPECT_FLOAT_EQ(tank->brain->Waypoints().front().x, 100);
    EXPECT_FLOAT_EQ(Last(*tank).x, 200);
    StepSimulation(*base.world, commands, 0);
    EXPECT_EQ(tank->brain->Waypoints().size(), 2u);
    StepSimulation(*base.world, commands, 0);
    EXPECT_FLOAT_EQ(Last(*tank).x, 900);
    EXPECT_EQ(tank->brain->Waypoints().size(), 1u);

    EXPECT_FALSE(commands.Schedule(late)) << "step 2 has run";
    ASSERT_EQ(commands.Applied().size(), 3u);
    EXPECT_EQ(commands.Applied()[0].x, 100);
    EXPECT_EQ(commands.Applied()[1].step, 0u);
    EXPECT_EQ(commands.Applied()[2].step, 2u);
    EXPECT_TRUE(commands.Waiting().empty());
}
