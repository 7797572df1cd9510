// The element name and record class of each constants slot.
#include "rules/ConstantNames.h"

#include <array>

namespace Vorn::Constants {
namespace {

constexpr std::array<std::string_view, constantSlotCount> elementNames = {"",
                                                                          "Gun1",
                                                                          "Gun2",
                                                                          "Gun3",
                                                                          "Razor1",
                                                                          "Razor2",
                                                                          "Cannon1",
                                                                          "Cannon2",
                                                                          "Rockets1",
                                                                          "Rockets2",
                                                                          "RocketsL",
                                                                          "Grenade",
                                                                          "Gauss",
                                                                          "Radar",
                                                                          "Repairer",
                                                                          "Razor2R",
                                                                          "Cannon2R",
                                                                          "Rockets2R",
                                                                          "NoArmor",
                                                                          "LightArmor",
                                                                          "AdvancedArmor",
                                                                          "HeavyArmor",
                                                                          "ScoutTank",
                                                                          "LightTank",
                                                                          "MediumTank",
                                                                          "HeavyTank",
                                                                          "SurveilanceTower",
                                                                          "SupportTower",
                                                                          "DefenseTower",
                                                                          "GunBullet",
                                                                          "RazorBullet",
                                                                          "TankBullet",
                                                                          "Rocket",
                                                                          "RocketL",
                                                                          "GrenadeBullet",
                                                                          "FOW",
                                                                          "AI",
                                                                          "TankAI",
                                                                          "TowerAI",
                                                                          "Base",
                                                                          "Outpost",
                                                                          "Defense",
                                                                          "TankFactory",
                                                                          "RepairShop",
                                                                          "Armory",
                                                                          "PowerPlant",
                                                                          "Mine",
                                                                          "Recycler",
                                                                          "HqExtra",
                                                                          "ArmoryExtra",
                                                                          "RecyclerExtra",
                                                                          "CannonExplosion",
                                                                          "RocketExplosion",
                                                                          "LargeRocketExplosion",
                                                                          "GrenadeExplosion",
                                                                          "MineExplosion",
                                                                          "TankExplosion",
                                                                          "TowerExplosion",
                                                                          "BuildingExplosion",
                                                                          "ScoutTankCorpse",
                                                                          "LightTankCorpse",
                                                                          "MediumTankCorpse",
                                                                          "HeavyTankCorpse",
                                                                          "SurveilanceTowerCorpse",
                                                                          "SupportTowerCorpse",
                                                                          "DefenseTowerCorpse",
                                                                          "BaseCorpse",
                                                                          "OutpostCorpse",
                                                                          "DefenseCorpse",
                                                                          "TankFactoryCorpse",
                                                                          "RepairShopCorpse",
                                                                          "ArmoryCorpse",
                                                                          "PowerPlantCorpse",
                                                                          "MineCorpse",
                                                                          "RecyclerCorpse",
                                                                          "SmallLandmine",
                                                                          "LargeLandmine",
                                                                          "ConcreteBlock",
                                                                          "AntitankBlock"};

// Each class owns a run of consecutive ids ending at the given last id.
struct ClassRun {
    ConstantId last;
    RecordClass recordClass;
};

constexpr std::array<ClassRun, 17> classRuns = {{
    {ConstantId::Rockets2R, RecordClass::Turret},
    {ConstantId::HeavyArmor, RecordClass::Armor},
    {ConstantId::HeavyTank, RecordClass::Tank},
    {ConstantId::DefenseTower, RecordClass::Tower},
    {ConstantId::GrenadeBullet, RecordClass::Bullet},
    {ConstantId::FOW, RecordClass::Fow},
    {ConstantId::AI, RecordClass::AI},
    {ConstantId::TankAI, RecordClass::TankAI},
    {ConstantId::TowerAI, RecordClass::TowerAI},
    {ConstantId::Recycler, RecordClass::Building},
    {ConstantId::HqExtra, RecordClass::HqExtra},
    {ConstantId::ArmoryExtra, RecordClass::ArmoryExtra},
    {ConstantId::RecyclerExtra, RecordClass::RecyclerExtra},
    {ConstantId::BuildingExplosion, RecordClass::Explosion},
    {ConstantId::RecyclerCorpse, RecordClass::Corpse},
    {ConstantId::LargeLandmine, RecordClass::Landmine},
    {ConstantId::AntitankBlock, RecordClass::Obstacle},
}};

constexpr std::array<std::string_view, 18> classNames = {"",
                                                         "TurretData",
                                                         "ArmorData",
                                                         "TankData",
                                                         "TowerData",
                                                         "BulletData",
                                                         "FowData",
                                                         "AIData",
                                                         "TankAIData",
                                                         "TowerAIData",
                                                         "BuildingData",
                                                         "HqExtraData",
                                                         "ArmoryExtraData",
                                                         "RecyclerExtraData",
                                                         "ExplosionData",
                                                         "CorpseData",
                                                         "LandmineData",
                                                         "ObstacleData"};

bool IsEntry(ConstantId id) {
    return IndexOf(id) >= IndexOf(firstConstantId) && IndexOf(id) <= IndexOf(lastConstantId);
}

} // namespace

std::string_view ConstantName(ConstantId id) {
    return IsEntry(id) ? elementNames[IndexOf(id)] : std::string_view();
}

ConstantId ConstantIdOfName(std::string_view elementName) {
    for (int index = IndexOf(firstConstantId); index <= IndexOf(lastConstantId); ++index) {
        if (elementNames[index] == elementName)
            return ConstantIdFromIndex(index);
    }
    return ConstantId::None;
}

RecordClass RecordClassOf(ConstantId id) {
    if (!IsEntry(id))
        return RecordClass::None;
    for (const ClassRun& run : classRuns) {
        if (IndexOf(id) <= IndexOf(run.last))
            return run.recordClass;
    }
    return RecordClass::None;
}

std::string_view RecordClassName(RecordClass recordClass) {
    return classNames[static_cast<int>(recordClass)];
}

} // namespace Vorn::Constants
