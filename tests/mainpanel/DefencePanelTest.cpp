// The defence building's panel: tower, turret, landmine and obstacle orders through their states, cancels
// that return to the choice before, and placing what is finished.
#include "PanelWorld.h"
#include "world/Defence.h"
#include "world/HQ.h"
#include "world/Landmine.h"
#include "world/Obstacle.h"
#include "world/Tower.h"

#include <gtest/gtest.h>

using namespace Vorn;
using namespace Vorn::MainPanel;
using namespace PanelTest;

namespace {

constexpr int gun1Button = 1;    // turret button of Gun1 (weight 4)
constexpr int cannon1Button = 6; // Cannon1 (weight 10)
constexpr int cannon2Button = 7; // Cannon2 (weight 25)

class DefencePanel : public ::testing::Test {
protected:
    DefencePanel() {
        defence = base.AddBuilding<Defence>(BuildingType::Defense, 0, 0, PanelWorld::side);
        // Products are put down within reach of a headquarters.
        base.AddBuilding<HQ>(BuildingType::Base, -250, -250, PanelWorld::side);
        base.Select(defence);
        base.Update();
    }
    void FinishAndPutDown(float x, float y) {
        base.TickUntil([&] { return base.panel.placeToolbar.IsEnabled(PlaceToolbar::placeButton); });
        base.Press(PlaceToolbar::placeButton);
        base.overlay.PutDown(x, y);
        base.Update();
    }

    PanelWorld base;
    Defence* defence = nullptr;
};

} // namespace

TEST_F(DefencePanel, ATowerButtonLeadsToItsTurretsAndBackWithoutAnOrder) {
    EXPECT_EQ(base.panel.Shown(), &base.panel.defencesToolbar);
    EXPECT_FALSE(base.ClickButton(2)) << "a defence building's click is counted but not answered";
    base.Update();
    EXPECT_EQ(defence->panelState.step, DefencePanelStep::TurretChoice);
    EXPECT_EQ(defence->panelState.tower, TowerType::DefenseTower);
    EXPECT_EQ(base.panel.Shown(), &base.panel.towerTurretToolbar);
    base.Press(TurretToolbar::backButton);
    EXPECT_EQ(defence->panelState.step, DefencePanelStep::Choice);
    EXPECT_FALSE(defence->TowerSlot().active);
    EXPECT_EQ(base.panel.Shown(), &base.panel.defencesToolbar);
}

TEST_F(DefencePanel, TurretsHeavierThanTheTowersLoadAreDisabledAndCannotBeOrdered) {
    base.Press(0);
    EXPECT_TRUE(base.panel.towerTurretToolbar.IsEnabled(gun1Button));
    EXPECT_TRUE(base.panel.towerTurretToolbar.IsEnabled(cannon1Button)) << "exactly the load fits";
    EXPECT_FALSE(base.panel.towerTurretToolbar.IsEnabled(cannon2Button));
    base.Press(cannon2Button);
    EXPECT_EQ(defence->panelState.step, DefencePanelStep::TurretChoice);
    EXPECT_EQ(defence->panelState.tower, TowerType::SurveilanceTower);
    EXPECT_FALSE(defence->TowerSlot().active);
}

TEST_F(DefencePanel, ATurretChoiceOrdersTowerAndTurretAndCancelReturnsToTheTurretChoice) {
    base.Press(1);
    base.Press(gun1Button);
    EXPECT_EQ(defence->panelState.step, DefencePanelStep::TowerOrder);
    EXPECT_EQ(defence->panelState.tower, TowerType::SupportTower);
    EXPECT_EQ(defence->panelState.turret, TurretType::Gun1);
    EXPECT_TRUE(defence->TowerSlot().active);
    EXPECT_EQ(defence->TowerSlot().type, TowerType::SupportTower);
    EXPECT_EQ(defence->TurretSlot().type, TurretType::Gun1);
    EXPECT_EQ(base.panel.Shown(), &base.panel.placeToolbar);
    base.world->Tick(300);
    const int paid = defence->TowerSlot().paid + defence->TurretSlot().paid;
    ASSERT_GT(paid, 0);
    const int money = base.Money(PanelWorld::side);
    base.Press(PlaceToolbar::cancelButton);
    EXPECT_EQ(defence->panelState.step, DefencePanelStep::TurretChoice);
    EXPECT_EQ(defence->panelState.tower, TowerType::SupportTower);
    EXPECT_EQ(base.Money(PanelWorld::side), money + paid);
    EXPECT_EQ(base.panel.Shown(), &base.panel.towerTurretToolbar);
}

TEST_F(DefencePanel, APlacedTowerGetsItsTurretTheSidesNextCallsignAndThePoint) {
    base.Press(0);
    base.Press(cannon1Button);
    EXPECT_EQ(defence->panelState.step, DefencePanelStep::TowerOrder);
    EXPECT_EQ(defence->panelState.tower, TowerType::SurveilanceTower);
    EXPECT_EQ(defence->panelState.turret, TurretType::Cannon1);
    const int number = base.world->sides[PanelWorld::side].nextTowerCallsign;
    FinishAndPutDown(150, 50);
    ASSERT_EQ(base.Count(KindTower), 1u);
    auto* tower = static_cast<Tower*>(base.world->NearestOfKind(150, 50, 1, KindTower, 7));
    ASSERT_NE(tower, nullptr);
    EXPECT_EQ(tower->type, TowerType::SurveilanceTower);
    EXPECT_EQ(tower->turret->type, TurretType::Cannon1);
    EXPECT_EQ(tower->number, number);
    EXPECT_EQ(base.world->sides[PanelWorld::side].nextTowerCallsign, number + 1);
    EXPECT_EQ(defence->panelState.step, DefencePanelStep::Choice);
    EXPECT_FALSE(defence->TowerSlot().active);
    EXPECT_FALSE(defence->TurretSlot().active);
    ASSERT_EQ(base.overlay.starts.size(), 1u);
    EXPECT_FLOAT_EQ(base.overlay.starts[0].maxBaseDistance, 600) << "the tower's own rules";
    EXPECT_EQ(base.overlay.starts[0].depositRequirement, -1);
}

TEST_F(DefencePanel, LandminesAndObstaclesAreOrderedAndPlacedOnce) {
    base.Press(DefencesToolbar::firstLandmine + 1);
    EXPECT_EQ(defence->panelState.step, DefencePanelStep::LandmineOrder);
    EXPECT_EQ(defence->LandmineSlot().type, LandmineType::LargeLandmine);
    FinishAndPutDown(-100, 0);
    base.Update();
    ASSERT_EQ(base.Count(KindLandmine), 1u);
    EXPECT_EQ(defence->panelState.step, DefencePanelStep::Choice);
    base.Press(DefencesToolbar::firstObstacle + 1);
    EXPECT_EQ(defence->panelState.step, DefencePanelStep::ObstacleOrder);
    EXPECT_EQ(defence->ObstacleSlot().type, ObstacleType::AntitankBlock);
    FinishAndPutDown(0, 120);
    auto* block = dynamic_cast<Obstacle*>(base.world->NearestOfKind(0, 120, 1, KindStatic, 7));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->type, ObstacleType::AntitankBlock);
    EXPECT_FLOAT_EQ(block->size, 10);
}

TEST_F(DefencePanel, ReselectingReturnsToTheStepTheBuildingWasLeftIn) {
    base.Press(2);
    base.overlay.selection.clear();
    base.Update();
    base.Select(defence);
    base.Update();
    EXPECT_EQ(base.panel.Shown(), &base.panel.towerTurretToolbar);
}

TEST_F(DefencePanel, AnOrderWhoseSlotWasEmptiedElsewhereLeavesTheStateUnstuck) {
    base.Press(DefencesToolbar::firstLandmine);
    defence->LandmineSlot().Clear();
    base.Update();
    EXPECT_EQ(defence->panelState.step, DefencePanelStep::Choice);
    EXPECT_EQ(base.panel.Shown(), &base.panel.defencesToolbar);
}
