// The rules of one building type: sight, repair, income, hit points and its need for power.
#pragma once

#include "rules/PlaceableData.h"

namespace Vorn::Constants {

struct BuildingData : virtual ObjectData, virtual PlaceableData {
    float seeRange = 0;     // sight radius
    float repairEffect = 0; // hit points per second given to own tanks in range
    float repairRange = 0;
    int moneyGenerated = 0;    // income per 10 seconds at full health when powered
    int maxArmor = 0;          // hit points
    float powerPlantRange = 0; // a power plant must stand this near; 0.1 or less: needs no power
};

template <class Visitor> void VisitFields(BuildingData& d, Visitor&& visit) {
    VisitFields(static_cast<PlaceableData&>(d), visit);
    visit("see_range", d.seeRange);
    visit("repair_effect", d.repairEffect);
    visit("repair_range", d.repairRange);
    visit("money_generated", d.moneyGenerated);
    visit("max_armor", d.maxArmor);
    visit("power_plant_range", d.powerPlantRange);
}

} // namespace Vorn::Constants
