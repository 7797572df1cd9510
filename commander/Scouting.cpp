// The scouting part: a cheap tank explores until the enemy base is found, and again when contact is lost.
#include "commander/Scouting.h"

#include "command/CommandQueue.h"
#include "commander/OwnForces.h"
#include "world/Building.h"
#include "world/Tank.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

// Keeps the round's points this far inside the map.
constexpr float mapMargin = 300;
// A leg ends when the scout comes this near its point, or after this long.
constexpr float legArrival = 200;
constexpr unsigned legTimeoutMs = 60000;

MapPoint Inside(float x, float y, float halfWidth, float halfHeight) {
    return {std::clamp(x, -halfWidth + mapMargin, halfWidth - mapMargin),
            std::clamp(y, -halfHeight + mapMargin, halfHeight - mapMargin)};
}

Tank* ScoutTank(World& world, std::uint64_t serial, int side) {
    Object* object = serial != 0 ? world.FindBySerial(serial) : nullptr;
    return object != nullptr && object->side == side ? object->AsTank() : nullptr;
}

} // namespace

std::vector<MapPoint> ScoutingRound(float mapWidth, float mapHeight, MapPoint hq) {
    const float halfWidth = std::max(mapWidth / 2, mapMargin);
    const float halfHeight = std::max(mapHeight / 2, mapMargin);
    const float qx = halfWidth / 2;
    const float qy = halfHeight / 2;
    return {Inside(-hq.x, -hq.y, halfWidth, halfHeight), Inside(-qx, qy, halfWidth, halfHeight),
            Inside(qx, qy, halfWidth, halfHeight),       Inside(qx, -qy, halfWidth, halfHeight),
            Inside(-qx, -qy, halfWidth, halfHeight),     Inside(0, 0, halfWidth, halfHeight)};
}

void Commander::ThinkScouting(World& world, CommandQueue& commands) {
    const Building* headquarters = MainHeadquarters(world, side);
    if (headquarters == nullptr)
        return;
    Tank* tank = ScoutTank(world, scout, side);
    if (tank == nullptr) {
        scout = 0;
        for (Object* unit : OwnObjects(world, side, KindTank))
            if (const Tank* candidate = unit->AsTank();
                candidate != nullptr && candidate->type == TankType::ScoutTank &&
                !attacking.contains(unit->Serial()) && !defending.contains(unit->Serial())) {
                scout = unit->Serial();
                scoutLegSinceMs = 0;
                break;
            }
        tank = ScoutTank(world, scout, side);
        if (tank == nullptr)
            return;
    }
    const bool enemyKnown = !view.Structures().empty();
    const bool contactFresh =
        view.LastContactMs() != 0 && world.Clock() - view.LastContactMs() < contactLostMs;
    if (enemyKnown && contactFresh)
        return;
    const std::vector<MapPoint> round =
        ScoutingRound(world.Width(), world.Height(), {headquarters->x, headquarters->y});
    const MapPoint leg = round[scoutLeg % round.size()];
    const bool sent = scoutLegSinceMs != 0;
    const bool arrived = DistanceSquared(*tank, leg.x, leg.y) < legArrival * legArrival;
    if (sent && !arrived && world.Clock() - scoutLegSinceMs <= legTimeoutMs)
        return;
    if (sent)
        ++scoutLeg;
    // Never 0, which means "not sent yet".
    scoutLegSinceMs = world.Clock() + 1;
    const MapPoint next = round[scoutLeg % round.size()];
    Issue(commands, MoveCommand({scout}, next.x, next.y, false, 1));
}

} // namespace Vorn
