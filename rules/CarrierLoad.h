// What a tank or a tower can carry: the weights of armours and turrets against the load of a chassis or a
// tower, read from their constants records (a missing record weighs and carries 0). The factory's panel
// offers only what fits, and the data checker holds the level's tanks to the same rule.
#pragma once

#include "rules/ConstantsTable.h"
#include "rules/ObjectTypes.h"

namespace Vorn {

int WeightOf(ArmorType armor, const Constants::ConstantsTable& table = Constants::constantsTable);
int WeightOf(TurretType turret, const Constants::ConstantsTable& table = Constants::constantsTable);
int MaxLoadOf(TankType chassis, const Constants::ConstantsTable& table = Constants::constantsTable);
int MaxLoadOf(TowerType tower, const Constants::ConstantsTable& table = Constants::constantsTable);

// The armour fits the chassis.
bool Fits(TankType chassis, ArmorType armor,
          const Constants::ConstantsTable& table = Constants::constantsTable);
// The turret fits the chassis with the armour already on it.
bool Fits(TankType chassis, ArmorType armor, TurretType turret,
          const Constants::ConstantsTable& table = Constants::constantsTable);
bool Fits(TowerType tower, TurretType turret,
          const Constants::ConstantsTable& table = Constants::constantsTable);

} // namespace Vorn
