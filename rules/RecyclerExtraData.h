// What a recycler earns from the debris of wrecks around it.
#pragma once

#include "rules/ObjectData.h"

namespace Vorn::Constants {

struct RecyclerExtraData : virtual ObjectData {
    int corpseMoney = 0;   // money per debris piece and half second
    float corpseRange = 0; // debris this near earns money
};

template <class Visitor> void VisitFields(RecyclerExtraData& d, Visitor&& visit) {
    visit("corpse_money", d.corpseMoney);
    visit("corpse_range", d.corpseRange);
}

} // namespace Vorn::Constants
