// A tank's armour.
#include "world/Armor.h"

#include "rules/ArmorData.h"

namespace Vorn {

Armor::Armor(const Constants::ArmorData* record, float baseArmor)
    : record(record), maxHitPoints((record ? record->maxArmor : 0) + baseArmor), hitPoints(maxHitPoints) {}

} // namespace Vorn
