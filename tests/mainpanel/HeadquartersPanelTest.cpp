// The headquarters' panel: ordering a building, cancelling it with its refund, placing it once finished,
// and the clicks that arrive after the order changed under them.
#include "PanelWorld.h"
#include "world/HQ.h"

#include <gtest/gtest.h>

using namespace Vorn;
using namespace Vorn::MainPanel;
using namespace PanelTest;

namespace {

constexpr int powerPlantButton = 5;
constexpr int mineButton = 6;

class HeadquartersPanel : public ::testing::Test {
protected:
    HeadquartersPanel() {
        hq = base.AddBuilding<HQ>(BuildingType::Base, 0, 0, PanelWorld::side);
        base.Select(hq);
        base.Update();
    }
    void OrderPowerPlant() {
        base.Press(powerPlantButton);
        ASSERT_TRUE(hq->Slot().active);
    }
    void FinishOrder() {
        base.TickUntil([&] { return hq->Slot().IsComplete(); });
        ASSERT_TRUE(hq->Slot().IsComplete());
    }
    std::size_t Buildings() { return base.Count(KindBuilding); }

    PanelWorld base;
    HQ* hq = nullptr;
};

} // namespace

TEST_F(HeadquartersPanel, AButtonStartsAnOrderOfItsBuildingTypeAndShowsThePlaceToolbar) {
    EXPECT_EQ(base.panel.Shown(), &base.panel.hqToolbar);
    EXPECT_TRUE(base.ClickButton(powerPlantButton)) << "an HQ's strip answers for itself";
    EXPECT_FALSE(hq->Slot().active) << "a click acts in the next update";
    base.Update();
    ASSERT_TRUE(hq->Slot().active);
    EXPECT_EQ(hq->Slot().type, BuildingType::PowerPlant);
    EXPECT_EQ(hq->Slot().price, 700);
    EXPECT_EQ(base.panel.Shown(), &base.panel.placeToolbar);
    EXPECT_FALSE(base.panel.placeToolbar.IsEnabled(PlaceToolbar::placeButton));
    EXPECT_TRUE(base.panel.Order().shown);
    EXPECT_EQ(base.panel.Order().product, "PowerPlant");
}

TEST_F(HeadquartersPanel, PlaceIsEnabledOnceCompleteAndStartsPlacingWithTheTypesRules) {
    OrderPowerPlant();
    base.Press(PlaceToolbar::placeButton);
    EXPECT_TRUE(base.overlay.starts.empty()) << "not while the building is unfinished";
    FinishOrder();
    EXPECT_TRUE(base.panel.placeToolbar.IsEnabled(PlaceToolbar::placeButton));
    EXPECT_NE(base.messages.Text().find("ready"), std::string::npos) << base.messages.Text();
    base.Press(PlaceToolbar::placeButton);
    ASSERT_EQ(base.overlay.starts.size(), 1u);
    EXPECT_FLOAT_EQ(base.overlay.starts[0].maxBaseDistance, 700);
    EXPECT_FLOAT_EQ(base.overlay.starts[0].minEnemyDistance, 250);
    EXPECT_FLOAT_EQ(base.overlay.starts[0].size, 20);
    EXPECT_EQ(base.overlay.starts[0].depositRequirement, -1);
}

TEST_F(HeadquartersPanel, AMineMustStandOnADeposit) {
    base.Press(mineButton);
    FinishOrder();
    base.Press(PlaceToolbar::placeButton);
    ASSERT_EQ(base.overlay.starts.size(), 1u);
    EXPECT_EQ(base.overlay.starts[0].depositRequirement, 0);
}

TEST_F(HeadquartersPanel, APutDownCreatesExactlyOneBuildingAtThePointAndFreesTheHeadquarters) {
    OrderPowerPlant();
    FinishOrder();
    base.Press(PlaceToolbar::placeButton);
    const std::size_t before = Buildings();
    base.overlay.PutDown(300, -200);
    base.Update();
    base.Update();
    ASSERT_EQ(Buildings(), before + 1);
    EXPECT_FALSE(hq->Slot().active);
    EXPECT_EQ(base.panel.Shown(), &base.panel.hqToolbar);
    Object* plant = base.world->NearestOfKind(300, -200, 1, KindBuilding, 7);
    ASSERT_NE(plant, nullptr);
    EXPECT_EQ(static_cast<Building*>(plant)->type, BuildingType::PowerPlant);
    EXPECT_EQ(plant->side, PanelWorld::side);
}

TEST_F(HeadquartersPanel, CancelRefundsWhatWasPaidOnceHoweverOftenItIsClicked) {
    OrderPowerPlant();
    base.world->Tick(500);
    const int paid = hq->Slot().paid;
    ASSERT_GT(paid, 0);
    const int money = base.Money(PanelWorld::side);
    base.ClickButton(PlaceToolbar::cancelButton);
    base.ClickButton(PlaceToolbar::cancelButton);
    base.Update();
    base.Update();
    EXPECT_EQ(base.Money(PanelWorld::side), money + paid);
    EXPECT_FALSE(hq->Slot().active);
    EXPECT_EQ(base.panel.Shown(), &base.panel.hqToolbar);
}

TEST_F(HeadquartersPanel, CancellingWhilePlacingStopsThePlacingAndAPutDownAfterwardsCreatesNothing) {
    OrderPowerPlant();
    FinishOrder();
    base.Press(PlaceToolbar::placeButton);
    ASSERT_TRUE(base.overlay.placing);
    base.Press(PlaceToolbar::cancelButton);
    EXPECT_FALSE(base.overlay.placing);
    const std::size_t before = Buildings();
    base.overlay.confirmed = true; // a late put-down
    base.Update();
    EXPECT_EQ(Buildings(), before);
}

TEST_F(HeadquartersPanel, ABuildingNoLongerShownStopsItsPlacing) {
    OrderPowerPlant();
    FinishOrder();
    base.Press(PlaceToolbar::placeButton);
    base.overlay.selection.clear();
    base.Update();
    EXPECT_FALSE(base.overlay.placing);
    EXPECT_EQ(base.panel.Shown(), nullptr);
    base.Select(hq);
    base.overlay.confirmed = true;
    base.Update();
    EXPECT_TRUE(hq->Slot().active) << "the order waits to be placed again";
}

TEST_F(HeadquartersPanel, ClicksLeftOnAHiddenToolbarDoNotActLater) {
    base.ClickButton(powerPlantButton);
    base.overlay.selection.clear();
    base.Update();
    base.Select(hq);
    base.Update();
    EXPECT_FALSE(hq->Slot().active);
}

TEST_F(HeadquartersPanel, ANonLeftButtonIsRefusedAndNothingIsCounted) {
    Toolbar* shown = base.panel.Shown();
    const int x = shown->X() + Toolbar::firstButtonOffset + 72 * powerPlantButton + 32;
    EXPECT_FALSE(base.panel.Click(x, 40, 1));
    EXPECT_FALSE(base.panel.Click(x, 40, -1));
    base.Update();
    EXPECT_FALSE(hq->Slot().active);
}

TEST_F(HeadquartersPanel, RunningOutOfMoneyIsReported) {
    OrderPowerPlant();
    base.Money(PanelWorld::side) = 5;
    base.Tick(100);
    EXPECT_NE(base.messages.Text().find(Text("msg_no_money")), std::string::npos);
    base.messages.Post("");
    base.Tick(100);
    EXPECT_TRUE(base.messages.Text().empty()) << "told once until the side has money again";
}

TEST_F(HeadquartersPanel, TheTooltipTellsThePriceAndWhyProductionWaits) {
    base.Money(PanelWorld::side) = 10;
    base.panel.Update(16, {base.layout.ToolbarX() + 24 + 72 * powerPlantButton + 10, 30, false});
    const std::string tip = base.panel.Tooltip();
    EXPECT_NE(tip.find("700"), std::string::npos) << tip;
    EXPECT_NE(tip.find(Text("tip_no_money")), std::string::npos) << tip;
}
