// The world step: economy boundaries, deaths and removal, and remembered references across deletion.
#include "world/World.h"

#include "WorldTestObjects.h"
#include "rules/ConstantsTable.h"
#include "rules/LandmineData.h"
#include "rules/RecyclerExtraData.h"
#include "world/AttachedEffect.h"
#include "world/Bullet.h"
#include "world/Corpse.h"
#include "world/Debris.h"
#include "world/Effect.h"
#include "world/Landmine.h"
#include "world/LevelEvents.h"

#include <gtest/gtest.h>

using namespace Vorn;
using namespace WorldTest;

namespace {
class RecordingLevel : public LevelEvents {
public:
    void LevelTick(unsigned elapsedMs) override { ticked += elapsedMs; }
    void NotifyDestroyed(Object* object) override { destroyed.push_back(object); }

    unsigned ticked = 0;
    std::vector<Object*> destroyed;
};

class WorldTick : public ::testing::Test {
protected:
    void TearDown() override { Constants::constantsTable.Clear(); }

    void UseRecycling(int corpseMoney, float corpseRange) {
        auto record = std::make_unique<Constants::RecyclerExtraData>();
        record->corpseMoney = corpseMoney;
        record->corpseRange = corpseRange;
        Constants::constantsTable.Replace(Constants::ConstantId::RecyclerExtra, std::move(record));
    }

    Debris* AddDebris(float x, float y) {
        auto* piece = new Debris(1000000);
        piece->x = x;
        piece->y = y;
        world.InsertObject(piece, KindDebris);
        return piece;
    }

    World world{4096, 4096, 800, 600};
};
} // namespace

TEST_F(WorldTick, MineIncomeIsPaidOncePerTenSecondBoundary) {
    const auto mineRecord = BuildingRecord(100, 40, 0);
    Building* mine = MakeBuilding(0, 0, 2, BuildingType::Mine, &mineRecord);
    mine->hitPoints = 75; // three quarters of full income
    world.InsertObject(mine, KindBuilding);
    world.Tick(9990);
    EXPECT_EQ(world.sides[2].money, 0);
    world.Tick(20); // 9,990 -> 10,010
    EXPECT_EQ(world.sides[2].money, 30);
    world.Tick(9980); // 10,010 -> 19,990
    EXPECT_EQ(world.sides[2].money, 30);
    EXPECT_EQ(world.sides[1].money, 0) << "a side without buildings earns nothing";
}

TEST_F(WorldTick, UnpoweredBuildingsEarnNothing) {
    const auto mineRecord = BuildingRecord(100, 40, 200);
    world.InsertObject(MakeBuilding(0, 0, 2, BuildingType::Mine, &mineRecord), KindBuilding);
    world.Tick(10000);
    EXPECT_EQ(world.sides[2].money, 0);
}

TEST_F(WorldTick, RecyclerEarnsForEachPieceInRangeEveryHalfSecond) {
    UseRecycling(3, 100);
    const auto recyclerRecord = BuildingRecord(100, 0, 500); // needs power it does not have
    world.InsertObject(MakeBuilding(0, 0, 4, BuildingType::Recycler, &recyclerRecord), KindBuilding);
    AddDebris(50, 0);
    AddDebris(0, -99);
    AddDebris(100, 0); // exactly at the range: out
    world.Tick(499);
    EXPECT_EQ(world.sides[4].money, 0);
    world.Tick(1); // 500
    EXPECT_EQ(world.sides[4].money, 6);
    world.Tick(500); // 1,000
    EXPECT_EQ(world.sides[4].money, 12);
    world.Tick(1000); // crosses two boundaries at once, paid as one
    EXPECT_EQ(world.sides[4].money, 18);
}

TEST_F(WorldTick, DestroyedTankLeavesACorpseUnderSideZeroAndTellsTheLevel) {
    auto level = std::make_unique<RecordingLevel>();
    RecordingLevel* events = level.get();
    world.SetLevelEvents(std::move(level));
    Tank* doomed = MakeTank(300, 40, 5, 12, 0);
    doomed->direction = 33;
    doomed->type = TankType::HeavyTank;
    Tank* survivor = MakeTank(0, 0, 5, 12, 1);
    world.InsertObject(doomed, KindTank);
    world.InsertObject(survivor, KindTank);
    world.Tick(16);
    EXPECT_EQ(events->ticked, 16u);
    ASSERT_EQ(events->destroyed, std::vector<Object*>{doomed});
    EXPECT_EQ(world.Objects(5, KindTank).Count(), 1u);
    const auto& statics = world.Objects(0, KindStatic).QueryRange(300, 40, 1);
    ASSERT_EQ(statics.size(), 1u);
    auto* corpse = dynamic_cast<Corpse*>(statics.front());
    ASSERT_NE(corpse, nullptr);
    EXPECT_EQ(corpse->type, CorpseType::HeavyTankCorpse);
    EXPECT_EQ(corpse->bodySize, 12);
    EXPECT_EQ(corpse->direction, 33);
}

TEST_F(WorldTick, DestroyedTowersAndBuildingsGetTheirOwnCorpseTypes) {
    const auto record = BuildingRecord(100, 0, 0);
    Tower* tower = MakeTower(0, 0, 1);
    tower->type = TowerType::SupportTower;
    tower->hitPoints = -5;
    Building* armory = MakeBuilding(1000, 0, 1, BuildingType::Armory, &record);
    armory->hitPoints = 0;
    world.InsertObject(tower, KindTower);
    world.InsertObject(armory, KindBuilding);
    world.Tick(1);
    EXPECT_EQ(dynamic_cast<Corpse*>(world.Objects(0, KindStatic).QueryRange(0, 0, 1).at(0))->type,
              CorpseType::SupportTowerCorpse);
    EXPECT_EQ(dynamic_cast<Corpse*>(world.Objects(0, KindStatic).QueryRange(1000, 0, 1).at(0))->type,
              CorpseType::ArmoryCorpse);
}

TEST_F(WorldTick, ExpiredDebrisAndEmptyCorpsesAreRemoved) {
    Debris* kept = AddDebris(0, 0);
    AddDebris(10, 0)->remainingTime = -1;
    auto* corpse = new Corpse(CorpseType::ScoutTankCorpse, 10);
    world.InsertObject(corpse, KindStatic);
    world.Tick(1);
    EXPECT_EQ(world.Objects(0, KindDebris).QueryRange(0, 0, 1), std::vector<Object*>{kept});
    EXPECT_EQ(world.Objects(0, KindStatic).Count(), 0u);
}

namespace {
// A bullet that finishes after a set number of updates.
class CountdownBullet : public Bullet {
public:
    CountdownBullet(int updates, int* deleted)
        : Bullet(nullptr, nullptr, BulletType::GunBullet, 1), updates(updates), deleted(deleted) {}
    ~CountdownBullet() override { ++*deleted; }
    void Update(unsigned) override { finished = --updates <= 0; }

    int updates;
    int* deleted;
};

// An effect that finishes once ended; counts its deletion.
class CountedEffect : public Effect {
public:
    explicit CountedEffect(int* deleted) : deleted(deleted) {}
    ~CountedEffect() override { ++*deleted; }
    int* deleted;
};
} // namespace

TEST_F(WorldTick, FinishedBulletsAndEffectsAreDeletedInTheStepTheyFinish) {
    // The counters outlive the world, which deletes the effect still running when the test ends.
    static int bulletsDeleted;
    static int effectsDeleted;
    bulletsDeleted = 0;
    effectsDeleted = 0;
    world.InsertBullet(new CountdownBullet(1, &bulletsDeleted));
    world.InsertBullet(new CountdownBullet(2, &bulletsDeleted));
    auto* ended = new CountedEffect(&effectsDeleted);
    ended->End();
    world.InsertEffect(world.LowerEffects(), ended);
    world.InsertEffect(world.UpperEffects(), new CountedEffect(&effectsDeleted));
    world.Tick(1);
    EXPECT_EQ(bulletsDeleted, 1);
    EXPECT_EQ(effectsDeleted, 1);
    world.Tick(1);
    EXPECT_EQ(bulletsDeleted, 2);
    EXPECT_EQ(world.Bullets().Count(), 0u);
    EXPECT_EQ(world.UpperEffects().Count(), 1u);
}

namespace {
// A wreck piece whose time ran out, letting go of an effect when it is deleted, as a dying tank lets go of
// its dust: after the tick's effect walk, before its removal of finished effects.
class ReleasingDebris : public Debris {
public:
    explicit ReleasingDebris(Effect* effect) : Debris(-1), effect(effect) {}
    ~ReleasingDebris() override { ReleaseEffect(effect); }
    Effect* effect;
};
} // namespace

// The removal tests only the effects noted as finishing: one let go of late in the step, and one that
// finished away from the cell it is filed in, must still go in the step they finish.
TEST_F(WorldTick, EffectsFinishingLateOrAwayFromTheirCellAreDeletedInThatStep) {
    static int effectsDeleted;
    effectsDeleted = 0;
    auto* letGo = new CountedEffect(&effectsDeleted);
    letGo->held = true;
    world.InsertEffect(world.LowerEffects(), letGo);
    world.InsertObject(new ReleasingDebris(letGo), KindDebris);
    world.Tick(1);
    EXPECT_EQ(effectsDeleted, 1) << "let go of after the effect walk";
    EXPECT_EQ(world.LowerEffects().Count(), 0u);

    auto* moved = new CountedEffect(&effectsDeleted);
    world.InsertEffect(world.UpperEffects(), moved);
    moved->x = 3 * SpatialMap<Effect>::cellSize;
    moved->End();
    world.Tick(1);
    EXPECT_EQ(effectsDeleted, 2) << "moved without being refiled";
    EXPECT_EQ(world.UpperEffects().Count(), 0u);
}

namespace {
// Tanks that always live at the same address, as a freed object's memory is handed to the next one.
alignas(std::max_align_t) unsigned char reusedStorage[4096];

class ReusedTank : public Tank {
public:
    ReusedTank(float x, float y)
        : Tank(nullptr, TankType::LightTank, 1, 0, ArmorType::NoArmor, TurretType::Gun1) {
        this->x = x;
        this->y = y;
        size = 10;
        armor = std::make_unique<Armor>(ArmorType::NoArmor, 100);
    }
    static void* operator new(std::size_t) { return reusedStorage; }
    static void operator delete(void*) {}
};
static_assert(sizeof(ReusedTank) <= sizeof reusedStorage);
} // namespace

TEST_F(WorldTick, ARememberedObjectIsNotMistakenForANewOneAtItsAddress) {
    auto* first = new ReusedTank(100, 100);
    world.InsertObject(first, KindTank);
    const ObjectRef target(first);
    EXPECT_TRUE(world.ContainsNear(100, 100, 10, target));
    EXPECT_TRUE(world.ContainsAnywhere(target));

    first->armor->hitPoints = 0;
    world.Tick(1);
    auto* second = new ReusedTank(100, 100);
    world.InsertObject(second, KindTank);
    ASSERT_EQ(static_cast<Object*>(second), target.Get()) << "the test needs the address reused";

    EXPECT_FALSE(world.ContainsNear(100, 100, 10, target));
    EXPECT_FALSE(world.ContainsAnywhere(target));
    EXPECT_TRUE(world.ContainsAnywhere(ObjectRef(second)));
    EXPECT_FALSE(world.ContainsAnywhere(ObjectRef()));
}

TEST_F(WorldTick, ContainsNearLooksOnlyAroundThePlaceGiven) {
    Tank* tank = MakeTank(3000, 0, 6);
    world.InsertObject(tank, KindTank);
    EXPECT_TRUE(world.ContainsNear(3000, 10, 50, ObjectRef(tank)));
    EXPECT_FALSE(world.ContainsNear(0, 0, 50, ObjectRef(tank)));

    // Moved without being refiled, it is still found where it is filed, and only there.
    tank->x = 0;
    EXPECT_FALSE(world.ContainsNear(0, 0, 50, ObjectRef(tank)));
    EXPECT_TRUE(world.ContainsNear(3000, 10, 50, ObjectRef(tank)));
    tank->x = 3000;
}

TEST_F(WorldTick, OnlyATriggeredLandmineWhoseCountdownRanOutIsRemoved) {
    Constants::LandmineData record;
    record.countdown = 0; // even a zero countdown needs a trigger first
    auto* idle = new Landmine(LandmineType::SmallLandmine, &record);
    auto* setOff = new Landmine(LandmineType::SmallLandmine, &record);
    setOff->x = 1000;
    setOff->SetOff();
    world.InsertObject(idle, KindLandmine);
    world.InsertObject(setOff, KindLandmine);
    world.Tick(1);
    EXPECT_EQ(world.Objects(0, KindLandmine).QueryRange(0, 0, 1), std::vector<Object*>{idle});
    EXPECT_TRUE(world.Objects(0, KindLandmine).QueryRange(1000, 0, 1).empty());
}

TEST_F(WorldTick, ObjectsWithoutAValidSideAreNotFiled) {
    Tank* stray = MakeTank(0, 0, noSide);
    EXPECT_FALSE(world.InsertObject(stray, KindTank));
    EXPECT_FALSE(world.RefileObject(stray, KindTank, 10, 10));
    world.sides[noSide].money = 500; // lands in a scratch record, not beside the table
    EXPECT_EQ(world.sides[6].money, 0);
    delete stray;
}

namespace {
// A tank that drives one cell further along +x on every update.
class DrivingTank : public Tank {
public:
    explicit DrivingTank(World& world)
        : Tank(&world, TankType::LightTank, 2, 0, ArmorType::NoArmor, TurretType::Gun1) {
        armor = std::make_unique<Armor>(ArmorType::NoArmor, 100);
    }
    void Update(unsigned) override {
        ++updates;
        world->RefileObject(this, KindTank, x + 512, y);
    }
    int updates = 0;
};
} // namespace

TEST_F(WorldTick, AnObjectMovingToALaterCellIsUpdatedOncePerStep) {
    auto* driver = new DrivingTank(world);
    world.InsertObject(driver, KindTank);
    world.Tick(1);
    world.Tick(1);
    EXPECT_EQ(driver->updates, 2);
    EXPECT_EQ(driver->x, 1024);
    EXPECT_EQ(world.Objects(2, KindTank).Count(), 1u);
}
