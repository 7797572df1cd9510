// Destroying a tank, tower or building on purpose.
#include "world/DestroyAtEndOfStep.h"

#include "world/Armor.h"
#include "world/Building.h"
#include "world/Tank.h"
#include "world/Tower.h"

namespace Vorn {

void DestroyAtEndOfStep(Object& object) {
    if (auto* building = dynamic_cast<Building*>(&object)) {
        building->hitPoints = 0;
    } else if (auto* tank = dynamic_cast<Tank*>(&object)) {
        if (tank->armor)
            tank->armor->hitPoints = 0;
    } else if (auto* tower = dynamic_cast<Tower*>(&object)) {
        tower->hitPoints = 0;
    } else {
        return;
    }
    object.doomed = true;
}

} // namespace Vorn
