// The armory's panel: each button flips its ammunition line, and the stock text tells when the side
// cannot pay.
#include "PanelWorld.h"
#include "world/Armory.h"

#include <gtest/gtest.h>

using namespace Vorn;
using namespace Vorn::MainPanel;
using namespace PanelTest;

namespace {

class ArmoryPanel : public ::testing::Test {
protected:
    ArmoryPanel() {
        armory = base.AddBuilding<Armory>(BuildingType::Armory, 0, 0, PanelWorld::side);
        base.Select(armory);
        base.Update();
    }
    PanelWorld base;
    Armory* armory = nullptr;
};

} // namespace

TEST_F(ArmoryPanel, EachClickFlipsItsLineOnly) {
    EXPECT_EQ(base.panel.Shown(), &base.panel.armoryToolbar);
    EXPECT_TRUE(base.ClickButton(2)) << "an armory's strip answers for itself";
    base.Update();
    EXPECT_TRUE(armory->IsProducing(BulletType::TankBullet));
    EXPECT_FALSE(armory->IsProducing(BulletType::GunBullet));
    base.Press(2);
    EXPECT_FALSE(armory->IsProducing(BulletType::TankBullet));
    base.ClickButton(0);
    base.ClickButton(0);
    base.Update();
    EXPECT_FALSE(armory->IsProducing(BulletType::GunBullet)) << "two clicks flip it twice";
}

// A line the side cannot pay for is the one the player most wants to switch off.
TEST_F(ArmoryPanel, AnArmoryButtonIsNeverDisabled) {
    for (int i = 0; i < ArmoryToolbar::buttonCount; ++i) {
        armory->price[i] = 50;
        base.Press(i);
    }
    base.Money(PanelWorld::side) = 10;
    base.Update();
    for (int i = 0; i < ArmoryToolbar::buttonCount; ++i) {
        ASSERT_EQ(base.panel.armoryToolbar.StockText(i), "0 ...") << "line " << i << " waits for money";
        EXPECT_TRUE(base.panel.armoryToolbar.IsEnabled(i)) << "line " << i;
        base.Press(i);
        EXPECT_FALSE(armory->IsProducing(ArmoryToolbar::KindOf(i))) << "line " << i << " is switched off";
    }
}

TEST_F(ArmoryPanel, TheStockTextShowsDotsWhileALineWaitsForMoney) {
    armory->stock[0] = 7;
    armory->price[0] = 50;
    base.Press(0);
    EXPECT_EQ(base.panel.armoryToolbar.StockText(0), "7 ");
    base.Money(PanelWorld::side) = 10;
    EXPECT_EQ(base.panel.armoryToolbar.StockText(0), "7 ...");
    base.Press(0);
    EXPECT_EQ(base.panel.armoryToolbar.StockText(0), "7 ") << "a line switched off waits for nothing";
}
