// The rules of one obstacle type: only its placement values.
#pragma once

#include "rules/PlaceableData.h"

namespace Vorn::Constants {

struct ObstacleData : virtual ObjectData, virtual PlaceableData {};

template <class Visitor> void VisitFields(ObstacleData& d, Visitor&& visit) {
    VisitFields(static_cast<PlaceableData&>(d), visit);
}

} // namespace Vorn::Constants
