// The tank brain's steering and local path search tuning.
#pragma once

#include "rules/ObjectData.h"

namespace Vorn::Constants {

struct TankAIData : virtual ObjectData {
    float gasOnAngle = 0;          // accelerate only while heading this near the next waypoint
    float detectUnreachableWp = 0; // in tank sizes: how near an occupied waypoint is dropped
    float pfL1Steps = 0;           // angular steps of the search when blocked
    float pfL1DstBase = 0;         // in tank sizes
    float pfL1DstRandom = 0;       // in tank sizes
    float pfL2Steps = 0;           // angular steps of the search towards far waypoints
    float pfL2Minwpdst = 0;        // world units; nearer waypoints skip that search
    float angryVisibilityMul = 0;  // sight factor when hunting a lost target
    float waypointCollapseDst = 0; // world units; nearer waypoints merge
    float seeMultiplier = 0;       // factor on the sight of tanks
};

// The most directions a path search fans out to; larger step counts are held to it, so that a search's cost
// stays bounded.
inline constexpr float maxPathSearchSteps = 360;

template <class Visitor> void VisitFields(TankAIData& d, Visitor&& visit) {
    visit("gas_on_angle", d.gasOnAngle);
    visit("detect_unreachable_wp", d.detectUnreachableWp);
    visit("pf_l1_steps", d.pfL1Steps);
    visit("pf_l1_dst_base", d.pfL1DstBase);
    visit("pf_l1_dst_random", d.pfL1DstRandom);
    visit("pf_l2_steps", d.pfL2Steps);
    visit("pf_l2_minwpdst", d.pfL2Minwpdst);
    visit("angry_visibility_mul", d.angryVisibilityMul);
    visit("waypoint_collapse_dst", d.waypointCollapseDst);
    visit("see_multiplier", d.seeMultiplier);
}

} // namespace Vorn::Constants
