// One tank ordered from a factory: its three parts and the group letter of its callsign.
#pragma once

#include "rules/ObjectTypes.h"

namespace Vorn {

struct TankOrder {
    TankType chassis = TankType::ScoutTank;
    TurretType turret = TurretType::Gun1;
    ArmorType armor = ArmorType::NoArmor;
    char letter = 0;
};

} // namespace Vorn
