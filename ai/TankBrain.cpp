// Driving a tank: steering, speed, the waypoint queue and the move itself.
#include "ai/TankBrain.h"

#include "rules/ArmorData.h"
#include "rules/ConstantsTable.h"
#include "rules/TankAIData.h"
#include "rules/TankData.h"
#include "rules/TurretData.h"
#include "world/Angles.h"
#include "world/Tank.h"
#include "world/Turret.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {
// A hull within this many degrees of its waypoint's bearing does not turn any more.
constexpr float steadyAngle = 0.5f;
// Moving slower than this share of "max_speed" raises no dust.
constexpr float dustSpeed = 0.01f;
// The slowest share of "max_speed" a tank keeps, however damaged or overloaded: braking divides by the
// factor, so it must stay positive, and a tank that cannot move at all would block its side for good.
constexpr float crawlSpeedFactor = 0.05f;
} // namespace

TankBrain::TankBrain(World* world, Tank* tank)
    : Brain(world), tank(tank),
      tankAIData(Constants::constantsTable.Find<Constants::TankAIData>(Constants::ConstantId::TankAI)),
      gasAngle(tankAIData ? tankAIData->gasOnAngle : 0),
      sightBase(tank->turret ? tank->turret->brain.range : 0) {}

void TankBrain::SetActive(bool active) {
    if (tank->turret)
        tank->turret->brain.SetActive(active);
    state = active ? TankState::Holding : TankState::Inactive;
}

bool TankBrain::Process(unsigned elapsedMs) {
    const float dt = static_cast<float>(elapsedMs);
    const bool thinks = Brain::Process(elapsedMs);
    if (slowThinkDue)
        RevealFog();
    movedFlag = false;
    if (state == TankState::Holding && !waypoints.empty())
        state = TankState::Moving;
    if (state == TankState::Moving) {
        const bool gas = Steer(dt);
        if (thinks && !waypoints.empty())
            DropUnreachableWaypoint();
        DropReachedWaypoints();
        if (thinks)
            ShortenRoute();
        ChangeSpeed(gas, dt);
        if (gas && slowThinkDue && !waypoints.empty())
            SearchTowardsFarWaypoint();
        if (!Move(dt) && thinks)
            SearchAroundBlock();
        if (waypoints.empty() && speedFraction == 0)
            state = TankState::Holding;
    }
    if (tank->turret)
        tank->turret->brain.Process(elapsedMs);
    return true;
}

void TankBrain::RevealFog() {
    if (!world || !tankAIData)
        return;
    const float turretSight = tank->turret && tank->turret->record ? tank->turret->record->seeMultiplier : 0;
    world->fog.RevealFog(tank->x, tank->y, sightBase * tankAIData->seeMultiplier * turretSight, tank->side);
}

bool TankBrain::Steer(float dt) {
    if (waypoints.empty())
        return false;
    const Waypoint& next = waypoints.front();
    const float bearing = BearingOf(tank->x, tank->y, next.x, next.y);
    const float off = AngleDifference(tank->direction, bearing);
    if (std::fabs(off) > steadyAngle) {
        const float turnSpeed = tank->record ? tank->record->rotationSpeed : 0;
        const float step = dt * turnSpeed * 0.001f;
        tank->direction = TurnTowards(tank->direction, bearing, step);
        // The turret follows by the whole step even when the hull snapped onto the bearing.
        if (tank->turret)
            tank->turret->brain.FollowHullTurn(off < 0 ? step : -step);
    }
    return std::fabs(off) < gasAngle;
}

float TankBrain::DistanceSquaredTo(const Waypoint& point) const {
    const float dx = point.x - tank->x;
    const float dy = point.y - tank->y;
    return dx * dx + dy * dy;
}

// A waypoint something else stands on is given up once the tank is near enough to see it cannot get there.
void TankBrain::DropUnreachableWaypoint() {
    if (!tankAIData)
        return;
    const Waypoint next = waypoints.front();
    const float near = tankAIData->detectUnreachableWp * tank->size;
    if (DistanceSquaredTo(next) < near * near && !CanMoveTo(next.x, next.y, tank->size))
        waypoints.pop_front();
}

// Reaching a waypoint makes the brain look afresh at the way to the next, in this very step.
void TankBrain::DropReachedWaypoints() {
    while (!waypoints.empty() && DistanceSquaredTo(waypoints.front()) < tank->size * tank->size) {
        waypoints.pop_front();
        slowThinkDue = true;
    }
}

namespace {
struct Box {
    float minX, minY, maxX, maxY;
};

Box BoxOf(float x1, float y1, float x2, float y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

bool Overlap(const Box& a, const Box& b) {
    return a.minX < b.maxX && a.minY < b.maxY && b.minX < a.maxX && b.minY < a.maxY;
}
} // namespace

// A later leg that crosses the box of the leg being driven means the route doubles back: the waypoints
// before that leg are a detour the tank can skip.
void TankBrain::ShortenRoute() {
    bool shortened = true;
    while (shortened && waypoints.size() > 2) {
        shortened = false;
        const Box driving = BoxOf(tank->x, tank->y, waypoints[0].x, waypoints[0].y);
        for (std::size_t k = 2; k < waypoints.size(); ++k) {
            const Waypoint& from = waypoints[k - 1];
            const Waypoint& to = waypoints[k];
            if (Overlap(driving, BoxOf(from.x, from.y, to.x, to.y))) {
                waypoints.erase(waypoints.begin() + static_cast<std::ptrdiff_t>(k - 2),
                                waypoints.begin() + static_cast<std::ptrdiff_t>(k));
                shortened = true;
                break;
            }
        }
    }
}

// Armour, load and ammunition each weigh on the speed. An overloaded chassis, a zero "max_load" or a
// damaged record would take the product to or below zero, or to NaN; the factor is held at a crawl
// instead, since braking divides by it.
float TankBrain::SpeedFactor() const {
    const int armorWeight = tank->armor && tank->armor->record ? tank->armor->record->weight : 0;
    const int turretWeight = tank->turret && tank->turret->record ? tank->turret->record->weight : 0;
    const int maxLoad = tank->record ? tank->record->maxLoad : 0;
    const float load = static_cast<float>(armorWeight + turretWeight) / static_cast<float>(2 * maxLoad);
    const float factor = (tank->ArmorFraction() + 1) * (1 - load) * 0.5f * (1 - 0.25f * tank->AmmoFraction());
    if (!(factor > crawlSpeedFactor))
        return crawlSpeedFactor;
    return std::min(factor, 1.0f);
}

void TankBrain::ChangeSpeed(bool gas, float dt) {
    const float factor = SpeedFactor();
    if (gas) {
        speedFraction = std::min(speedFraction + dt * 0.001f * factor, factor);
        return;
    }
    speedFraction -= dt * 0.001f / factor;
    if (speedFraction < 0)
        speedFraction = 0;
}

bool TankBrain::Move(float dt) {
    const float maxSpeed = tank->record ? tank->record->maxSpeed : 0;
    const float distance = speedFraction * maxSpeed * 0.001f * dt;
    const double heading = tank->direction * radiansPerDegree;
    const float toX = tank->x + distance * static_cast<float>(std::sin(heading));
    const float toY = tank->y + distance * static_cast<float>(std::cos(heading));
    if (!CanMoveTo(toX, toY, tank->size)) {
        speedFraction = 0;
        return false;
    }
    const float fromX = tank->x;
    const float fromY = tank->y;
    if (world->RefileObject(tank, KindTank, toX, toY))
        tank->PlaceEffects(fromX, fromY);
    movedFlag = speedFraction > dustSpeed;
    return true;
}

bool TankBrain::CanMoveTo(float x, float y, float radius) const {
    return world && world->CanMoveTo(tank, x, y, radius);
}

float TankBrain::CollapseDistanceSquared() const {
    const float collapse = tankAIData ? tankAIData->waypointCollapseDst : 0;
    return collapse * collapse;
}

namespace {
bool Within(const TankBrain::Waypoint& a, float x, float y, float distanceSquared) {
    const float dx = a.x - x;
    const float dy = a.y - y;
    return dx * dx + dy * dy <= distanceSquared;
}
} // namespace

void TankBrain::SetWaypoint(float x, float y) {
    waypoints.clear();
    waypoints.push_back({x, y});
}

void TankBrain::AppendWaypoint(float x, float y) {
    if (!waypoints.empty() && Within(waypoints.back(), x, y, CollapseDistanceSquared()))
        waypoints.back() = {x, y};
    else
        waypoints.push_back({x, y});
}

void TankBrain::PushFrontWaypoint(float x, float y) {
    if (!waypoints.empty() && Within(waypoints.front(), x, y, CollapseDistanceSquared()))
        waypoints.front() = {x, y};
    else
        waypoints.push_front({x, y});
}

} // namespace Vorn
