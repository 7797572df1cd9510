// The root of everything on the map.
#include "world/Object.h"

#include "graphics/Drawing.h"

#include <algorithm>

#include <GL/gl.h>

namespace Vorn {

namespace {
constexpr SideColour sideColours[7] = {{1, 1, 1}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1},
                                       {1, 1, 0}, {0, 1, 1}, {1, 0, 1}};
} // namespace

Object::Object() = default;

Object::~Object() = default;

void Object::Draw() {
    SetSideColour(side);
    DrawRotated(drawing, direction);
}

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

void SetSideColour(int side) {
    const SideColour colour = SideColourOf(side);
    glColor3f(colour.red, colour.green, colour.blue);
}

void DrawRotated(const Drawing* drawing, float direction) {
    if (drawing)
        drawing->Draw(direction);
}

} // namespace Vorn
