// The brain of a tank. For now it only runs the tank's turret brain; driving along waypoints and the
// reactions to the turret's reports come with the tank's movement.
#pragma once

#include "ai/Brain.h"

#include <deque>

namespace Vorn {

class Object;
class Tank;

class TankBrain : public Brain {
public:
    TankBrain(World* world, Tank* tank);

    // Runs the turret brain; the tank does not move yet.
    bool Process(unsigned elapsedMs) override;
    // Switches the turret brain with the tank.
    void SetActive(bool active) override;

    // The turret's reports, forwarded by the tank.
    void OnTargetAcquired(Object* target);
    void OnLineOfFireBlocked(float targetX, float targetY);
    void OnTargetLost();
    // A bullet hit the tank, coming from the direction, with the strength of the hit.
    void OnHit(float direction, float strength);

    // Waypoint operations, as far as the tank factory needs them: the route is replaced by one point.
    struct Waypoint {
        float x;
        float y;
    };
    void SetWaypoint(float x, float y) {
        waypoints.clear();
        waypoints.push_back({x, y});
    }

    Tank* tank;
    // The route; the front is the next point to drive to.
    std::deque<Waypoint> waypoints;
    // Whether the tank moved in the last step; its dust runs only then.
    bool movedFlag = false;
};

} // namespace Vorn
