// The tank factory's panel: chassis, armour, turret and count into queued orders, the loads that disable
// parts, cancelling and emptying the queue, and two factories side by side.
#include "PanelWorld.h"
#include "world/TankFactory.h"

#include <gtest/gtest.h>

using namespace Vorn;
using namespace Vorn::MainPanel;
using namespace PanelTest;

namespace {

constexpr int scout = 1;
constexpr int heavyChassis = 4;
constexpr int noArmor = 1;
constexpr int lightArmor = 2;
constexpr int heavyArmor = 4;
constexpr int gun1 = 1;
constexpr int cannon1 = 6;
constexpr int count1000 = 9;

class FactoryPanel : public ::testing::Test {
protected:
    FactoryPanel() {
        factory = base.AddBuilding<TankFactory>(BuildingType::TankFactory, 0, 0, PanelWorld::side);
        base.Select(factory);
        base.Update();
    }
    void Design(int chassis, int armor, int turret) {
        base.Press(FactoryToolbar::newTankButton);
        base.Press(chassis);
        base.Press(armor);
        base.Press(turret);
    }
    void Queue(std::size_t n) {
        for (std::size_t i = 0; i < n; ++i)
            factory->QueueOrders({TankType::ScoutTank, TurretType::Gun1, ArmorType::NoArmor, 0}, 1);
    }

    PanelWorld base;
    TankFactory* factory = nullptr;
};

} // namespace

TEST_F(FactoryPanel, ChassisArmourTurretAndCountAppendThatManyOrdersOfTheDesign) {
    EXPECT_EQ(base.panel.Shown(), &base.panel.factoryToolbar);
    base.Press(FactoryToolbar::setGroupButton);
    EXPECT_EQ(base.panel.Shown(), &base.panel.groupsToolbar);
    base.Press(4); // group c
    EXPECT_EQ(factory->panelState.groupLetter, 'c');
    Design(scout, lightArmor, gun1);
    EXPECT_EQ(factory->panelState.step, FactoryPanelStep::Count);
    EXPECT_EQ(base.panel.Shown(), &base.panel.countToolbar);
    base.Press(3); // three tanks
    ASSERT_EQ(factory->Orders().size(), 3u);
    for (const TankOrder& order : factory->Orders()) {
        EXPECT_EQ(order.chassis, TankType::ScoutTank);
        EXPECT_EQ(order.armor, ArmorType::LightArmor);
        EXPECT_EQ(order.turret, TurretType::Gun1);
        EXPECT_EQ(order.letter, 'c');
    }
    EXPECT_EQ(factory->panelState.step, FactoryPanelStep::Queue);
    EXPECT_EQ(base.panel.Shown(), &base.panel.factoryToolbar);
}

TEST_F(FactoryPanel, ChoosingAThousandAppendsAThousandOrdersAtOnce) {
    Design(scout, noArmor, gun1);
    base.Press(count1000);
    EXPECT_EQ(factory->Orders().size(), 1000u);
}

TEST_F(FactoryPanel, BackButtonsStepBackOneChoice) {
    Design(scout, noArmor, gun1);
    base.Press(CountToolbar::backButton);
    EXPECT_EQ(factory->panelState.step, FactoryPanelStep::Turret);
    base.Press(TurretToolbar::backButton);
    EXPECT_EQ(factory->panelState.step, FactoryPanelStep::Armor);
    base.Press(ArmorToolbar::backButton);
    EXPECT_EQ(factory->panelState.step, FactoryPanelStep::Chassis);
    base.Press(ChasisToolbar::backButton);
    EXPECT_EQ(factory->panelState.step, FactoryPanelStep::Queue);
    EXPECT_TRUE(factory->Orders().empty());
}

TEST_F(FactoryPanel, PartsTooHeavyForTheChassisAreDisabledAndCannotBeChosen) {
    base.Press(FactoryToolbar::newTankButton);
    base.Press(scout);
    EXPECT_TRUE(base.panel.armorToolbar.IsEnabled(lightArmor));
    EXPECT_FALSE(base.panel.armorToolbar.IsEnabled(heavyArmor));
    base.Press(heavyArmor);
    EXPECT_EQ(factory->panelState.step, FactoryPanelStep::Armor) << "the overloaded armour was refused";
    base.Press(lightArmor);
    EXPECT_TRUE(base.panel.tankTurretToolbar.IsEnabled(gun1)) << "10 + 4 <= 20";
    EXPECT_TRUE(base.panel.tankTurretToolbar.IsEnabled(cannon1)) << "10 + 10 <= 20";
    EXPECT_FALSE(base.panel.tankTurretToolbar.IsEnabled(7)) << "Cannon2: 10 + 25 > 20";
    base.Press(7);
    EXPECT_EQ(factory->panelState.step, FactoryPanelStep::Turret);
}

TEST_F(FactoryPanel, TwoFactoriesInDifferentStatesNeverShareTheirEnabledParts) {
    auto* heavy = base.AddBuilding<TankFactory>(BuildingType::TankFactory, 500, 0, PanelWorld::side);
    heavy->panelState = {FactoryPanelStep::Turret, 3, 0, 0, 0}; // heavy chassis, choosing a turret
    Design(scout, lightArmor, gun1);
    base.Press(CountToolbar::backButton); // the scout's turret choice
    EXPECT_FALSE(base.panel.tankTurretToolbar.IsEnabled(7));
    base.Select(heavy);
    base.Update();
    EXPECT_TRUE(base.panel.tankTurretToolbar.IsEnabled(7)) << "the heavy chassis carries a Cannon2";
    base.Select(factory);
    base.Update();
    EXPECT_FALSE(base.panel.tankTurretToolbar.IsEnabled(7));
    base.Press(7);
    EXPECT_EQ(factory->panelState.step, FactoryPanelStep::Turret)
        << "no overloaded tank through a stale flag";
}

TEST_F(FactoryPanel, CancelAndEmptyAreEnabledByTheQueue) {
    EXPECT_FALSE(base.panel.factoryToolbar.IsEnabled(FactoryToolbar::cancelButton));
    EXPECT_FALSE(base.panel.factoryToolbar.IsEnabled(FactoryToolbar::emptyButton));
    Queue(1);
    base.Update();
    EXPECT_TRUE(base.panel.factoryToolbar.IsEnabled(FactoryToolbar::cancelButton));
    EXPECT_FALSE(base.panel.factoryToolbar.IsEnabled(FactoryToolbar::emptyButton));
    Queue(2);
    base.Update();
    base.Press(FactoryToolbar::emptyButton);
    ASSERT_EQ(factory->Orders().size(), 1u);
}

TEST_F(FactoryPanel, CancelRemovesTheRunningOrderAndRefundsItsParts) {
    auto& medium = base.records.Add<Constants::TankData>(TankType::MediumTank);
    medium.price = 1000;
    medium.buildTime = 10000;
    medium.maxLoad = 50;
    medium.size = 10;
    factory->QueueOrders({TankType::MediumTank, TurretType::Gun1, ArmorType::NoArmor, 0}, 1);
    Queue(1);
    const int money = base.Money(PanelWorld::side);
    base.world->Tick(1000);
    base.world->Tick(1000);
    ASSERT_LT(base.Money(PanelWorld::side), money);
    base.Update();
    base.ClickButton(FactoryToolbar::cancelButton);
    base.ClickButton(FactoryToolbar::cancelButton);
    base.Update();
    EXPECT_EQ(base.Money(PanelWorld::side), money) << "every part's payments came back, once";
    ASSERT_EQ(factory->Orders().size(), 1u) << "two clicks in one frame cancel one order";
    EXPECT_EQ(factory->Orders().front().chassis, TankType::ScoutTank);
    EXPECT_FALSE(factory->ChassisSlot().active);
}

TEST_F(FactoryPanel, ACancelForAnOrderTheTickFinishedFindsTheQueueEmptyAndDoesNothing) {
    Queue(1);
    base.Update();
    base.ClickButton(FactoryToolbar::cancelButton);
    factory->CancelRunningOrder(); // the tick delivered the tank before the panel's update
    const int money = base.Money(PanelWorld::side);
    base.Update();
    EXPECT_TRUE(factory->Orders().empty());
    EXPECT_EQ(base.Money(PanelWorld::side), money);
    EXPECT_FALSE(base.panel.factoryToolbar.IsEnabled(FactoryToolbar::cancelButton));
}

TEST_F(FactoryPanel, AFactorysClicksAreCountedButLeftToThePanelBand) {
    EXPECT_FALSE(base.ClickButton(FactoryToolbar::newTankButton));
    base.Update();
    EXPECT_EQ(factory->panelState.step, FactoryPanelStep::Chassis);
}
