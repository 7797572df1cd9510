// A building.
#include "world/Building.h"

#include "rules/BuildingData.h"

namespace Vorn {

Building::Building(World* world, Type type, int side, std::uint16_t callsignNumber,
                   const Constants::BuildingData* record)
    : type(type), world(world), record(record),
      maxHitPoints(record && record->maxArmor > 0 ? static_cast<unsigned>(record->maxArmor) : 0),
      hitPoints(static_cast<float>(maxHitPoints)) {
    this->side = side;
    number = callsignNumber;
    if (record)
        size = record->size;
}

Building::~Building() = default;

void Building::Update(unsigned /*elapsedMs*/) {}

float Building::HitPointFraction() const {
    return maxHitPoints == 0 ? 0 : hitPoints / maxHitPoints;
}

} // namespace Vorn
