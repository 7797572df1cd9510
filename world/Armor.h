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

    // Hit points are the type's "max_armor" plus the chassis' base armour; a type without a record adds
    // nothing. The drawing is the type's.
    Armor(ArmorType type, float baseArmor);

    ArmorType type;
    const Constants::ArmorData* record;
    float maxHitPoints;
    float hitPoints;
};

} // namespace Vorn
