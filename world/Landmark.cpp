// Scenery with particle effects.
#include "world/Landmark.h"

#include "world/DrawingEffects.h"

namespace Vorn {

Landmark::Landmark(World* world, Type type, float x, float y, float direction, int side)
    : type(type), world(world) {
    this->x = x;
    this->y = y;
    this->direction = direction;
    this->side = side;
}

// Ended rather than only paused: a paused effect never finishes, so the world would keep it forever.
Landmark::~Landmark() {
    ReleaseDrawingEffects(effects);
}

void Landmark::Update() {
    if (!firstUpdatePending)
        return;
    firstUpdatePending = false;
    if (world)
        effects = AttachDrawingEffects(*world, drawing, x, y, direction);
}

} // namespace Vorn
