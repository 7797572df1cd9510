// How a tank answers its turret's reports and the hits it takes. A reaction only ever fills an empty
// route: the player's orders always come first.
#include "ai/TankBrain.h"

#include "random/Random.h"
#include "rules/TankAIData.h"
#include "world/Angles.h"
#include "world/Tank.h"
#include "world/Turret.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {
float NextRandom() {
    return static_cast<float>(randomGenerator.Next());
}
} // namespace

void TankBrain::ReactWith(float x, float y) {
    if (waypoints.empty())
        waypoints.push_back({x, y});
}

// A third of the way to the target, pushed up to another third towards +x and +y.
void TankBrain::OnTargetAcquired(const Object* target) {
    if (!waypoints.empty() || !target)
        return;
    const float distance = std::sqrt(DistanceSquared(*target, tank->x, tank->y));
    const float r1 = NextRandom();
    const float r2 = NextRandom();
    ReactWith(tank->x + (target->x - tank->x) / 3 + r1 * distance / 3,
              tank->y + (target->y - tank->y) / 3 + r2 * distance / 3);
}

// A quarter turn either way off the line from the target, at most eight tank sizes out.
void TankBrain::OnLineOfFireBlocked(float targetX, float targetY) {
    if (!waypoints.empty())
        return;
    float vx = tank->x - targetX;
    float vy = tank->y - targetY;
    const float length = std::sqrt(vx * vx + vy * vy);
    const float longest = 8 * tank->size;
    if (length > longest) {
        vx *= longest / length;
        vy *= longest / length;
    }
    const double turn = (static_cast<int>(2 * randomGenerator.Next()) != 0 ? 90 : -90) * radiansPerDegree;
    const float c = static_cast<float>(std::cos(turn));
    const float s = static_cast<float>(std::sin(turn));
    ReactWith(tank->x + vx * c - vy * s, tank->y + vx * s + vy * c);
}

// Hunts an enemy beyond its sight but within an angry one: of four random points around it, the nearest.
void TankBrain::OnTargetLost() {
    if (!waypoints.empty() || !world || !tankAIData)
        return;
    const Object* enemy =
        world->FindNearestEnemy(tank->x, tank->y, sightBase * tankAIData->angryVisibilityMul, tank->side);
    if (!enemy || std::sqrt(DistanceSquared(*enemy, tank->x, tank->y)) < 0.7f * sightBase)
        return;
    Waypoint best{};
    float bestDistanceSquared = 0;
    for (int candidate = 0; candidate < 4; ++candidate) {
        const float r1 = NextRandom();
        const float r2 = NextRandom();
        const Waypoint point{enemy->x - 0.3f * sightBase + r1 * 0.6f * sightBase,
                             enemy->y - 0.3f * sightBase + r2 * 0.6f * sightBase};
        const float distanceSquared = DistanceSquaredTo(point);
        if (candidate == 0 || distanceSquared < bestDistanceSquared) {
            best = point;
            bestDistanceSquared = distanceSquared;
        }
    }
    AppendWaypoint(best.x, best.y);
}

// The weaker the hit, the farther the tank goes: towards the shooter when it can shoot back, away when it
// cannot. A hit stronger than 1 (a veteran's shell) would turn the way round, so the distance stops at 0.
void TankBrain::OnHit(float direction, float strength) {
    if (waypoints.empty() && tank->turret) {
        const TurretBrain& turretBrain = tank->turret->brain;
        float distance = std::max(0.0f, 1 - strength) * turretBrain.range;
        if (!turretBrain.IsArmed())
            distance = -distance;
        const double heading = direction * radiansPerDegree;
        ReactWith(tank->x + distance * static_cast<float>(std::sin(heading)),
                  tank->y + distance * static_cast<float>(std::cos(heading)));
    }
    if (tank->turret)
        tank->turret->brain.Provoke();
}

} // namespace Vorn
