// The rules of one tower type: what turret it carries, its hit points and its need for power.
#pragma once

#include "rules/PlaceableData.h"

namespace Vorn::Constants {

struct TowerData : virtual ObjectData, virtual PlaceableData {
    int maxLoad = 0;           // the heaviest turret it carries
    int armor = 0;             // hit points
    float powerPlantRange = 0; // a power plant must stand this near; 0.1 or less: never powered
};

template <class Visitor> void VisitFields(TowerData& d, Visitor&& visit) {
    VisitFields(static_cast<PlaceableData&>(d), visit);
    visit("max_load", d.maxLoad);
    visit("armor", d.armor);
    visit("power_plant_range", d.powerPlantRange);
}

} // namespace Vorn::Constants
