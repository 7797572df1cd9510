// The selection and the presses on the map.
#include "interface/MapOverlay.h"

#include "world/World.h"

#include <algorithm>

namespace Vorn {

MapOverlay::MapOverlay(Interface*, World* world, Camera*) : world(world) {}

void MapOverlay::PressAt(float, float, int) {
    ++presses;
}

void MapOverlay::Select(const std::vector<Object*>& objects) {
    selected.clear();
    selection.clear();
    for (Object* object : objects) {
        selected.emplace_back(object);
        selection.push_back(object);
    }
}

void MapOverlay::Update(unsigned) {
    std::erase_if(selected, [this](const ObjectRef& object) { return !world->ContainsAnywhere(object); });
    selection.clear();
    for (const ObjectRef& object : selected) {
        selection.push_back(object.Get());
    }
}

} // namespace Vorn
