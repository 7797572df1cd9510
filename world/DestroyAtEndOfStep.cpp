// Destroying a tank, tower or building on purpose.
#include "world/DestroyAtEndOfStep.h"

#include "world/Object.h"

namespace Vorn {

// Only what the world removes when destroyed is marked: tanks, towers and buildings, which are the
// objects with hit points, and a tank that lost its armour, which the world removes already.
void DestroyAtEndOfStep(Object& object) {
    if (object.Health())
        object.SetHealth(0);
    else if (!object.AsTank())
        return;
    object.doomed = true;
}

} // namespace Vorn
