// The map overlay: presses become selections and orders, moves keep the group's shape, attacks split by
// range, drags select the player's units, places are judged and confirmed, and the selection never holds
// the dead.
#include "interface/MapOverlay.h"
#include "ai/TankBrain.h"
#include "interface/OrderIssuer.h"
#include "interface/OverlayNames.h"
#include "rules/FowData.h"
#include "rules/TankAIData.h"
#include "scene/Camera.h"
#include "shell/Configuration.h"
#include "tests/interface/FakeOverlayControls.h"
#include "tests/world/BaseWorld.h"
#include "world/Landmark.h"
#include "world/TankFactory.h"
#include "world/Tower.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace Vorn;

namespace {

constexpr int player = 3;
constexpr int enemy = 2;

using FakeControls = GameTest::FakeOverlayControls;

class MapOverlayTest : public ::testing::Test {
protected:
    MapOverlayTest() {
        Zelt::configuration = Zelt::Configuration{};
        Zelt::configuration.screenWidth = 800;
        Zelt::configuration.screenHeight = 600;
        fow.granularity = 32;
        base.world = std::make_unique<World>(8192.0f, 8192.0f, 800, 600, &fow);
        base.world->fog.Reset(player);
        tankAI.waypointCollapseDst = 24;
        base.Turret(TurretType::Gun1, BulletType::GunBullet).engageRange = 100;
        base.Bullet(BulletType::GunBullet);
        camera = std::make_unique<Camera>(8192.0f, 8192.0f);
        auto fake = std::make_unique<FakeControls>();
        controls = fake.get();
        overlay =
            std::make_unique<MapOverlay>(nullptr, base.world.get(), camera.get(), orders, std::move(fake));
        overlay->SetPlayerSide(player);
    }

    Tank* AddTank(float x, float y, int side = player) {
        Tank* tank = base.AddTank(x, y, side);
        tank->brain->SetActive(true);
        return tank;
    }
    Tower* AddTower(float x, float y, int side = player) {
        auto* tower = new Tower(base.world.get(), TowerType::DefenseTower, side, TurretType::Gun1, 1);
        tower->x = x;
        tower->y = y;
        base.world->InsertObject(tower, KindTower);
        return tower;
    }
    // The cursor at the world point (the camera shows the origin at the screen's centre, unzoomed).
    void PointAt(float x, float y, bool leftDown = false) {
        controls->pointer = {static_cast<int>(400 + x), static_cast<int>(300 - y), leftDown, false};
    }
    // A left press, and the start of the next step, which applies the orders it gave.
    void LeftPress(float x, float y) {
        PointAt(x, y, true);
        overlay->PressAt(x, y, 0);
        commands.ApplyDue(*base.world);
    }
    void Reveal(float x, float y, float r) { base.world->fog.RevealFog(x, y, r, player); }
    static TankBrain::Waypoint Last(const Tank& tank) { return tank.brain->Waypoints().back(); }

    WorldTest::BaseWorld base;
    Constants::FowData fow;
    Constants::TankAIData& tankAI = base.records.Add<Constants::TankAIData>(Constants::ConstantId::TankAI);
    std::unique_ptr<Camera> camera;
    FakeControls* controls = nullptr;
    CommandQueue commands;
    OrderIssuer orders{commands};
    std::unique_ptr<MapOverlay> overlay;
};

TEST_F(MapOverlayTest, GroundPressMovesTheSelectedTanksKeepingTheirShapeAsTheModifiersStretchIt) {
    Tank* left = AddTank(-20, 0);
    Tank* right = AddTank(20, 10);
    LeftPress(500, 500);
    EXPECT_TRUE(left->brain->Waypoints().empty()) << "nothing selected: a press on the ground does nothing";

    overlay->Select({left, right});
    const struct {
        std::set<std::string> held;
        float spread;
    } cases[] = {{{}, 1},
                 {{"move_disperse_mod"}, 2},
                 {{"move_gather_mod"}, 0.5f},
                 {{"move_disperse_mod", "move_gather_mod"}, 1}};
    for (const auto& modifiers : cases) {
        controls->held = modifiers.held;
        LeftPress(1000, 2000);
        // The centre of the box around the two is (0, 5).
        EXPECT_FLOAT_EQ(Last(*left).x, 1000 - 20 * modifiers.spread);
        EXPECT_FLOAT_EQ(Last(*left).y, 2000 - 5 * modifiers.spread);
        EXPECT_FLOAT_EQ(Last(*right).x, 1000 + 20 * modifiers.spread);
        EXPECT_FLOAT_EQ(Last(*right).y, 2000 + 5 * modifiers.spread);
        EXPECT_EQ(left->brain->Waypoints().size(), 1u) << "a plain move replaces the route";
    }
}

TEST_F(MapOverlayTest, QueuedMovesAppendAndMergeWithANearLastWaypoint) {
    Tank* tank = AddTank(0, 0);
    overlay->Select({tank});
    LeftPress(1000, 0);
    controls->held = {"next_waypoint_mod"};
    LeftPress(1000, 1000);
    ASSERT_EQ(tank->brain->Waypoints().size(), 2u);
    LeftPress(1010, 1010);
    ASSERT_EQ(tank->brain->Waypoints().size(), 2u)
        << "within the collapse distance the last point is replaced";
    EXPECT_FLOAT_EQ(Last(*tank).x, 1010);
    controls->held.clear();
    LeftPress(-500, 0);
    EXPECT_EQ(tank->brain->Waypoints().size(), 1u);
}

TEST_F(MapOverlayTest, AttackFiresInRangeDrivesOutOfRangeTanksAroundTheTargetAndLeavesFarTowers) {
    Tank* target = AddTank(0, 0, enemy);
    Tank* near = AddTank(60, 0);
    Tank* far = AddTank(60, 1000);
    Tower* farTower = AddTower(-60, 2000);
    overlay->Select({near, far, farTower});
    const float centreX = 0;
    const float centreY = 1000;
    LeftPress(0, 0);

    EXPECT_EQ(near->turret->brain.Target(), target);
    EXPECT_EQ(far->turret->brain.Target(), nullptr);
    ASSERT_EQ(far->brain->Waypoints().size(), 1u);
    const float offsetX = far->x - centreX;
    const float offsetY = far->y - centreY;
    const float ratio = far->turret->brain.range / std::hypot(offsetX, offsetY);
    const float share = (Last(*far).x - target->x) / offsetX;
    EXPECT_GE(share, 0.25f * ratio);
    EXPECT_LE(share, 0.75f * ratio);
    EXPECT_NEAR(Last(*far).y - target->y, share * offsetY, 1e-3f);
    EXPECT_EQ(farTower->turret->brain.Target(), nullptr);
}

TEST_F(MapOverlayTest, DragSelectsThePlayersTanksThenTowersInsideButAShortDragKeepsTheSelection) {
    Tank* inside = AddTank(50, 50);
    Tower* tower = AddTower(80, 20);
    Tank* outside = AddTank(300, 300);
    AddTank(60, 60, enemy);
    base.BuildingType(BuildingType::PowerPlant);
    base.AddBuilding(BuildingType::PowerPlant, 30, 70, player);
    overlay->Select({outside});

    LeftPress(0, 0);
    PointAt(6, 4, true);
    overlay->Update(16);
    ASSERT_EQ(overlay->Selection().size(), 1u) << "a drag of half-length 4 or less selects nothing";
    EXPECT_EQ(overlay->Selection().front(), outside);

    PointAt(100, 100, true);
    overlay->Update(16);
    EXPECT_EQ(overlay->Selection(), (std::vector<Object*>{inside, tower}));
    EXPECT_TRUE(overlay->Dragging());
    PointAt(100, 100, false);
    overlay->Update(16);
    EXPECT_FALSE(overlay->Dragging());
    PointAt(400, 400, false);
    overlay->Update(16);
    EXPECT_EQ(overlay->SelectionCount(), 2u) << "once the button is up the drag is over";
}

TEST_F(MapOverlayTest, DragsAndGroupsTakeEveryUnitTheyCover) {
    std::vector<Object*> many;
    for (int i = 0; i < 300; ++i) {
        many.push_back(AddTank(static_cast<float>(i % 20) * 15, static_cast<float>(i / 20) * 15));
    }
    LeftPress(-10, -10);
    PointAt(320, 230, true);
    overlay->Update(16);
    EXPECT_EQ(overlay->SelectionCount(), many.size());
    PointAt(320, 230, false);
    overlay->Update(16);

    controls->held = {"group_store_mod"};
    controls->presses["group_1"] = 1;
    overlay->Update(16);
    controls->held.clear();
    overlay->Select({});
    controls->presses["group_1"] = 1;
    overlay->Update(16);
    EXPECT_EQ(overlay->SelectionCount(), many.size());
}

TEST_F(MapOverlayTest, ADestroyedUnitLeavesTheSelectionAtTheNextUpdateEvenWhilePlacing) {
    Tank* doomed = AddTank(0, 0);
    Tank* kept = AddTank(40, 0);
    overlay->Select({doomed, kept});
    overlay->StartPlacement(500, 100, 20, false, -1);
    doomed->armor->hitPoints = 0;
    base.world->Tick(16);
    // A new unit may be built where the dead one lived; it must not pass for it.
    Tank* newcomer = AddTank(0, 0);
    overlay->Update(16);
    EXPECT_EQ(overlay->Selection(), std::vector<Object*>{kept});
    (void)newcomer;
}

TEST_F(MapOverlayTest, PlacementIsJudgedByFogRoomEnemiesHeadquartersSecurityAndDeposit) {
    base.BuildingType(BuildingType::Base);
    base.AddBuilding(BuildingType::Base, 0, 0, player);
    overlay->StartPlacement(400, 150, 20, false, -1);
    PointAt(200, 0);
    overlay->Update(16);
    EXPECT_EQ(overlay->Status(), placementUnexplored) << "free but unexplored";

    Reveal(0, 0, 2000);
    overlay->Update(16);
    EXPECT_EQ(overlay->Status(), placementAllowed);
    PointAt(10, 10);
    overlay->Update(16);
    EXPECT_EQ(overlay->Status(), placementOccupied);
    PointAt(600, 0);
    overlay->Update(16);
    EXPECT_EQ(overlay->Status(), placementNoHeadquarters);
    Tank* intruder = AddTank(300, 100, enemy);
    PointAt(200, 0);
    overlay->Update(16);
    EXPECT_EQ(overlay->Status(), placementEnemyNear);
    base.world->EraseObject(intruder, KindTank);
    delete intruder;

    overlay->StartPlacement(400, 150, 20, true, -1);
    for (int i = 0; i < 3; ++i) {
        AddTank(200 + 25.0f * i, 80);
    }
    overlay->Update(16);
    EXPECT_EQ(overlay->Status(), placementNotSecured) << "three tanks do not secure the area";
    AddTank(275, 80);
    overlay->Update(16);
    EXPECT_EQ(overlay->Status(), placementAllowed);

    overlay->StartPlacement(400, 150, 40, false, 0);
    auto* deposit = new Landmark(base.world.get(), LandmarkType::Deposit, 221, 0, 0, 0);
    base.world->InsertObject(deposit, KindLandmark);
    overlay->Update(16);
    EXPECT_EQ(overlay->Status(), placementNoDeposit) << "21 units away is beyond half the size";
    PointAt(202, 0);
    overlay->Update(16);
    EXPECT_EQ(overlay->Status(), placementAllowed);
}

TEST_F(MapOverlayTest, AConfirmIsTakenOnlyOffThePanelsAtAPointThatPassesAgain) {
    base.BuildingType(BuildingType::Base);
    base.AddBuilding(BuildingType::Base, 0, 0, player);
    Reveal(0, 0, 2000);
    overlay->StartPlacement(400, 150, 20, false, -1);
    PointAt(200, 0);
    overlay->Update(16);
    ASSERT_EQ(overlay->Status(), placementAllowed);

    controls->pointer.overPanel = true;
    overlay->PressAt(-300, -300, 0);
    EXPECT_FALSE(overlay->PlacementConfirmed()) << "the minimap forwards presses, but never places";
    // The cursor moved onto the headquarters after the last update.
    PointAt(5, 5, true);
    overlay->PressAt(5, 5, 0);
    EXPECT_FALSE(overlay->PlacementConfirmed());
    EXPECT_EQ(overlay->Status(), placementOccupied);
    EXPECT_TRUE(overlay->Placing());

    PointAt(200, 0);
    overlay->Update(16);
    overlay->PressAt(200, 0, 0);
    EXPECT_TRUE(overlay->PlacementConfirmed());
    EXPECT_FLOAT_EQ(overlay->PlacementX(), 200);
    EXPECT_FALSE(overlay->Placing());

    overlay->StartPlacement(400, 150, 20, false, -1);
    overlay->PressAt(200, 0, 1);
    EXPECT_TRUE(overlay->PlacementCancelled());
    EXPECT_FALSE(overlay->Placing());
}

TEST_F(MapOverlayTest, TheCursorTellsWhatAPressWouldDo) {
    Reveal(0, 0, 2000);
    Tank* own = AddTank(0, 0);
    AddTank(200, 0, enemy);
    base.BuildingType(BuildingType::Base);
    Building* headquarters = base.AddBuilding(BuildingType::Base, -200, 0, player);
    const auto cursorAt = [&](float x, float y) {
        PointAt(x, y);
        overlay->Update(16);
        return overlay->CursorName();
    };
    EXPECT_EQ(cursorAt(200, 0), "default") << "nothing selected";
    EXPECT_EQ(cursorAt(0, 0), "select");
    overlay->Select({own});
    EXPECT_EQ(cursorAt(200, 0), "attack");
    EXPECT_EQ(cursorAt(500, 500), "move");
    overlay->Select({headquarters});
    EXPECT_EQ(cursorAt(200, 0), "default") << "a building alone attacks nothing";
    EXPECT_EQ(cursorAt(500, 500), "default");
    EXPECT_EQ(cursorAt(0, 0), "select");
    controls->pointer.overPanel = true;
    overlay->Select({own});
    overlay->Update(16);
    EXPECT_EQ(overlay->CursorName(), "default");
}

TEST_F(MapOverlayTest, PressesOnOwnUnitsSelectToggleAndGatherTheirTypeOnADoublePress) {
    Tank* first = AddTank(0, 0);
    Tank* second = AddTank(100, 0);
    Tank* offScreen = AddTank(3000, 0);
    AddTower(-100, 0);
    LeftPress(0, 0);
    EXPECT_EQ(overlay->Selection(), std::vector<Object*>{first});
    controls->held = {"select_toggle_mod"};
    LeftPress(100, 0);
    EXPECT_EQ(overlay->Selection(), (std::vector<Object*>{first, second}));
    LeftPress(0, 0);
    EXPECT_EQ(overlay->Selection(), std::vector<Object*>{second});
    controls->held.clear();

    LeftPress(0, 0);
    overlay->Update(400);
    LeftPress(0, 0);
    EXPECT_EQ(overlay->SelectionCount(), 1u) << "too slow for a double press";
    overlay->Update(200);
    LeftPress(0, 0);
    EXPECT_EQ(overlay->SelectionCount(), 2u) << "the tanks on the screen, not the tower";
    EXPECT_FALSE(std::count(overlay->Selection().begin(), overlay->Selection().end(), offScreen));
    overlay->PressAt(0, 0, 1);
    EXPECT_EQ(overlay->SelectionCount(), 0u);
}

TEST_F(MapOverlayTest, GroupsStopAndRallyPointsFollowTheirKeys) {
    Tank* a = AddTank(1000, 1000);
    Tank* b = AddTank(1100, 1000);
    overlay->Select({a, b});
    controls->held = {"group_store_mod"};
    controls->presses["group_2"] = 1;
    overlay->Update(16);
    controls->held.clear();
    overlay->Select({});
    b->armor->hitPoints = 0;
    base.world->Tick(16);
    controls->presses["group_2"] = 1;
    overlay->Update(16);
    EXPECT_EQ(overlay->Selection(), std::vector<Object*>{a}) << "the dead leave the group";
    EXPECT_FLOAT_EQ(camera->CentreX(), 0);
    controls->presses["group_2"] = 1;
    overlay->Update(100);
    EXPECT_FLOAT_EQ(camera->CentreX(), 1000) << "a second recall in quick succession centres the view";

    LeftPress(-500, 0);
    ASSERT_FALSE(a->brain->Waypoints().empty());
    controls->presses["stop"] = 1;
    overlay->Update(16);
    commands.ApplyDue(*base.world);
    EXPECT_TRUE(a->brain->Waypoints().empty());

    base.BuildingType(BuildingType::TankFactory);
    auto* factory = base.AddBuilding<TankFactory>(BuildingType::TankFactory, -200, -200, player);
    ASSERT_NE(factory, nullptr);
    LeftPress(-200, -200);
    EXPECT_EQ(overlay->FirstSelectedBuilding(), factory);
    EXPECT_FALSE(factory->HasRallyPoint());
    LeftPress(-300, -100);
    ASSERT_TRUE(factory->HasRallyPoint());
    EXPECT_FLOAT_EQ(factory->RallyX(), -300);
    EXPECT_FLOAT_EQ(factory->RallyY(), -100);
}

} // namespace

namespace {

TEST_F(MapOverlayTest, APressIssuesItsOrderForTheNextStepAndChangesNothingBeforeThen) {
    Tank* tank = AddTank(0, 0);
    Tank* target = AddTank(0, 50, enemy);
    overlay->Select({tank});
    controls->held = {"next_waypoint_mod", "move_disperse_mod"};
    PointAt(700, 0, true);
    overlay->PressAt(700, 0, 0);
    EXPECT_TRUE(tank->brain->Waypoints().empty()) << "input never edits a route itself";
    ASSERT_EQ(commands.Waiting().size(), 1u);
    const Command& move = commands.Waiting().front();
    EXPECT_EQ(move.kind, CommandKind::Move);
    EXPECT_EQ(move.side, player);
    EXPECT_EQ(move.step, commands.NextStep());
    EXPECT_EQ(move.units, std::vector<std::uint64_t>{tank->Serial()});
    EXPECT_TRUE(move.queued);
    EXPECT_FLOAT_EQ(move.spread, 2);

    controls->held.clear();
    PointAt(0, 50, true);
    overlay->PressAt(0, 50, 0);
    EXPECT_EQ(tank->turret->brain.Target(), nullptr);
    ASSERT_EQ(commands.Waiting().size(), 2u);
    EXPECT_EQ(commands.Waiting().back().kind, CommandKind::Attack);
    EXPECT_EQ(commands.Waiting().back().target, target->Serial());
    commands.ApplyDue(*base.world);
    EXPECT_EQ(tank->turret->brain.Target(), target) << "the attack follows the move in the same step";
    EXPECT_EQ(tank->brain->Waypoints().size(), 1u);
}

} // namespace
