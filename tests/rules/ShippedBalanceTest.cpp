// The shipped rules keep the game's design: roles of the chassis, who carries what, pace and economy.
#include "rules/ConstantsLoader.h"
#include "rules/RecordClass.h"
#include "rules/TypeCatalogue.h"

#include <gtest/gtest.h>

namespace Vorn::Constants {
namespace {

class ShippedBalance : public ::testing::Test {
protected:
    void SetUp() override { LoadConstants(); }
    void TearDown() override { ReleaseConstants(); }

    template <class Record, class Type> const Record& Of(Type type) {
        const Record* record = constantsTable.Find<Record>(ConstantIdOf(type));
        EXPECT_NE(record, nullptr) << TypeNameOf(type);
        static const Record empty;
        return record ? *record : empty;
    }
    const TankData& Chassis(TankType type) { return Of<TankData>(type); }

    // Seconds of fire for a turret to take the hit points, every shot hitting at full strength.
    float SecondsToDestroy(TurretType turretType, float hitPoints) {
        const TurretData& turret = Of<TurretData>(turretType);
        const BulletData& bullet = Of<BulletData>(turret.bullet);
        float cycle = turret.roundsInSerie * turret.reloadTime + turret.serieReloadTime;
        float damagePerCycle = float(turret.roundsInSerie * turret.nBullets * bullet.effectivity);
        return hitPoints / damagePerCycle * cycle;
    }
};

TEST_F(ShippedBalance, ScoutsAreFastAndFragileHeavyTanksSlowAndTough) {
    for (int type = 1; type < tankTypeCount; ++type) {
        const TankData& lighter = Chassis(TankType(type - 1));
        const TankData& heavier = Chassis(TankType(type));
        EXPECT_GT(lighter.maxSpeed, heavier.maxSpeed) << type;
        EXPECT_GT(lighter.rotationSpeed, heavier.rotationSpeed) << type;
        EXPECT_LT(lighter.baseArmor, heavier.baseArmor) << type;
        EXPECT_LT(lighter.maxLoad, heavier.maxLoad) << type;
    }
}

TEST_F(ShippedBalance, HeaviestCombinationsFitOnlyTheHeavyChassis) {
    int heaviestTurret = 0;
    for (int type = 0; type < turretTypeCount; ++type)
        heaviestTurret = std::max(heaviestTurret, Of<TurretData>(TurretType(type)).weight);
    int heaviest = Of<ArmorData>(ArmorType::HeavyArmor).weight + heaviestTurret;
    EXPECT_LE(heaviest, Chassis(TankType::HeavyTank).maxLoad);
    EXPECT_GT(heaviest, Chassis(TankType::MediumTank).maxLoad);
    // The opening skirmish's heavy tanks carry Cannon2 without armour.
    EXPECT_LE(Of<TurretData>(TurretType::Cannon2).weight + Of<ArmorData>(ArmorType::NoArmor).weight,
              Chassis(TankType::HeavyTank).maxLoad);
}

TEST_F(ShippedBalance, FightsLastSecondsNotFrames) {
    float skirmishTank = Chassis(TankType::HeavyTank).baseArmor + Of<ArmorData>(ArmorType::NoArmor).maxArmor;
    float duel = SecondsToDestroy(TurretType::Cannon2, skirmishTank);
    EXPECT_GT(duel, 5.0f);
    EXPECT_LT(duel, 30.0f);
    float scout = Chassis(TankType::ScoutTank).baseArmor;
    EXPECT_GT(SecondsToDestroy(TurretType::Gun1, scout), 2.0f);
}

TEST_F(ShippedBalance, FirstTankAndIncomeKeepTheirPace) {
    const BuildingData& base = Of<BuildingData>(BuildingType::Base);
    float baseIncomePerSecond = base.moneyGenerated / 10.0f;
    int price = Chassis(TankType::LightTank).price + Of<ArmorData>(ArmorType::LightArmor).price +
                Of<TurretData>(TurretType::Gun1).price;
    int buildMs = Chassis(TankType::LightTank).buildTime + Of<ArmorData>(ArmorType::LightArmor).buildTime +
                  Of<TurretData>(TurretType::Gun1).buildTime;
    EXPECT_LE(price / baseIncomePerSecond, 30.0f);
    EXPECT_GE(buildMs, 15000);
    EXPECT_LE(buildMs, 40000);
    EXPECT_GT(Of<BuildingData>(BuildingType::TankFactory).price / baseIncomePerSecond, 30.0f);

    // A mine out-earns a recycler beside the largest tank wreck while its debris lasts.
    const CorpseData& wreck = Of<CorpseData>(CorpseType::HeavyTankCorpse);
    int pieces = wreck.concreteParts + wreck.concretePartsRandom + wreck.metalParts + wreck.metalPartsRandom +
                 wreck.technologyParts + wreck.technologyPartsRandom;
    float recyclerPerSecond =
        pieces * constantsTable.Find<RecyclerExtraData>(ConstantId::RecyclerExtra)->corpseMoney * 2;
    EXPECT_GT(Of<BuildingData>(BuildingType::Mine).moneyGenerated / 10.0f, recyclerPerSecond);
}

TEST_F(ShippedBalance, FogGridIsFineButCheap) {
    float granularity = constantsTable.Find<FowData>(ConstantId::FOW)->granularity;
    EXPECT_GE(granularity, 32);
    EXPECT_LE(granularity, 64);
}

} // namespace
} // namespace Vorn::Constants
