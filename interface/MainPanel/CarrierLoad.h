// What a tank or a tower can carry: the weights of armours and turrets against the load of a chassis or a
// tower, read from their constants records (a missing record weighs and carries 0).
#pragma once

#include "rules/ObjectTypes.h"

namespace Vorn::MainPanel {

int WeightOf(ArmorType armor);
int WeightOf(TurretType turret);
int MaxLoadOf(TankType chassis);
int MaxLoadOf(TowerType tower);

// The armour fits the chassis.
bool Fits(TankType chassis, ArmorType armor);
// The turret fits the chassis with the armour already on it.
bool Fits(TankType chassis, ArmorType armor, TurretType turret);
bool Fits(TowerType tower, TurretType turret);

} // namespace Vorn::MainPanel
