// The world's spatial questions.
#include "world/World.h"

#include "WorldTestObjects.h"
#include "world/Obstacle.h"

#include <gtest/gtest.h>

using namespace Vorn;
using namespace WorldTest;

TEST(SegmentPassesWithin, UsesTheStartBeforeTheSegment) {
    // The point lies behind S: only its distance to S counts.
    EXPECT_TRUE(SegmentPassesWithin(0, 0, 100, 0, -3, 4, 5));
    EXPECT_FALSE(SegmentPassesWithin(0, 0, 100, 0, -3, 4, 4.9f));
}

TEST(SegmentPassesWithin, UsesTheEndBeyondTheSegment) {
    EXPECT_TRUE(SegmentPassesWithin(0, 0, 100, 0, 103, 4, 5));
    EXPECT_FALSE(SegmentPassesWithin(0, 0, 100, 0, 103, 4, 4.9f));
}

TEST(SegmentPassesWithin, UsesThePerpendicularAlongTheSegment) {
    EXPECT_TRUE(SegmentPassesWithin(0, 0, 100, 0, 50, 5, 5));
    EXPECT_FALSE(SegmentPassesWithin(0, 0, 100, 0, 50, 5.1f, 5));
    // A segment of no length is its start point.
    EXPECT_TRUE(SegmentPassesWithin(7, 7, 7, 7, 10, 11, 5));
}

class WorldQueries : public ::testing::Test {
protected:
    World world{4096, 4096, 800, 600};
};

TEST_F(WorldQueries, RefileMovesBetweenCellsAndFailsForAnObjectNotWhereItSays) {
    Tank* tank = MakeTank(200, 0, 1);
    world.InsertObject(tank, KindTank);
    ASSERT_TRUE(world.RefileObject(tank, KindTank, 600, 0));
    EXPECT_EQ(tank->x, 600);
    EXPECT_EQ(*world.Objects(1, KindTank).FindCell(600, 0), std::vector<Object*>{tank});
    EXPECT_TRUE(world.Objects(1, KindTank).FindCell(200, 0)->empty());

    tank->x = 2000; // no longer where it is filed
    EXPECT_FALSE(world.RefileObject(tank, KindTank, 3000, 0));
    EXPECT_EQ(tank->x, 2000);
    EXPECT_EQ(world.Objects(1, KindTank).FindCell(3000, 0), nullptr);
    tank->x = 600;
}

TEST_F(WorldQueries, PlaceIsTakenUpToAndIncludingTheTouchingDistance) {
    world.InsertObject(MakeTank(100, 0, 2, 10), KindTank);
    EXPECT_FALSE(world.IsPlaceFree(80, 0, 10, nullptr));
    EXPECT_TRUE(world.IsPlaceFree(79, 0, 10, nullptr));
    auto* pebble = new Obstacle(ObstacleType::Stone, nullptr);
    pebble->x = 300;
    pebble->size = 0.005f; // too small to block
    world.InsertObject(pebble, KindStatic);
    EXPECT_TRUE(world.IsPlaceFree(300, 0, 10, nullptr));
}

TEST_F(WorldQueries, PlaceIgnoresTheObjectAskingAndLandminesAndLandmarks) {
    Tank* tank = MakeTank(100, 0, 2);
    world.InsertObject(tank, KindTank);
    EXPECT_TRUE(world.IsPlaceFree(100, 0, 10, tank));
    auto* mine = new Obstacle(ObstacleType::Stone, nullptr); // filed as a landmine: does not block
    mine->size = 10;
    world.InsertObject(mine, KindLandmine);
    EXPECT_TRUE(world.IsPlaceFree(0, 0, 10, nullptr));
}

TEST_F(WorldQueries, MovingIsBlockedWhenThePathPassesAnotherObject) {
    Tank* mover = MakeTank(0, 0, 3);
    world.InsertObject(mover, KindTank);
    world.InsertObject(MakeTower(100, 0, 1, 10), KindTower);
    EXPECT_FALSE(world.CanMoveTo(mover, 120, 0, 5));
    EXPECT_TRUE(world.CanMoveTo(mover, 0, 120, 5));
    EXPECT_TRUE(world.CanMoveTo(mover, 1, 0, 5)); // the mover never blocks itself
}

TEST_F(WorldQueries, FirstHitOnSegmentTakesTheFirstInQueryOrder) {
    Tank* near = MakeTank(50, 0, 1, 5);
    Tank* far = MakeTank(80, 0, 1, 5);
    world.InsertObject(near, KindTank);
    world.InsertObject(far, KindTank);
    EXPECT_EQ(world.FirstHitOnSegment(0, 0, 100, 0, 0, 1, KindTank, nullptr), near);
    EXPECT_EQ(world.FirstHitOnSegment(0, 0, 100, 0, 0, 1, KindTank, near), far);
    EXPECT_EQ(world.FirstHitOnSegment(0, 20, 100, 20, 0, 1, KindTank, nullptr), nullptr);
    EXPECT_EQ(world.FirstHitOnSegment(0, 20, 100, 20, 15, 1, KindTank, nullptr), near);
    EXPECT_EQ(world.FirstHitOnSegment(0, 0, 100, 0, 0, 2, KindTank, nullptr), nullptr);
}

TEST_F(WorldQueries, NearestEnemyPrefersTheTowerOnATie) {
    world.InsertObject(MakeTank(100, 0, 1, 10), KindTank);
    Tower* tower = MakeTower(0, 100, 2, 10);
    world.InsertObject(tower, KindTower);
    EXPECT_EQ(world.FindNearestEnemy(0, 0, 500, 3), tower);
}

TEST_F(WorldQueries, NearestEnemyComparesCentresBetweenTankAndTower) {
    Tank* tank = MakeTank(100, 0, 1, 10);
    world.InsertObject(tank, KindTank);
    // The tower's edge is nearer, but its centre is farther.
    world.InsertObject(MakeTower(0, 101, 2, 40), KindTower);
    EXPECT_EQ(world.FindNearestEnemy(0, 0, 500, 3), tank);
}

TEST_F(WorldQueries, NearestEnemyFallsBackToBuildingsAndSkipsItsOwnSide) {
    const auto record = BuildingRecord(100, 0, 0);
    world.InsertObject(MakeTank(50, 0, 3), KindTank);
    Building* building = MakeBuilding(0, 200, 4, BuildingType::Mine, &record);
    world.InsertObject(building, KindBuilding);
    EXPECT_EQ(world.FindNearestEnemy(0, 0, 500, 3), building);
    EXPECT_EQ(world.FindNearestEnemy(0, 0, 150, 3), nullptr); // the building's edge is 180 away
    EXPECT_EQ(world.FindNearestEnemy(0, 0, 500, 4), world.Objects(3, KindTank).QueryRange(50, 0, 1).front());
}

TEST_F(WorldQueries, PoweredOnlyWithAPowerPlantOfTheSameSideInRange) {
    const auto needsPower = BuildingRecord(100, 0, 300);
    const auto plantRecord = BuildingRecord(100, 0, 0);
    Building* factory = MakeBuilding(0, 0, 3, BuildingType::TankFactory, &needsPower);
    world.InsertObject(factory, KindBuilding);
    EXPECT_FALSE(world.IsPowered(*factory));

    world.InsertObject(MakeBuilding(200, 0, 4, BuildingType::PowerPlant, &plantRecord), KindBuilding);
    EXPECT_FALSE(world.IsPowered(*factory)) << "another side's plant";
    world.InsertObject(MakeBuilding(300, 0, 3, BuildingType::PowerPlant, &plantRecord), KindBuilding);
    EXPECT_FALSE(world.IsPowered(*factory)) << "exactly at the range is out of it";
    world.InsertObject(MakeBuilding(0, -299, 3, BuildingType::PowerPlant, &plantRecord), KindBuilding);
    EXPECT_TRUE(world.IsPowered(*factory));

    const auto noPowerNeeded = BuildingRecord(100, 0, 0.1f);
    Building* mine = MakeBuilding(3000, 3000, 3, BuildingType::Mine, &noPowerNeeded);
    world.InsertObject(mine, KindBuilding);
    EXPECT_TRUE(world.IsPowered(*mine));
}

TEST_F(WorldQueries, FindByCallsignMatchesLetterAndNumberOverAllSides) {
    Tank* alpha = MakeTank(0, 0, 2);
    alpha->letter = 'A';
    alpha->number = 7;
    Tank* other = MakeTank(50, 0, 5);
    other->letter = 'A';
    other->number = 8;
    world.InsertObject(other, KindTank);
    world.InsertObject(alpha, KindTank);
    Tank wanted(nullptr, TankType::LightTank, 0, 7, ArmorType::NoArmor, TurretType::Gun1);
    wanted.letter = 'A';
    EXPECT_EQ(world.FindByCallsign(wanted, KindTank), alpha);
    EXPECT_EQ(world.FindByCallsign(wanted, KindTower), nullptr);
    wanted.letter = 'B';
    EXPECT_EQ(world.FindByCallsign(wanted, KindTank), nullptr);
}

TEST_F(WorldQueries, SideNamesMatchIgnoringCase) {
    EXPECT_EQ(SideOfName("Neutral"), 0);
    EXPECT_EQ(SideOfName("bLuE"), 3);
    EXPECT_EQ(SideOfName("magenta"), 6);
    EXPECT_EQ(SideOfName("Purple"), noSide);
    EXPECT_EQ(SideOfName(""), noSide);
}

// A large object whose centre lies in the next cell still blocks, is hit and is found: every query reaches
// the largest object radius beyond what it asks.
TEST_F(WorldQueries, BlockersAcrossACellBorderAreSeenByEveryQuery) {
    const auto record = BuildingRecord(100, 0, 0);
    Building* hall = MakeBuilding(260, 0, 2, BuildingType::Base, &record);
    hall->size = 40;
    world.InsertObject(hall, KindBuilding);
    // (240, 0) lies in cell 0, the hall's centre in cell 1.
    EXPECT_FALSE(world.IsPlaceFree(240, 0, 10, nullptr));
    Tank* mover = MakeTank(100, 0, 3);
    world.InsertObject(mover, KindTank);
    EXPECT_FALSE(world.CanMoveTo(mover, 240, 0, 10));
    EXPECT_EQ(world.FirstHitOnSegment(200, 0, 240, 0, 0, 2, KindBuilding, nullptr), hall);
    // And a place just beyond its reach is free.
    EXPECT_TRUE(world.IsPlaceFree(209, 0, 10, nullptr));
    EXPECT_TRUE(world.CanMoveTo(mover, 150, 0, 10));
}

// The way from the mover to the point crosses a cell border, and the blocker stands just behind it, in a
// cell that neither end's own surroundings reach: it blocks all the same, whichever way the tank drives.
TEST_F(WorldQueries, MovingIsBlockedAlongTheWholeWayAcrossCellBordersInEveryDirection) {
    const std::pair<float, float> directions[] = {{0, 1}, {0, -1}, {1, 0},  {-1, 0},
                                                  {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
    for (const auto& [dx, dy] : directions) {
        World field{4096, 4096, 800, 600};
        Tank* mover = MakeTank(200 * dx, 200 * dy, 3, 18);
        field.InsertObject(mover, KindTank);
        auto* block = new Obstacle(ObstacleType::ConcreteBlock, nullptr);
        block->x = 240 * dx;
        block->y = 240 * dy;
        block->size = 16;
        field.InsertObject(block, KindStatic);
        EXPECT_FALSE(field.CanMoveTo(mover, 400 * dx, 400 * dy, 18)) << "towards " << dx << ", " << dy;
        EXPECT_TRUE(field.CanMoveTo(mover, 0, 0, 18)) << "away from " << dx << ", " << dy;
    }
}

// A level may scale a stone far beyond any unit: every query searches as far as the largest body it holds.
TEST_F(WorldQueries, AHugeObstacleIsMetFromBeyondItsOwnCell) {
    auto* stone = new Obstacle(ObstacleType::Stone, nullptr);
    stone->size = 400;
    world.InsertObject(stone, KindStatic);
    Tank* tank = MakeTank(0, 440, 3, 18);
    world.InsertObject(tank, KindTank);
    EXPECT_FALSE(world.CanMoveTo(tank, 0, 410, 18)) << "driven into";
    EXPECT_TRUE(world.CanMoveTo(tank, 0, 460, 18));
    EXPECT_FALSE(world.IsPlaceFree(420, 0, 30, nullptr)) << "built on";
    EXPECT_TRUE(world.IsPlaceFree(431, 0, 30, nullptr));
    EXPECT_EQ(world.FirstHitOnSegment(0, -600, 0, -380, 0, 0, KindStatic, nullptr), stone) << "shot through";
    EXPECT_EQ(world.NearestOfKind(-450, 0, 100, KindStatic, noSide), stone);
}
