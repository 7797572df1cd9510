// A tank.
#include "world/Tank.h"

#include "rules/TankData.h"

namespace Vorn {

Tank::Tank(World* world, TankType type, int side, std::uint16_t callsignNumber,
           const Constants::TankData* record)
    : record(record), world(world), type(type) {
    this->side = side;
    number = callsignNumber;
    if (record)
        size = record->size;
}

Tank::~Tank() = default;

void Tank::Update(unsigned /*elapsedMs*/) {}

float Tank::ArmorFraction() const {
    if (!armor || armor->maxHitPoints <= 0)
        return 0;
    return armor->hitPoints / armor->maxHitPoints;
}

} // namespace Vorn
