// The tank's local path search: a fan of random candidates around a direction, the first free one becoming
// the next waypoint. Level 1 runs when the tank is blocked, level 2 when the way to a far waypoint is.
#include "ai/TankBrain.h"

#include "random/Random.h"
#include "rules/TankAIData.h"
#include "world/Angles.h"
#include "world/Tank.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {
constexpr double pi = 3.14159265358979323846;

// The number of directions a search fans out to on each side, from the data's step count. A count of 1
// or less reaches no angle below a half turn and searches nothing; a count that cannot be meant (negative,
// not a number) disables the search as well, and a huge one is held to the most the checker accepts, so
// every search ends and costs a bounded number of world queries.
float UsableSteps(float steps) {
    if (!(steps > 1))
        return 0;
    return std::min(steps, Constants::maxPathSearchSteps);
}
} // namespace

// The straight way is probed halfway to the search distance with a wider berth than the tank's own, so
// the detour starts before the tank runs into what blocks it.
void TankBrain::SearchTowardsFarWaypoint() {
    if (!tankAIData)
        return;
    const float reach = tankAIData->pfL2Minwpdst;
    const Waypoint target = waypoints.front();
    const float distance = std::sqrt(DistanceSquaredTo(target));
    // A search distance that is not positive cannot be meant, and the probe divides by the distance.
    if (!(reach > 0) || !(distance > reach))
        return;
    const float share = reach / 2 / distance;
    const float probeX = tank->x + (target.x - tank->x) * share;
    const float probeY = tank->y + (target.y - tank->y) * share;
    if (CanMoveTo(probeX, probeY, 1.5f * tank->size))
        return;
    const float bearing = std::atan2(probeX - tank->x, probeY - tank->y);
    SearchFan(bearing, UsableSteps(tankAIData->pfL2Steps), reach / 3, reach / 6);
}

void TankBrain::SearchAroundBlock() {
    if (!tankAIData)
        return;
    const float heading = static_cast<float>(tank->direction * radiansPerDegree);
    SearchFan(heading, UsableSteps(tankAIData->pfL1Steps), tankAIData->pfL1DstBase * tank->size,
              tankAIData->pfL1DstRandom * tank->size);
}

// Candidates alternate between the two sides of the centre, nearest angles first. Each draws its angle
// jitter, then its distance; the search stops at the first free one, so how many values it draws depends
// on what is free. Turns of k half-turns over the step count stay below a half turn exactly while k is
// below the count, which keeps the fan's size free of rounding.
void TankBrain::SearchFan(float centre, float steps, float baseDistance, float randomDistance) {
    const double angleStep = pi / steps;
    for (int k = 1; static_cast<float>(k) < steps; ++k) {
        const double turn = k * angleStep;
        for (const int side : {-1, +1}) {
            const double jitter = 0.5 - randomGenerator.Next();
            const float distance = baseDistance + static_cast<float>(randomGenerator.Next()) * randomDistance;
            const double angle = centre + side * (turn - jitter * angleStep);
            const float x = tank->x + distance * static_cast<float>(std::sin(angle));
            const float y = tank->y + distance * static_cast<float>(std::cos(angle));
            if (CanMoveTo(x, y, tank->size)) {
                PushFrontWaypoint(x, y);
                return;
            }
        }
    }
}

} // namespace Vorn
