// Tells the player when units of theirs are lost.
#include "interface/LossReport.h"

#include "interface/MessageLine.h"
#include "interface/Toolbar.h"

#include <string>

namespace Vorn {

void LossReport::Take(const WorldEvents& events, int side, MessageLine& messages) {
    int lost = 0;
    for (const WorldEvent& event : events)
        if ((event.kind == WorldEventKind::UnitDestroyed ||
             event.kind == WorldEventKind::BuildingDestroyed) &&
            event.side == side)
            ++lost;
    if (lost > 0)
        messages.Post(std::to_string(lost) + " " + LostText(lost));
}

// One loss reads in the singular; texts that have no singular (an older modded texts.xml) keep the plural.
std::string LossReport::LostText(int lost) {
    const std::string singular = Text("msg_unit_lost");
    return lost == 1 && singular != "msg_unit_lost" ? singular : Text("msg_units_lost");
}

} // namespace Vorn
