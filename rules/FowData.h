// The fog of war: grid spacing, how long seen ground stays clear and the fog's colour.
#pragma once

#include "rules/ObjectData.h"

namespace Vorn::Constants {

struct FowData : virtual ObjectData {
    float granularity = 0;        // spacing of the fog grid, world units
    float beforeFadeBackTime = 0; // seconds a point stays clear after it was last seen
    float fadeBackTime = 0;       // seconds from clear back to full fog
    float colorR = 0;
    float colorG = 0;
    float colorB = 0;
};

template <class Visitor> void VisitFields(FowData& d, Visitor&& visit) {
    visit("granularity", d.granularity);
    visit("before_fade_back_time", d.beforeFadeBackTime);
    visit("fade_back_time", d.fadeBackTime);
    visit("color_r", d.colorR);
    visit("color_g", d.colorG);
    visit("color_b", d.colorB);
}

} // namespace Vorn::Constants
