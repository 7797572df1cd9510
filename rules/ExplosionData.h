// The blast of one explosion kind: radius, damage at the centre, push and shockwave.
#pragma once

#include "rules/ObjectData.h"

namespace Vorn::Constants {

struct ExplosionData : virtual ObjectData {
    float effectRange = 0;     // blast radius
    float damageLevel = 0;     // damage at the centre, falling to 0 at the edge
    float forcewaveEffect = 0; // push at the centre, world units
    float ammoCoefAdd = 0;     // the damage multiplier is ammunition x ammoCoefMul + ammoCoefAdd,
    float ammoCoefMul = 0;     // and every blast is made with ammunition 0
    int shockwave = 0;         // non-zero shows the shockwave effect
};

template <class Visitor> void VisitFields(ExplosionData& d, Visitor&& visit) {
    visit("effect_range", d.effectRange);
    visit("damage_level", d.damageLevel);
    visit("forcewave_effect", d.forcewaveEffect);
    visit("ammo_coef_add", d.ammoCoefAdd);
    visit("ammo_coef_mul", d.ammoCoefMul);
    visit("shockwave", d.shockwave);
}

} // namespace Vorn::Constants
