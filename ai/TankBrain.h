// The brain of a tank: steers the hull along a queue of waypoints with a speed that damage, load and
// ammunition lower, drops waypoints it reached or cannot reach, shortens routes that double back, finds
// its way around whatever blocks it with a local randomised search, reacts to its turret's reports and runs
// the turret brain at the end of each step.
#pragma once

#include "ai/Brain.h"
#include "ai/TankState.h"

#include <deque>
#include <utility>

namespace Vorn {

class Object;
class Tank;
namespace Constants {
struct TankAIData;
}

class TankBrain : public Brain {
public:
    struct Waypoint {
        float x;
        float y;
    };

    // Built last in its tank: reads the turret brain's range as the base of the tank's sight.
    TankBrain(World* world, Tank* tank);

    // One step: steering, waypoints, speed, the local searches, the move, then the turret brain. Always
    // true.
    bool Process(unsigned elapsedMs) override;
    // Asks for the waypoint the next step steers towards: the queue's blocks lie elsewhere on the heap, and
    // the world's tank walk asks a few tanks ahead.
    void PrefetchNextWaypoint() const {
        if (!waypoints.empty())
            __builtin_prefetch(&waypoints.front());
    }
    // Switches the tank and its turret brain on (holding) or off (inactive).
    void SetActive(bool active) override;

    // --- Waypoints. A new point within "waypoint_collapse_dst" of the neighbour it would be placed next to
    // replaces that neighbour, so repeated orders and detours do not pile up.
    // The route becomes this one point.
    void SetWaypoint(float x, float y);
    void AppendWaypoint(float x, float y);
    void PushFrontWaypoint(float x, float y);
    // Drops the whole route: the tank brakes and holds where it comes to rest.
    void ClearWaypoints() { waypoints.clear(); }
    // The route becomes exactly these points, front first, none merged: a route taken up as it stood.
    void RestoreRoute(std::deque<Waypoint> route) { waypoints = std::move(route); }
    // The route, front first.
    const std::deque<Waypoint>& Waypoints() const { return waypoints; }

    // --- The turret's reports, forwarded by the tank. Each only fills an empty route, so none replaces an
    // order.
    // Closes in a third of the way, with a random offset.
    void OnTargetAcquired(const Object* target);
    // Sidesteps across the line of fire.
    void OnLineOfFireBlocked(float targetX, float targetY);
    // Hunts the nearest enemy within an angry sight.
    void OnTargetLost();
    // A bullet coming from the direction hit with the strength: an armed tank turns on the shooter, an
    // unarmed one flees; the turret is provoked either way.
    void OnHit(float direction, float strength);

    // The share of "max_speed" the tank reaches: 1 for a new, unloaded, unarmed tank, less with damage,
    // load and ammunition, never below a crawl.
    float SpeedFactor() const;

    Tank* tank;
    TankState state = TankState::Inactive;
    const Constants::TankAIData* tankAIData;
    float speedFraction = 0;
    // Whether the tank moved in this step at more than a crawl; its dust runs only then.
    bool movedFlag = false;
    float gasAngle;
    float sightBase;

private:
    // Only the operations above change it, so every order and reaction keeps the merging rule.
    std::deque<Waypoint> waypoints;

    void RevealFog();
    // Turns the hull towards the next waypoint; true when it is near enough in line to accelerate.
    bool Steer(float dt);
    void DropUnreachableWaypoint();
    void DropReachedWaypoints();
    void ShortenRoute();
    void ChangeSpeed(bool gas, float dt);
    // Level 2: a far waypoint whose straight way is blocked gets a detour point in front of it.
    void SearchTowardsFarWaypoint();
    // Moves along the heading; false when the way is blocked and the tank stopped dead.
    bool Move(float dt);
    // Level 1: a blocked tank looks for a free point around its heading.
    void SearchAroundBlock();
    // Tries candidates at angles (radians) on both sides of `centre`, half a turn over `steps` apart, at
    // the base distance plus a random share of the random one; the first free one becomes the front
    // waypoint. Searches nothing when steps is 0.
    void SearchFan(float centre, float steps, float baseDistance, float randomDistance);
    bool CanMoveTo(float x, float y, float radius) const;
    float CollapseDistanceSquared() const;
    float DistanceSquaredTo(const Waypoint& point) const;
    // The waypoint the tank makes for after a reaction, unless it already has a route.
    void ReactWith(float x, float y);
};

} // namespace Vorn
