// The wreck a destroyed unit leaves: how many debris pieces of each material and how long they last.
#pragma once

#include "rules/ObjectData.h"

namespace Vorn::Constants {

struct CorpseData : virtual ObjectData {
    int concreteParts = 0;
    int concretePartsRandom = 0; // up to this many more
    int technologyParts = 0;
    int technologyPartsRandom = 0;
    int metalParts = 0;
    int metalPartsRandom = 0;
    int timeBase = 0;   // lifetime of a piece, milliseconds
    int timeRandom = 0; // up to this much longer
};

template <class Visitor> void VisitFields(CorpseData& d, Visitor&& visit) {
    visit("concrete_parts", d.concreteParts);
    visit("concrete_parts_random", d.concretePartsRandom);
    visit("technology_parts", d.technologyParts);
    visit("technology_parts_random", d.technologyPartsRandom);
    visit("metal_parts", d.metalParts);
    visit("metal_parts_random", d.metalPartsRandom);
    visit("time_base", d.timeBase);
    visit("time_random", d.timeRandom);
}

} // namespace Vorn::Constants
