// The status strip: the destroy button's states, its two-click confirmation, and what it destroys.
#include "interface/StatusStrip.h"
#include "PanelWorld.h"
#include "command/SimulationStep.h"
#include "world/Armor.h"
#include "world/Tank.h"
#include "world/Tower.h"

#include <gtest/gtest.h>

using namespace Vorn;
using namespace Vorn::MainPanel;
using namespace PanelTest;

namespace {

constexpr int screenWidth = 1280;
// The destroy button's centre.
constexpr int destroyX = screenWidth - 138 + 19;
constexpr int destroyY = 26;

class StatusButtons : public ::testing::Test {
protected:
    void Update(unsigned elapsedMs = 16) { strip.Update(elapsedMs, {}); }
    bool ClickDestroy() { return strip.Click(destroyX, destroyY, 0); }
    Tower* AddTower(float x, float y) {
        auto* tower =
            new Tower(base.world.get(), TowerType::DefenseTower, PanelWorld::side, TurretType::Gun1, 1);
        tower->x = x;
        tower->y = y;
        base.world->InsertObject(tower, KindTower);
        return tower;
    }

    PanelWorld base;
    StatusStrip strip{base.overlay, base.messages, base.orders, screenWidth};
};

} // namespace

TEST_F(StatusButtons, TheFirstButtonNeverEnablesAndTheSecondOnlyWithASelection) {
    Update();
    EXPECT_TRUE(strip.First().Disabled());
    EXPECT_TRUE(strip.Second().Disabled());
    EXPECT_FALSE(strip.Third().Disabled());
    EXPECT_FALSE(ClickDestroy());
    base.Select(base.AddTank(0, 0, PanelWorld::side));
    strip.Update(16, {screenWidth - 184 + 10, 20, true});
    EXPECT_TRUE(strip.First().Disabled());
    EXPECT_FALSE(strip.Second().Disabled());
}

TEST_F(StatusButtons, DestroyingNeedsASecondClickWithinTwoSeconds) {
    Tank* tank = base.AddTank(0, 0, PanelWorld::side);
    base.Select(tank);
    Update();
    EXPECT_TRUE(ClickDestroy());
    EXPECT_TRUE(strip.Armed());
    EXPECT_FALSE(base.messages.Text().empty()) << "the player is asked";
    EXPECT_GT(tank->armor->hitPoints, 0);
    Update(2000);
    EXPECT_FALSE(strip.Armed());
    ClickDestroy();
    EXPECT_GT(tank->armor->hitPoints, 0) << "too late: that click only asks again";
    Update(1000);
    ClickDestroy();
    base.commands.ApplyDue(*base.world);
    EXPECT_LE(tank->armor->hitPoints, 0);
}

TEST_F(StatusButtons, EverySelectedBuildingTankAndTowerOfThePlayerIsDestroyedButNoEnemy) {
    Tank* tank = base.AddTank(0, 0, PanelWorld::side);
    Building* building = base.AddBuilding(BuildingType::PowerPlant, 300, 0, PanelWorld::side);
    Tower* tower = AddTower(0, 300);
    Tank* enemy = base.AddTank(600, 0, 2);
    base.overlay.selection = {tank, building, tower, enemy};
    Update();
    ClickDestroy();
    ClickDestroy();
    EXPECT_GT(enemy->armor->hitPoints, 0);
    StepSimulation(*base.world, base.commands, 16);
    EXPECT_EQ(base.Count(KindTank), 0u);
    EXPECT_EQ(base.Count(KindBuilding), 0u);
    EXPECT_EQ(base.Count(KindTower), 0u);
    EXPECT_EQ(base.Count(KindTank, 2), 1u);
}

// A repairer mends every tank near it, itself included, before the world takes out the dead.
TEST_F(StatusButtons, ADestroyedRepairerDiesThoughItHealsItselfInTheSameStep) {
    auto& repairer = base.Turret(TurretType::Repairer, BulletType::GunBullet);
    repairer.repairEffect = 100000;
    repairer.repairRange = 100;
    base.Select(base.AddTank(0, 0, PanelWorld::side, TurretType::Repairer));
    Update();
    ClickDestroy();
    ClickDestroy();
    StepSimulation(*base.world, base.commands, 16);
    EXPECT_EQ(base.Count(KindTank), 0u);
}

TEST_F(StatusButtons, ClicksAreRefusedForOtherButtonsAndTakenOnTheFirstAndThird) {
    base.Select(base.AddTank(0, 0, PanelWorld::side));
    Update();
    EXPECT_FALSE(strip.Click(destroyX, destroyY, 1));
    EXPECT_FALSE(strip.Armed());
    EXPECT_TRUE(strip.Click(screenWidth - 184 + 5, 20, 0));
    EXPECT_TRUE(strip.Click(screenWidth - 46 + 5, 20, 0));
    EXPECT_FALSE(strip.Click(screenWidth - 90, 20, 0)) << "between the buttons";
    EXPECT_FALSE(strip.Armed());
}
