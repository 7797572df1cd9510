// Every object type's name and constants slot.
#include "rules/TypeCatalogue.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace Vorn {
namespace {

constexpr std::array<std::string_view, tankTypeCount> tankNames = {"ScoutTank", "LightTank", "MediumTank",
                                                                   "HeavyTank"};
constexpr std::array<std::string_view, armorTypeCount> armorNames = {"NoArmor", "LightArmor", "AdvancedArmor",
                                                                     "HeavyArmor"};
constexpr std::array<std::string_view, turretTypeCount> turretNames = {
    "Gun1",     "Gun2",    "Gun3",  "Razor1", "Razor2",   "Cannon1", "Cannon2",  "Rockets1", "Rockets2",
    "RocketsL", "Grenade", "Gauss", "Radar",  "Repairer", "Razor2R", "Cannon2R", "Rockets2R"};
constexpr std::array<std::string_view, bulletTypeCount> bulletNames = {
    "GunBullet", "RazorBullet", "TankBullet", "Rocket", "RocketL", "GrenadeBullet"};
constexpr std::array<std::string_view, towerTypeCount> towerNames = {"SurveilanceTower", "SupportTower",
                                                                     "DefenseTower"};
constexpr std::array<std::string_view, buildingTypeCount> buildingNames = {
    "Base", "Outpost", "Defense", "TankFactory", "RepairShop", "Armory", "PowerPlant", "Mine", "Recycler"};
constexpr std::array<std::string_view, buildingTypeCount> buildingTextKeys = {
    "Base", "Outpost", "Defense", "Factory", "Repair", "Armory", "Power", "Mine", "Recycler"};
constexpr std::array<std::string_view, landmineTypeCount> landmineNames = {"SmallLandmine", "LargeLandmine"};
constexpr std::array<std::string_view, obstacleTypeCount> obstacleNames = {"Stone", "ConcreteBlock",
                                                                           "AntitankBlock"};
constexpr std::array<std::string_view, explosionTypeCount> explosionNames = {
    "ExplosionCannon", "ExplosionRocket", "ExplosionLargeRocket", "ExplosionGrenade",
    "ExplosionMine",   "ExplosionTank",   "ExplosionTower",       "ExplosionBuilding"};
constexpr std::array<std::string_view, corpseTypeCount> corpseNames = {
    "ScoutTankCorpse",        "LightTankCorpse",    "MediumTankCorpse",   "HeavyTankCorpse",
    "SurveilanceTowerCorpse", "SupportTowerCorpse", "DefenseTowerCorpse", "BaseCorpse",
    "OutpostCorpse",          "DefenseCorpse",      "TankFactoryCorpse",  "RepairShopCorpse",
    "ArmoryCorpse",           "PowerPlantCorpse",   "MineCorpse",         "RecyclerCorpse"};
constexpr std::array<std::string_view, landmarkTypeCount> landmarkNames = {
    "Deposit", "Smoke", "RedSmoke", "BlueSmoke", "GreenSmoke", "YellowSmoke"};

constexpr std::string_view emptyName = "empty";

template <class Type> constexpr int IndexOf(Type type) {
    return static_cast<int>(type);
}

template <class Type> constexpr bool InRange(Type type, int count) {
    return IndexOf(type) >= 0 && IndexOf(type) < count;
}

// Callers only pass listed values of these kinds; a stray one is a bug worth stopping for while
// developing, and in a release build it falls through to an answer that finds no record.
void RejectOutOfRange([[maybe_unused]] const char* what, [[maybe_unused]] int value) {
#ifndef NDEBUG
    std::fprintf(stderr, "%s: value %d is not a listed type\n", what, value);
    std::abort();
#endif
}

template <class Type, std::size_t N>
std::string NameOrEmpty(const std::array<std::string_view, N>& names, Type type, const char* rejectAs) {
    if (InRange(type, static_cast<int>(N)))
        return std::string(names[IndexOf(type)]);
    if (rejectAs)
        RejectOutOfRange(rejectAs, IndexOf(type));
    return std::string(emptyName);
}

template <class Type> ConstantId IdInRange(Type type, int count, ConstantId first, const char* rejectAs) {
    if (InRange(type, count))
        return Constants::ConstantIdFromIndex(Constants::IndexOf(first) + IndexOf(type));
    RejectOutOfRange(rejectAs, IndexOf(type));
    return ConstantId::None;
}

template <class Type> ConstantId IdOrFirst(Type type, int count, ConstantId first) {
    int offset = InRange(type, count) ? IndexOf(type) : 0;
    return Constants::ConstantIdFromIndex(Constants::IndexOf(first) + offset);
}

} // namespace

std::string TypeNameOf(TankType type) {
    return std::string(tankNames[InRange(type, tankTypeCount) ? IndexOf(type) : 0]);
}

std::string TypeNameOf(ArmorType type) {
    return std::string(armorNames[InRange(type, armorTypeCount) ? IndexOf(type) : 0]);
}

std::string TypeNameOf(TurretType type) {
    return NameOrEmpty(turretNames, type, nullptr);
}
std::string TypeNameOf(BulletType type) {
    return NameOrEmpty(bulletNames, type, nullptr);
}
std::string TypeNameOf(TowerType type) {
    return NameOrEmpty(towerNames, type, "TypeNameOf(TowerType)");
}
std::string TypeNameOf(BuildingType type) {
    return NameOrEmpty(buildingNames, type, nullptr);
}

std::string TypeNameOf(LandmineType type) {
    return std::string(landmineNames[type == LandmineType::LargeLandmine ? 1 : 0]);
}

std::string TypeNameOf(ObstacleType type) {
    return NameOrEmpty(obstacleNames, type, "TypeNameOf(ObstacleType)");
}

std::string TypeNameOf(ExplosionType type) {
    return std::string(explosionNames[InRange(type, explosionTypeCount) ? IndexOf(type) : 0]);
}

std::string TypeNameOf(CorpseType type) {
    return NameOrEmpty(corpseNames, type, "TypeNameOf(CorpseType)");
}
std::string TypeNameOf(LandmarkType type) {
    return NameOrEmpty(landmarkNames, type, nullptr);
}

ConstantId ConstantIdOf(TankType type) {
    return IdOrFirst(type, tankTypeCount, ConstantId::ScoutTank);
}
ConstantId ConstantIdOf(ArmorType type) {
    return IdOrFirst(type, armorTypeCount, ConstantId::NoArmor);
}

ConstantId ConstantIdOf(TurretType type) {
    return IdInRange(type, turretTypeCount, ConstantId::Gun1, "ConstantIdOf(TurretType)");
}

ConstantId ConstantIdOf(BulletType type) {
    return IdInRange(type, bulletTypeCount, ConstantId::GunBullet, "ConstantIdOf(BulletType)");
}

ConstantId ConstantIdOf(TowerType type) {
    return IdInRange(type, towerTypeCount, ConstantId::SurveilanceTower, "ConstantIdOf(TowerType)");
}

ConstantId ConstantIdOf(BuildingType type) {
    return IdInRange(type, buildingTypeCount, ConstantId::Base, "ConstantIdOf(BuildingType)");
}

ConstantId ConstantIdOf(LandmineType type) {
    return type == LandmineType::LargeLandmine ? ConstantId::LargeLandmine : ConstantId::SmallLandmine;
}

ConstantId ConstantIdOf(ObstacleType type) {
    switch (type) {
    case ObstacleType::Stone:
    case ObstacleType::ConcreteBlock:
        return ConstantId::ConcreteBlock;
    case ObstacleType::AntitankBlock:
        return ConstantId::AntitankBlock;
    }
    RejectOutOfRange("ConstantIdOf(ObstacleType)", IndexOf(type));
    return ConstantId::None;
}

ConstantId ConstantIdOf(ExplosionType type) {
    return IdOrFirst(type, explosionTypeCount, ConstantId::CannonExplosion);
}

ConstantId ConstantIdOf(CorpseType type) {
    return IdOrFirst(type, corpseTypeCount, ConstantId::ScoutTankCorpse);
}

std::string TextKeyOf(BuildingType type) {
    if (InRange(type, buildingTypeCount))
        return std::string(buildingTextKeys[IndexOf(type)]);
    return "Building";
}

} // namespace Vorn
