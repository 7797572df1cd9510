// A stone or block.
#include "world/Obstacle.h"

#include "rules/ObstacleData.h"

namespace Vorn {

Obstacle::Obstacle(Type type, const Constants::ObstacleData* record, float sizeFactor)
    : Obstacle(type, record) {
    this->sizeFactor = sizeFactor;
    size = record ? sizeFactor * record->size : 0;
}

} // namespace Vorn
