// Where the camera looks when a game starts.
#include "game/StartView.h"

#include "scene/Camera.h"
#include "world/Building.h"
#include "world/World.h"

namespace Vorn {

void CentreOnHeadquarters(Camera& camera, World& world, int side) {
    if (side < 0 || side >= sideCount)
        return;
    for (const auto& [key, cell] : world.Objects(side, KindBuilding).Cells())
        for (Object* object : cell)
            if (auto* building = dynamic_cast<Building*>(object);
                building && building->type == BuildingType::Base) {
                camera.SetCentre(building->x, building->y);
                return;
            }
}

} // namespace Vorn
