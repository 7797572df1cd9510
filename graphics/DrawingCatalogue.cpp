// Every name the game asks the drawing store for, from the type catalogues and the game's own marks.
#include "graphics/DrawingCatalogue.h"

#include "rules/ConstantsTable.h"
#include "rules/PlaceableData.h"
#include "rules/TankData.h"
#include "rules/TypeCatalogue.h"

namespace Vorn {

namespace {

using Constants::ConstantId;

template <class Type>
void AddTypes(std::vector<DrawnName>& names, int count, DrawnName::Kind kind, bool sized) {
    for (int value = 0; value < count; ++value) {
        const auto type = static_cast<Type>(value);
        DrawnName drawn;
        drawn.name = TypeNameOf(type);
        drawn.kind = kind;
        if constexpr (requires { ConstantIdOf(type); }) {
            if (sized) {
                drawn.sizeRecord = ConstantIdOf(type);
            }
        }
        names.push_back(drawn);
    }
}

void AddNamed(std::vector<DrawnName>& names, const std::string& name, DrawnName::Kind kind,
              int minimumVariants) {
    DrawnName drawn;
    drawn.name = name;
    drawn.kind = kind;
    drawn.minimumVariants = minimumVariants;
    names.push_back(drawn);
}

std::vector<DrawnName> Catalogue() {
    using Kind = DrawnName::Kind;
    std::vector<DrawnName> names;
    AddTypes<TankType>(names, tankTypeCount, Kind::Chassis, true);
    AddTypes<ArmorType>(names, armorTypeCount, Kind::Armour, false);
    AddTypes<TurretType>(names, turretTypeCount, Kind::Turret, false);
    AddTypes<BulletType>(names, bulletTypeCount, Kind::Bullet, false);
    AddTypes<TowerType>(names, towerTypeCount, Kind::Tower, true);
    AddTypes<BuildingType>(names, buildingTypeCount, Kind::Building, true);
    AddTypes<LandmineType>(names, landmineTypeCount, Kind::Landmine, true);
    AddTypes<ObstacleType>(names, obstacleTypeCount, Kind::Obstacle, true);
    // Stones are strewn over every map: they should not all look alike.
    names[names.size() - obstacleTypeCount].minimumVariants = 3;
    AddTypes<LandmarkType>(names, landmarkTypeCount, Kind::Landmark, false);
    AddNamed(names, "Scratch", Kind::Remains, 1);
    for (const char* debris : {"ConcretePart", "MetalPart", "TechPart"}) {
        AddNamed(names, debris, Kind::Remains, 2);
    }
    for (const char* mark : {"InfoFrame", "BuildingShadow", "Waypoint", "ExpLevel1", "ExpLevel2", "ExpLevel3",
                             "InfoBox", "BuildInfo", "empty"}) {
        AddNamed(names, mark, Kind::Interface, 1);
    }
    return names;
}

} // namespace

const std::vector<DrawnName>& DrawnNames() {
    static const std::vector<DrawnName> names = Catalogue();
    return names;
}

float ObjectSizeOf(const DrawnName& drawn, const Constants::ConstantsTable& table) {
    if (drawn.sizeRecord == ConstantId::None) {
        return 0;
    }
    if (const auto* chassis = table.Find<Constants::TankData>(drawn.sizeRecord)) {
        return chassis->size;
    }
    if (const auto* placeable = table.Find<Constants::PlaceableData>(drawn.sizeRecord)) {
        return placeable->size;
    }
    return 0;
}

} // namespace Vorn
