// The type enumerations of every kind of game object. The object classes nest them under their own names
// (Tank::TankType, Building::Type, Bullet::Type, ...) with a type alias, so the simulation's rules and the
// objects agree on one numbering.
#pragma once

namespace Vorn {

// Chassis.
enum class TankType : int { ScoutTank, LightTank, MediumTank, HeavyTank };
inline constexpr int tankTypeCount = 4;

enum class ArmorType : int { NoArmor, LightArmor, AdvancedArmor, HeavyArmor };
inline constexpr int armorTypeCount = 4;

enum class TurretType : int {
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
    Rockets2R
};
inline constexpr int turretTypeCount = 17;

// Numbered like the words of a turret's "bullet" key.
enum class BulletType : int { GunBullet, RazorBullet, TankBullet, Rocket, RocketL, GrenadeBullet };
inline constexpr int bulletTypeCount = 6;

enum class TowerType : int { SurveilanceTower, SupportTower, DefenseTower };
inline constexpr int towerTypeCount = 3;

enum class BuildingType : int {
    Base,
    Outpost,
    Defense,
    TankFactory,
    RepairShop,
    Armory,
    PowerPlant,
    Mine,
    Recycler
};
inline constexpr int buildingTypeCount = 9;

enum class LandmineType : int { SmallLandmine, LargeLandmine };
inline constexpr int landmineTypeCount = 2;

// Stones have no record of their own and use the concrete block's.
enum class ObstacleType : int { Stone, ConcreteBlock, AntitankBlock };
inline constexpr int obstacleTypeCount = 3;

enum class ExplosionType : int {
    ExplosionCannon,
    ExplosionRocket,
    ExplosionLargeRocket,
    ExplosionGrenade,
    ExplosionMine,
    ExplosionTank,
    ExplosionTower,
    ExplosionBuilding
};
inline constexpr int explosionTypeCount = 8;

// The four chassis, the three towers, then the nine buildings, each group in its own type order.
enum class CorpseType : int {
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
    RecyclerCorpse
};
inline constexpr int corpseTypeCount = 16;

// Scenery without a constants record.
enum class LandmarkType : int { Deposit, Smoke, RedSmoke, BlueSmoke, GreenSmoke, YellowSmoke };
inline constexpr int landmarkTypeCount = 6;

} // namespace Vorn
