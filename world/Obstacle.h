// A stone or block: blocks movement and stops bullets, and is never destroyed.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/Object.h"

namespace Vorn {

namespace Constants {
struct ObstacleData;
}

class Obstacle : public Object {
public:
    using Type = ObstacleType;

    Obstacle(Type type, const Constants::ObstacleData* record) : record(record), type(type) {}

    const Constants::ObstacleData* record;
    Type type;
};

} // namespace Vorn
