// The slots of the constants table: one id per entry of "constants.xml".
#pragma once

namespace Vorn::Constants {

// Each id belongs to one element name of "constants.xml" and one record class; the ids of a class are
// consecutive so that the type catalogues can compute them. Slot 0 is never filled.
enum class ConstantId : int {
    None = 0,
    // TurretData
    Gun1,
    Gun2,
    Gun3,
    Razor1,
    Razor2,
    Cannon1,
    Cannon2,
    Rockets1,
    Rockets2,
    RocketsL,
    Grenade,
    Gauss,
    Radar,
    Repairer,
    Razor2R,
    Cannon2R,
    Rockets2R,
    // ArmorData
    NoArmor,
    LightArmor,
    AdvancedArmor,
    HeavyArmor,
    // TankData
    ScoutTank,
    LightTank,
    MediumTank,
    HeavyTank,
    // TowerData
    SurveilanceTower,
    SupportTower,
    DefenseTower,
    // BulletData
    GunBullet,
    RazorBullet,
    TankBullet,
    Rocket,
    RocketL,
    GrenadeBullet,
    // The single records
    FOW,
    AI,
    TankAI,
    TowerAI,
    // BuildingData
    Base,
    Outpost,
    Defense,
    TankFactory,
    RepairShop,
    Armory,
    PowerPlant,
    Mine,
    Recycler,
    // Extras of particular buildings
    HqExtra,
    ArmoryExtra,
    RecyclerExtra,
    // ExplosionData
    CannonExplosion,
    RocketExplosion,
    LargeRocketExplosion,
    GrenadeExplosion,
    MineExplosion,
    TankExplosion,
    TowerExplosion,
    BuildingExplosion,
    // CorpseData
    ScoutTankCorpse,
    LightTankCorpse,
    MediumTankCorpse,
    HeavyTankCorpse,
    SurveilanceTowerCorpse,
    SupportTowerCorpse,
    DefenseTowerCorpse,
    BaseCorpse,
    OutpostCorpse,
    DefenseCorpse,
    TankFactoryCorpse,
    RepairShopCorpse,
    ArmoryCorpse,
    PowerPlantCorpse,
    MineCorpse,
    RecyclerCorpse,
    // LandmineData
    SmallLandmine,
    LargeLandmine,
    // ObstacleData
    ConcreteBlock,
    AntitankBlock,
};

// Slots in the table, slot 0 included.
inline constexpr int constantSlotCount = 79;
// The first and last id that names an entry.
inline constexpr ConstantId firstConstantId = ConstantId::Gun1;
inline constexpr ConstantId lastConstantId = ConstantId::AntitankBlock;

static_assert(static_cast<int>(lastConstantId) + 1 == constantSlotCount);

constexpr ConstantId ConstantIdFromIndex(int index) {
    return static_cast<ConstantId>(index);
}
constexpr int IndexOf(ConstantId id) {
    return static_cast<int>(id);
}

} // namespace Vorn::Constants
