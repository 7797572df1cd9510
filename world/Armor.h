// A tank's armour: it holds the tank's hit points.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/Object.h"

namespace Vorn {

namespace Constants {
struct ArmorData;
}

class Armor : public Object {
public:
    using ArmorType = Vorn::ArmorType;

    // Hit points are the armour's "max_armor" plus the chassis' base armour; a missing record adds nothing.
    Armor(const Constants::ArmorData* record, float baseArmor);

    const Constants::ArmorData* record;
    float maxHitPoints;
    float hitPoints;
};

} // namespace Vorn
