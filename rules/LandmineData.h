// The rules of one landmine type: trigger radius and countdown, besides its placement.
#pragma once

#include "rules/PlaceableData.h"

namespace Vorn::Constants {

struct LandmineData : virtual ObjectData, virtual PlaceableData {
    float range = 0;   // an enemy this near triggers it
    int countdown = 0; // milliseconds from trigger to detonation
};

template <class Visitor> void VisitFields(LandmineData& d, Visitor&& visit) {
    VisitFields(static_cast<PlaceableData&>(d), visit);
    visit("range", d.range);
    visit("countdown", d.countdown);
}

} // namespace Vorn::Constants
