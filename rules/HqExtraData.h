// The headquarters' own record; it has no values yet, its presence only fills its slot.
#pragma once

#include "rules/ObjectData.h"

namespace Vorn::Constants {

struct HqExtraData : virtual ObjectData {};

template <class Visitor> void VisitFields(HqExtraData&, Visitor&&) {}

} // namespace Vorn::Constants
