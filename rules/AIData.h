// How often every brain thinks.
#pragma once

#include "rules/ObjectData.h"

namespace Vorn::Constants {

struct AIData : virtual ObjectData {
    int thinkTimeout = 0;     // milliseconds between regular decisions
    int slowThinkTimeout = 0; // milliseconds between slow decisions (fog, level-2 path search)
};

template <class Visitor> void VisitFields(AIData& d, Visitor&& visit) {
    visit("think_timeout", d.thinkTimeout);
    visit("slow_think_timeout", d.slowThinkTimeout);
}

} // namespace Vorn::Constants
