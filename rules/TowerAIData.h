// The tower brain's tuning.
#pragma once

#include "rules/ObjectData.h"

namespace Vorn::Constants {

struct TowerAIData : virtual ObjectData {
    float seeMultiplier = 0; // factor on the turret's range for the tower's sight
};

template <class Visitor> void VisitFields(TowerAIData& d, Visitor&& visit) {
    visit("see_multiplier", d.seeMultiplier);
}

} // namespace Vorn::Constants
