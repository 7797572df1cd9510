// What an armory adds to a building: rearming tanks around it and the size of its stock.
#pragma once

#include "rules/ObjectData.h"

namespace Vorn::Constants {

struct ArmoryExtraData : virtual ObjectData {
    float rearmRange = 0;  // own tanks this near are rearmed
    int rearmInterval = 0; // milliseconds between rearms
    float capacity = 0;    // most total ammunition weight in stock
};

template <class Visitor> void VisitFields(ArmoryExtraData& d, Visitor&& visit) {
    visit("rearm_range", d.rearmRange);
    visit("rearm_interval", d.rearmInterval);
    visit("capacity", d.capacity);
}

} // namespace Vorn::Constants
