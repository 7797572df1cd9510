// The build info panel: it rises while a placeable order is shown, sinks otherwise, and tells the order.
#include "interface/BuildInfoPanel.h"
#include "PanelWorld.h"
#include "world/HQ.h"

#include <gtest/gtest.h>

using namespace Vorn;
using namespace Vorn::MainPanel;
using namespace PanelTest;

TEST(BuildInfoPanel, StartsUpAndSinksItsFullTravelIn135Milliseconds) {
    BuildInfoPanel panel;
    EXPECT_EQ(panel.Position(), 0);
    EXPECT_FALSE(panel.Raised());
    panel.Update(100);
    EXPECT_FLOAT_EQ(panel.Position(), 60);
    panel.Update(35);
    EXPECT_FLOAT_EQ(panel.Position(), 81);
    panel.Update(1000);
    EXPECT_FLOAT_EQ(panel.Position(), 81);
    panel.Raise();
    panel.Update(135);
    EXPECT_FLOAT_EQ(panel.Position(), 0);
}

TEST(BuildInfoPanel, TellsTheOrdersNamePaymentProgressAndTimeLeft) {
    BuildInfoPanel panel;
    EXPECT_TRUE(panel.Title().empty());
    OrderView order;
    order.shown = true;
    order.name = "Power Plant";
    order.price = 400;
    order.paid = 100;
    order.progress = 0.25f;
    order.buildTimeMs = 20000;
    panel.SetOrder(order);
    EXPECT_EQ(panel.Title(), "Power Plant");
    const auto lines = panel.Lines();
    EXPECT_NE(lines[0].find("100 / 400"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("25%"), std::string::npos) << lines[1];
    EXPECT_NE(lines[2].find("15.0 s"), std::string::npos) << lines[2];
    order.complete = true;
    order.progress = 1;
    panel.SetOrder(order);
    EXPECT_EQ(panel.Lines()[2], Text("buildinfo_ready"));
}

TEST(BuildInfoPanel, ThePanelDescribesTheHeadquartersOrder) {
    PanelWorld base;
    auto* hq = base.AddBuilding<HQ>(BuildingType::Base, 0, 0, PanelWorld::side);
    base.Select(hq);
    base.Update();
    EXPECT_FALSE(base.panel.Order().shown);
    base.Press(5);
    base.world->Tick(500);
    base.Update();
    const OrderView& order = base.panel.Order();
    ASSERT_TRUE(order.shown);
    EXPECT_EQ(order.price, 700);
    EXPECT_EQ(order.paid, hq->Slot().paid);
    EXPECT_FLOAT_EQ(order.progress, hq->Slot().Progress());
    EXPECT_FALSE(order.complete);
}
