// Explosions: one blast, falloff, landmines set off, pushes that respect free places, and what a death
// leaves behind.
#include "world/Explosion.h"
#include "CombatWorld.h"
#include "WorldTestObjects.h"
#include "rules/CorpseData.h"
#include "rules/ExplosionData.h"
#include "rules/LandmineData.h"
#include "world/Angles.h"
#include "world/Corpse.h"
#include "world/Debris.h"
#include "world/Landmine.h"
#include "world/Obstacle.h"
#include "world/PlaceEffect.h"

#include <gtest/gtest.h>

using namespace Vorn;

namespace {

class Blast : public testing::Test, public WorldTest::CombatWorld {
protected:
    Blast() : record(records.Add<Constants::ExplosionData>(ExplosionType::ExplosionRocket)) {
        KnowParticleSystems({"ExplosionRocket", "ExplosionTank", "Shockwave"});
        record.effectRange = 100;
        record.damageLevel = 40;
        record.ammoCoefAdd = 1;
        Turret(TurretType::Gun1, BulletType::GunBullet);
    }
    Explosion* Explode(float x, float y) {
        return PlaceExplosion(*world, ExplosionType::ExplosionRocket, x, y, noSide);
    }
    Constants::ExplosionData& record;
};

TEST_F(Blast, DamagesOnceFallingOffWithDistanceAndHurtsEverySide) {
    Tank* near = AddTank(25, 0, 1);
    Tank* far = AddTank(0, 75, 2);
    Tank* beyond = AddTank(0, -101, 3);
    Explosion* explosion = Explode(0, 0);
    ASSERT_NE(explosion, nullptr);
    EXPECT_EQ(explosion->damageMultiplier, 1);
    explosion->Update(16);
    explosion->Update(16);
    EXPECT_FLOAT_EQ(near->armor->hitPoints, 100 - 0.75f * 40);
    EXPECT_FLOAT_EQ(far->armor->hitPoints, 100 - 0.25f * 40);
    EXPECT_FLOAT_EQ(beyond->armor->hitPoints, 100);
}

TEST_F(Blast, PushesAwayFromTheCentreAndRefilesTheTankInItsNewCell) {
    record.forcewaveEffect = 20;
    record.damageLevel = 0; // still pushes
    Tank* tank = AddTank(250, 0, 1);
    Explode(200, 0)->Update(1);
    // u = 0.5, w = 0: pushed by 20 x (1 - 0.5) along +x and by 20 x (-1 - 0) along y, over the cell border
    // at x 256.
    EXPECT_FLOAT_EQ(tank->x, 260);
    EXPECT_FLOAT_EQ(tank->y, -20);
    EXPECT_FLOAT_EQ(tank->armor->hitPoints, 100);
    EXPECT_EQ(world->Objects(1, KindTank).QueryRange(260, -20, 0), std::vector<Object*>{tank});
    EXPECT_TRUE(world->Objects(1, KindTank).QueryRange(0, 0, 0).empty());
}

TEST_F(Blast, APushIntoAnOccupiedPlaceLeavesTheTankWhereItWas) {
    record.forcewaveEffect = 20;
    Tank* tank = AddTank(50, 0, 1);
    auto* block = new Obstacle(ObstacleType::ConcreteBlock, nullptr);
    block->x = 70;
    block->y = -20;
    block->size = 5;
    world->InsertObject(block, KindStatic);
    Explode(0, 0)->Update(1);
    EXPECT_FLOAT_EQ(tank->x, 50);
    EXPECT_FLOAT_EQ(tank->y, 0);
}

// Distance and side are varied apart: a mine just inside and one just outside on the same side, and one
// inside on another side.
TEST_F(Blast, SetsOffLandminesWithinAThirdOfItsRangeOnly) {
    Constants::LandmineData mineRecord;
    mineRecord.countdown = 100;
    const auto mine = [&](float x, int side) {
        auto* landmine = new Landmine(LandmineType::SmallLandmine, &mineRecord);
        landmine->x = x;
        landmine->side = side;
        world->InsertObject(landmine, KindLandmine);
        return landmine;
    };
    Landmine* close = mine(33, 2);
    Landmine* outside = mine(-34, 2);
    Landmine* otherSide = mine(0, 5);
    record.damageLevel = 0;
    Explode(0, 0)->Update(1);
    EXPECT_TRUE(close->triggered);
    EXPECT_FALSE(outside->triggered);
    EXPECT_TRUE(otherSide->triggered);
}

TEST_F(Blast, DebrisExpiredEarlyByABlastLeavesItsWreck) {
    auto& corpseRecord = records.Add<Constants::CorpseData>(CorpseType::LightTankCorpse);
    corpseRecord.metalParts = 6;
    corpseRecord.timeBase = 60000;
    auto* corpse = new Corpse(CorpseType::LightTankCorpse, 20);
    world->InsertObject(corpse, KindStatic);
    world->Tick(16);
    ASSERT_EQ(corpse->debris.size(), 6u);
    record.damageLevel = 100000;
    Explode(0, 0);
    world->Tick(16);
    EXPECT_EQ(world->Objects(0, KindDebris).Count(), 0u);
    // The wreck no longer lists the deleted pieces, so it goes at the next step without touching them.
    world->Tick(16);
    EXPECT_EQ(world->Objects(0, KindStatic).Count(), 0u);
}

TEST_F(Blast, ADestroyedTankLeavesTheRecordsOfItsCatalogueTypes) {
    auto& tankBlast = records.Add<Constants::ExplosionData>(ExplosionType::ExplosionTank);
    auto& heavyWreck = records.Add<Constants::CorpseData>(CorpseType::HeavyTankCorpse);
    Tank* doomed = AddTank(300, 0, 4);
    doomed->type = TankType::HeavyTank;
    doomed->armor->hitPoints = 0;
    world->Tick(16);
    ASSERT_EQ(world->UpperEffects().Count(), 1u);
    auto* explosion = dynamic_cast<Explosion*>(world->UpperEffects().QueryRange(300, 0, 1).at(0));
    ASSERT_NE(explosion, nullptr);
    EXPECT_EQ(explosion->record, &tankBlast);
    auto* corpse = dynamic_cast<Corpse*>(world->Objects(0, KindStatic).QueryRange(300, 0, 1).at(0));
    ASSERT_NE(corpse, nullptr);
    EXPECT_EQ(corpse->record, &heavyWreck);
}

TEST(Wreck, FourDiagonalPiecesThenScatteredOnesAndAnEmptyWreckGoes) {
    WorldTest::CombatWorld battle;
    auto& wreck = battle.records.Add<Constants::CorpseData>(CorpseType::MediumTankCorpse);
    wreck.concreteParts = 5;
    wreck.timeBase = 1000;
    auto* corpse = new Corpse(CorpseType::MediumTankCorpse, 10);
    battle.world->InsertObject(corpse, KindStatic);
    auto* bare = new Corpse(CorpseType::ScoutTankCorpse, 10);
    bare->x = 2000;
    battle.world->InsertObject(bare, KindStatic);
    battle.world->Tick(16);
    ASSERT_EQ(corpse->debris.size(), 5u);
    for (int i = 0; i < 4; ++i) {
        const Debris& piece = *corpse->debris[static_cast<std::size_t>(i)];
        const float distance = std::hypot(piece.x, piece.y);
        EXPECT_GE(distance, 5 - 0.001f);
        EXPECT_LE(distance, 15 + 0.001f);
        EXPECT_NEAR(AngleDifference(BearingOf(0, 0, piece.x, piece.y), corpse->direction + 45 + i * 90), 0,
                    0.01)
            << i;
        EXPECT_GE(piece.size, 1);
        EXPECT_LE(piece.size, 5);
        EXPECT_EQ(piece.remainingTime, 1000 - 16);
    }
    EXPECT_TRUE(battle.world->Objects(0, KindStatic).QueryRange(2000, 0, 1).empty())
        << "a wreck without pieces goes once it has updated";
    battle.world->Tick(1000);
    EXPECT_EQ(battle.world->Objects(0, KindDebris).Count(), 0u);
    EXPECT_EQ(battle.world->Objects(0, KindStatic).Count(), 0u);
}

} // namespace
