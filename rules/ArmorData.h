// The rules of one armour type: the hit points it adds and what it costs to carry and build.
#pragma once

#include "rules/ObjectData.h"

namespace Vorn::Constants {

struct ArmorData : virtual ObjectData {
    int maxArmor = 0; // hit points added to the chassis' own
    int weight = 0;   // counts against the chassis' load
    int price = 0;
    int buildTime = 0; // milliseconds
};

template <class Visitor> void VisitFields(ArmorData& d, Visitor&& visit) {
    visit("max_armor", d.maxArmor);
    visit("weight", d.weight);
    visit("price", d.price);
    visit("build_time", d.buildTime);
}

} // namespace Vorn::Constants
