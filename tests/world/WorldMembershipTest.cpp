// Which objects the world holds, as ContainsAnywhere answers it from its table of filed serials, and the
// movement test's shortcut, which must answer exactly as the full segment test.
#include "world/World.h"

#include "WorldTestObjects.h"
#include "random/Random.h"
#include "world/Corpse.h"
#include "world/Debris.h"
#include "world/Obstacle.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Vorn;
using namespace WorldTest;

namespace {

class WorldMembership : public ::testing::Test {
protected:
    World world{8192, 8192, 800, 600};

    Object* FirstCorpse() {
        for (const auto& [key, cell] : world.Objects(0, KindStatic).Cells())
            for (Object* object : cell)
                if (dynamic_cast<Corpse*>(object))
                    return object;
        return nullptr;
    }
};

} // namespace

TEST_F(WorldMembership, FilingErasingAndMovingKeepTheAnswer) {
    Tank* tank = MakeTank(100, 100, 2);
    EXPECT_FALSE(world.ContainsAnywhere(ObjectRef(tank))) << "made but not filed";
    ASSERT_TRUE(world.InsertObject(tank, KindTank));
    const ObjectRef ref(tank);
    EXPECT_TRUE(world.ContainsAnywhere(ref));
    ASSERT_TRUE(world.RefileObject(tank, KindTank, 3000, -2000));
    EXPECT_TRUE(world.ContainsAnywhere(ref)) << "moved to another cell";
    EXPECT_FALSE(world.EraseObject(tank, KindTower));
    EXPECT_TRUE(world.ContainsAnywhere(ref)) << "a failed erase changes nothing";
    ASSERT_TRUE(world.EraseObject(tank, KindTank));
    EXPECT_FALSE(world.ContainsAnywhere(ref));
    // Taken out and filed again, as a change of side does.
    tank->side = 4;
    ASSERT_TRUE(world.InsertObject(tank, KindTank));
    EXPECT_TRUE(world.ContainsAnywhere(ref));
    tank->side = 9;
    EXPECT_FALSE(world.InsertObject(tank, KindTank)) << "no such side";
    tank->side = 4;
    EXPECT_TRUE(world.ContainsAnywhere(ref));
}

// Serials index an array up to a million, and a save may name any below its counter: objects on either
// side of that limit are found, counted per container and forgotten alike.
TEST_F(WorldMembership, SerialsBeyondTheArrayAreKeptAlike) {
    constexpr std::uint64_t large = (std::uint64_t{1} << 20) + 5;
    world.RestoreCounters(0, large + 10, {});
    Tank* early = MakeTank(100, 100, 2);
    Tank* late = MakeTank(200, 100, 2);
    ASSERT_TRUE(world.RestoreObject(early, KindTank, 7));
    ASSERT_TRUE(world.RestoreObject(late, KindTank, large));
    const std::unique_ptr<Tank> twin(MakeTank(0, 0, 2));
    EXPECT_FALSE(world.RestoreObject(twin.get(), KindTank, large)) << "already filed";
    for (Tank* tank : {early, late}) {
        ASSERT_TRUE(world.InsertObject(tank, KindDebris)) << "a second container";
        EXPECT_EQ(world.FindBySerial(tank->Serial()), tank);
        ASSERT_TRUE(world.EraseObject(tank, KindTank));
        EXPECT_EQ(world.FindBySerial(tank->Serial()), tank) << "still held by one";
        ASSERT_TRUE(world.EraseObject(tank, KindDebris));
        EXPECT_EQ(world.FindBySerial(tank->Serial()), nullptr) << tank->Serial();
        EXPECT_FALSE(world.ContainsAnywhere(ObjectRef(tank)));
        delete tank;
    }
    EXPECT_EQ(world.FindBySerial(large + 1), nullptr);
    EXPECT_EQ(world.FindBySerial(8), nullptr);
}

TEST_F(WorldMembership, TheTickForgetsTheDeadAndFilesTheirWrecks) {
    Tank* tank = MakeTank(100, 100, 2, 10, 0);
    auto* piece = new Debris(-1);
    piece->x = 700;
    world.InsertObject(tank, KindTank);
    world.InsertObject(piece, KindDebris);
    const ObjectRef ref(tank);
    const ObjectRef pieceRef(piece);
    world.Tick(16);
    EXPECT_FALSE(world.ContainsAnywhere(ref)) << "destroyed";
    EXPECT_FALSE(world.ContainsAnywhere(pieceRef)) << "expired";
    Object* corpse = FirstCorpse();
    ASSERT_NE(corpse, nullptr);
    EXPECT_TRUE(world.ContainsAnywhere(ObjectRef(corpse)));
}

namespace {
// A destructor that asks the world about a neighbour while the world is torn down, as a brain's may.
struct Watcher : Obstacle {
    Watcher(World& world, const ObjectRef& watched, bool& sawIt)
        : Obstacle(ObstacleType::ConcreteBlock, nullptr), world(world), watched(watched), sawIt(sawIt) {}
    ~Watcher() override { sawIt = world.ContainsAnywhere(watched); }
    World& world;
    ObjectRef watched;
    bool& sawIt;
};
} // namespace

TEST(WorldTeardown, AnObjectDeletedEarlierIsNoLongerHeldForLaterDestructors) {
    bool sawIt = true;
    {
        World world(4096, 4096, 800, 600);
        Tank* tank = MakeTank(0, 0, 1);
        world.InsertObject(tank, KindTank);
        // Statics are deleted before tanks, buildings after: the watcher sees the tank still held.
        auto* watcher = new Watcher(world, ObjectRef(tank), sawIt);
        world.InsertObject(watcher, KindStatic);
    }
    EXPECT_TRUE(sawIt);
    {
        World world(4096, 4096, 800, 600);
        Tank* tank = MakeTank(0, 0, 1);
        world.InsertObject(tank, KindTank);
        auto* watcher = new Watcher(world, ObjectRef(tank), sawIt);
        // Side 2's containers come after side 1's.
        watcher->side = 2;
        world.InsertObject(watcher, KindStatic);
    }
    EXPECT_FALSE(sawIt);
}

// Random blockers and moves within one cell, so the query meets every blocker, many of them grazing the
// reach: the shortcut never changes an answer.
TEST(MovementShortcut, AnswersAsTheFullSegmentTest) {
    Random random;
    random.Reseed(77);
    const auto next = [&random](float low, float high) {
        return low + static_cast<float>(random.Next()) * (high - low);
    };
    const auto expected = [](const Object& mover, const std::vector<Object*>& blockers, float x, float y,
                             float r) {
        for (const Object* other : blockers)
            if (other->size >= blockingSize &&
                SegmentPassesWithin(mover.x, mover.y, x, y, other->x, other->y, r + other->size))
                return false;
        return true;
    };
    for (int round = 0; round < 40; ++round) {
        World world(8192, 8192, 800, 600);
        Tank* mover = MakeTank(next(-100, 100), next(-100, 100), 1, 10);
        world.InsertObject(mover, KindTank);
        std::vector<Object*> blockers;
        for (int i = 0; i < 30; ++i) {
            Tank* blocker = MakeTank(next(-240, 240), next(-240, 240), i % 7, next(0, 40));
            world.InsertObject(blocker, KindTank);
            blockers.push_back(blocker);
        }
        for (int move = 0; move < 50; ++move) {
            const float x = mover->x + next(-140, 140);
            const float y = mover->y + next(-140, 140);
            const float r = next(1, 30);
            ASSERT_EQ(world.CanMoveTo(mover, x, y, r), expected(*mover, blockers, x, y, r))
                << "round " << round << " move " << move;
        }
    }
    // A blocker just inside, on and just beyond the reach of the end, and around the margin of the box.
    for (float beyond : {-0.01f, 0.0f, 0.001f, 0.01f, 0.99f, 1.0f, 1.01f, 2.0f}) {
        World world(8192, 8192, 800, 600);
        Tank* mover = MakeTank(-100, 3, 1, 10);
        world.InsertObject(mover, KindTank);
        Tank* blocker = MakeTank(50 + 7 + 12 + beyond, 3.5f, 2, 12);
        world.InsertObject(blocker, KindTank);
        EXPECT_EQ(world.CanMoveTo(mover, 50, 3, 7), expected(*mover, {blocker}, 50, 3, 7)) << beyond;
    }
}
