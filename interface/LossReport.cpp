// Tells the player when units of theirs are lost.
#include "interface/LossReport.h"

#include "interface/MessageLine.h"
#include "interface/Toolbar.h"
#include "world/World.h"

namespace Vorn {

void LossReport::Update(World& world, int side, MessageLine& messages) {
    if (side < 0 || side >= sideCount)
        return;
    int count = 0;
    for (ObjectKind kind : {KindTank, KindTower, KindBuilding})
        count += static_cast<int>(world.Objects(side, kind).Count());
    // A unit made in the same step hides a loss from this count; a message for each clear loss is enough.
    if (lastCount >= 0 && count < lastCount)
        messages.Post(std::to_string(lastCount - count) + " " + Text("msg_units_lost"));
    lastCount = count;
}

} // namespace Vorn
