// The type catalogues: names and constants slots of every object type, and their answers out of range.
#include "rules/TypeCatalogue.h"
#include "rules/ConstantNames.h"

#include <gtest/gtest.h>

namespace Vorn {
namespace {

using Constants::RecordClass;

// Each type with a record is named like its entry in constants.xml, and its slot is of the right class.
template <class Type> void ExpectNamedLikeEntries(int count, RecordClass recordClass) {
    for (int value = 0; value < count; ++value) {
        Type type = static_cast<Type>(value);
        ConstantId id = ConstantIdOf(type);
        EXPECT_EQ(Constants::RecordClassOf(id), recordClass) << TypeNameOf(type);
        EXPECT_EQ(TypeNameOf(type), Constants::ConstantName(id));
    }
}

TEST(TypeCatalogue, TypesLandOnRecordsOfTheirClass) {
    ExpectNamedLikeEntries<TankType>(tankTypeCount, RecordClass::Tank);
    ExpectNamedLikeEntries<ArmorType>(armorTypeCount, RecordClass::Armor);
    ExpectNamedLikeEntries<TurretType>(turretTypeCount, RecordClass::Turret);
    ExpectNamedLikeEntries<BulletType>(bulletTypeCount, RecordClass::Bullet);
    ExpectNamedLikeEntries<TowerType>(towerTypeCount, RecordClass::Tower);
    ExpectNamedLikeEntries<BuildingType>(buildingTypeCount, RecordClass::Building);
    ExpectNamedLikeEntries<LandmineType>(landmineTypeCount, RecordClass::Landmine);
    ExpectNamedLikeEntries<CorpseType>(corpseTypeCount, RecordClass::Corpse);
    for (int value = 0; value < explosionTypeCount; ++value)
        EXPECT_EQ(Constants::RecordClassOf(ConstantIdOf(ExplosionType(value))), RecordClass::Explosion);
    for (int value = 0; value < obstacleTypeCount; ++value)
        EXPECT_EQ(Constants::RecordClassOf(ConstantIdOf(ObstacleType(value))), RecordClass::Obstacle);
}

TEST(TypeCatalogue, StoneSharesTheConcreteBlockRecord) {
    EXPECT_EQ(ConstantIdOf(ObstacleType::Stone), ConstantIdOf(ObstacleType::ConcreteBlock));
    EXPECT_EQ(ConstantIdOf(ObstacleType::Stone), ConstantId(77));
    EXPECT_EQ(ConstantIdOf(ObstacleType::AntitankBlock), ConstantId(78));
    EXPECT_EQ(TypeNameOf(ObstacleType::Stone), "Stone");
}

TEST(TypeCatalogue, NumberingFollowsTheListedOrder) {
    EXPECT_EQ(TypeNameOf(TurretType(16)), "Rockets2R");
    EXPECT_EQ(ConstantIdOf(TurretType(16)), ConstantId(17));
    EXPECT_EQ(ConstantIdOf(ArmorType(2)), ConstantId::AdvancedArmor);
    EXPECT_EQ(ConstantIdOf(ArmorType(3)), ConstantId(21));
    EXPECT_EQ(ConstantIdOf(BuildingType::Recycler), ConstantId(47));
    EXPECT_EQ(ConstantIdOf(CorpseType::RecyclerCorpse), ConstantId(74));
    EXPECT_EQ(ConstantIdOf(ExplosionType::ExplosionBuilding), ConstantId(58));
    EXPECT_EQ(TypeNameOf(ExplosionType::ExplosionLargeRocket), "ExplosionLargeRocket");
    EXPECT_EQ(TypeNameOf(LandmarkType::YellowSmoke), "YellowSmoke");
    EXPECT_EQ(TextKeyOf(BuildingType::TankFactory), "Factory");
    EXPECT_EQ(TextKeyOf(BuildingType::PowerPlant), "Power");
}

TEST(TypeCatalogue, OutOfRangeValuesGetTheirFixedAnswers) {
    EXPECT_EQ(TypeNameOf(TankType(4)), "ScoutTank");
    EXPECT_EQ(ConstantIdOf(TankType(-1)), ConstantId::ScoutTank);
    EXPECT_EQ(TypeNameOf(ArmorType(9)), "NoArmor");
    EXPECT_EQ(ConstantIdOf(ArmorType(9)), ConstantId::NoArmor);
    EXPECT_EQ(TypeNameOf(TurretType(17)), "empty");
    EXPECT_EQ(TypeNameOf(BulletType(-1)), "empty");
    EXPECT_EQ(TypeNameOf(BuildingType(9)), "empty");
    EXPECT_EQ(TypeNameOf(LandmarkType(6)), "empty");
    EXPECT_EQ(TypeNameOf(ExplosionType(8)), "ExplosionCannon");
    EXPECT_EQ(ConstantIdOf(ExplosionType(8)), ConstantId::CannonExplosion);
    EXPECT_EQ(ConstantIdOf(CorpseType(16)), ConstantId::ScoutTankCorpse);
    EXPECT_EQ(TypeNameOf(LandmineType(2)), "SmallLandmine");
    EXPECT_EQ(ConstantIdOf(LandmineType(-3)), ConstantId::SmallLandmine);
    EXPECT_EQ(TextKeyOf(BuildingType(12)), "Building");
}

// Kinds whose callers only pass listed values stop a debug build and find no record in a release build.
TEST(TypeCatalogueDeathTest, UnlistedValuesAreRejected) {
    EXPECT_DEBUG_DEATH(EXPECT_EQ(ConstantIdOf(TurretType(17)), ConstantId::None), "not a listed type");
    EXPECT_DEBUG_DEATH(EXPECT_EQ(ConstantIdOf(BulletType(6)), ConstantId::None), "not a listed type");
    EXPECT_DEBUG_DEATH(EXPECT_EQ(ConstantIdOf(TowerType(3)), ConstantId::None), "not a listed type");
    EXPECT_DEBUG_DEATH(EXPECT_EQ(ConstantIdOf(BuildingType(-1)), ConstantId::None), "not a listed type");
    EXPECT_DEBUG_DEATH(EXPECT_EQ(ConstantIdOf(ObstacleType(3)), ConstantId::None), "not a listed type");
    EXPECT_DEBUG_DEATH(EXPECT_EQ(TypeNameOf(TowerType(3)), "empty"), "not a listed type");
}

} // namespace
} // namespace Vorn
