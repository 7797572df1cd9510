// Every object type's name (its drawing name, its name in level files and build panels) and the slot of
// its record in the constants table.
#pragma once

#include "rules/ConstantId.h"
#include "rules/ObjectTypes.h"

#include <string>

namespace Vorn {

using Constants::ConstantId;

// Out-of-range values: chassis and armour answer the name of value 0, explosions "ExplosionCannon",
// landmines "SmallLandmine" (anything but the large one); every other kind answers "empty", and in debug
// builds the kinds without a fixed answer (towers, obstacles, corpses) abort with a message.
std::string TypeNameOf(TankType type);
std::string TypeNameOf(ArmorType type);
std::string TypeNameOf(TurretType type);
std::string TypeNameOf(BulletType type);
std::string TypeNameOf(TowerType type);
std::string TypeNameOf(BuildingType type);
std::string TypeNameOf(LandmineType type);
std::string TypeNameOf(ObstacleType type);
std::string TypeNameOf(ExplosionType type);
std::string TypeNameOf(CorpseType type);
std::string TypeNameOf(LandmarkType type);

// Out-of-range values: chassis, armour, explosions, corpses and landmines answer the id of their first
// value (landmines: anything but the large one is small). Turrets, bullets, towers, buildings and obstacles
// take only listed values: debug builds abort, release builds answer ConstantId::None, whose slot is empty.
ConstantId ConstantIdOf(TankType type);
ConstantId ConstantIdOf(ArmorType type);
ConstantId ConstantIdOf(TurretType type);
ConstantId ConstantIdOf(BulletType type);
ConstantId ConstantIdOf(TowerType type);
ConstantId ConstantIdOf(BuildingType type);
ConstantId ConstantIdOf(LandmineType type);
ConstantId ConstantIdOf(ObstacleType type);
ConstantId ConstantIdOf(ExplosionType type);
ConstantId ConstantIdOf(CorpseType type);

// The key of the building's name in the texts, used in its callsign; "Building" for values out of range.
std::string TextKeyOf(BuildingType type);

} // namespace Vorn
