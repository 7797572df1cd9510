// A stone or block: blocks movement and stops bullets, and is never destroyed.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/Object.h"

namespace Vorn {

namespace Constants {
struct ObstacleData;
}

// It has no hit points and no update: bullets stop at it and blasts pass it by.
class Obstacle : public Object {
public:
    using Type = ObstacleType;

    // Of size 0 until its placer sizes it.
    Obstacle(Type type, const Constants::ObstacleData* record) : record(record), type(type) {}
    // Sized by the factor its placer gives (a level's "size", the panel's choice) times the record's
    // "size"; without a record it never blocks.
    Obstacle(Type type, const Constants::ObstacleData* record, float sizeFactor);

    const Constants::ObstacleData* record;
    Type type;
    // The drawing is scaled by it, so that what the player sees is what blocks.
    float sizeFactor = 1;
};

} // namespace Vorn
