// A tower.
#include "world/Tower.h"

#include "rules/TowerData.h"

namespace Vorn {

Tower::Tower(World* world, TowerType type, int side, std::uint16_t callsignNumber,
             const Constants::TowerData* record)
    : record(record), world(world), hitPoints(record ? record->armor : 0), type(type) {
    this->side = side;
    number = callsignNumber;
    if (record)
        size = record->size;
}

void Tower::Update(unsigned /*elapsedMs*/) {}

float Tower::ArmorFraction() const {
    if (!record || record->armor <= 0)
        return 0;
    return hitPoints / record->armor;
}

} // namespace Vorn
