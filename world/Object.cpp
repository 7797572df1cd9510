// The root of everything on the map.
#include "world/Object.h"

#include <algorithm>

namespace Vorn {

namespace {
constexpr SideColour sideColours[7] = {{1, 1, 1}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1},
                                       {1, 1, 0}, {0, 1, 1}, {1, 0, 1}};
} // namespace

Object::Object() = default;

Object::~Object() = default;

void Harm(Object& object, float amount) {
    if (const std::optional<HitPoints> health = object.Health())
        object.SetHealth(health->current - amount);
}

void Repair(Object& object, float amount) {
    if (const std::optional<HitPoints> health = object.Health())
        object.SetHealth(std::min(health->maximum, health->current + amount));
}

float HitPointFraction(const Object& object) {
    const std::optional<HitPoints> health = object.Health();
    return health ? health->Fraction() : 0;
}

SideColour SideColourOf(int side) {
    if (side < 0 || side > 6)
        return sideColours[0];
    return sideColours[side];
}

} // namespace Vorn
