// Scenery with particle effects.
#include "world/Landmark.h"

#include "world/Effect.h"

namespace Vorn {

Landmark::Landmark(World* world, Type type, float x, float y, float direction, int side)
    : type(type), world(world) {
    this->x = x;
    this->y = y;
    this->direction = direction;
    this->side = side;
}

// The effects stay in the world to fade out; they are only paused here.
Landmark::~Landmark() {
    for (Effect* effect : effects)
        effect->Pause();
}

void Landmark::Update() {
    firstUpdatePending = false;
}

} // namespace Vorn
