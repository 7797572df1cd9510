// Scenery with particle effects: deposits and coloured smokes.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/Object.h"

#include <vector>

namespace Vorn {

class Effect;
class World;

class Landmark : public Object {
public:
    using Type = LandmarkType;

    Landmark(World* world, Type type, float x, float y, float direction, int side);
    ~Landmark() override;

    // Attaches its effects on the first update; called by the world tick.
    virtual void Update();

    Type type;
    World* world;
    bool firstUpdatePending = true;
    std::vector<Effect*> effects;
};

} // namespace Vorn
