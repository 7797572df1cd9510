// Placing what a headquarters or a defence building has finished: judged by the placement rules for the
// side at the point, then made there and the order cleared.
#include "command/CommandRules.h"
#include "world/CreateBuilding.h"
#include "world/Defence.h"
#include "world/HQ.h"
#include "world/PlaceObjects.h"
#include "world/PlacementCheck.h"
#include "world/World.h"

#include <optional>

namespace Vorn {

namespace {

void ReportRefusedPlace(World& world, const Command& command, PlacementStatus status) {
    WorldEvent event;
    event.kind = WorldEventKind::PlacementRefused;
    event.side = command.side;
    event.x = command.x;
    event.y = command.y;
    event.detail = static_cast<int>(status);
    if (const Object* producer = OwnProducer(world, command))
        event.subject = producer->Serial();
    world.Report(event);
}

// True when the product may stand at the command's point; otherwise the refusal is reported.
bool MayPlace(World& world, const Command& command, const std::optional<PlacementRules>& rules) {
    if (!IsValidPoint(command.x, command.y)) {
        RefuseOrder(world, command, OrderRefusal::BadPoint);
        return false;
    }
    if (!rules) {
        RefuseOrder(world, command, OrderRefusal::NotFinished);
        return false;
    }
    const PlacementStatus status = CheckPlacement(world, *rules, command.side, command.x, command.y);
    if (status != placementAllowed) {
        ReportRefusedPlace(world, command, status);
        return false;
    }
    return true;
}

Placement PlacementOf(const Command& command) {
    Placement placement;
    placement.x = command.x;
    placement.y = command.y;
    placement.side = command.side;
    return placement;
}

template <class T> bool IsFinished(const IBuildProgress<T>& slot) {
    return slot.active && slot.IsComplete();
}

void PlaceBuildingOrder(World& world, const Command& command) {
    HQ* hq = ProducerOf<HQ>(world, command);
    if (hq == nullptr)
        return;
    auto& slot = hq->Slot();
    if (!IsFinished(slot))
        return RefuseOrder(world, command, OrderRefusal::NotFinished);
    if (!MayPlace(world, command, PlacementRulesOf(slot.type)))
        return;
    PlaceBuilding(world, PlacementOf(command), slot.type, nextCallsign);
    slot.Clear();
}

// A tower takes the side's next tower callsign.
void PlaceTowerOrder(World& world, Defence& defence, const Command& command) {
    if (!IsFinished(defence.TowerSlot()) || !IsFinished(defence.TurretSlot()))
        return RefuseOrder(world, command, OrderRefusal::NotFinished);
    if (!MayPlace(world, command, PlacementRulesOf(defence.TowerSlot().type)))
        return;
    Placement placement = PlacementOf(command);
    placement.number = static_cast<std::uint16_t>(world.sides[command.side].nextTowerCallsign++);
    PlaceTower(world, placement, defence.TowerSlot().type, defence.TurretSlot().type);
    defence.TowerSlot().Clear();
    defence.TurretSlot().Clear();
}

void PlaceLandmineOrder(World& world, Defence& defence, const Command& command) {
    auto& slot = defence.LandmineSlot();
    if (!IsFinished(slot))
        return RefuseOrder(world, command, OrderRefusal::NotFinished);
    if (!MayPlace(world, command, PlacementRulesOf(slot.type)))
        return;
    PlaceLandmine(world, PlacementOf(command), slot.type);
    slot.Clear();
}

void PlaceObstacleOrder(World& world, Defence& defence, const Command& command) {
    auto& slot = defence.ObstacleSlot();
    if (!IsFinished(slot))
        return RefuseOrder(world, command, OrderRefusal::NotFinished);
    if (!MayPlace(world, command, PlacementRulesOf(slot.type)))
        return;
    PlaceObstacle(world, PlacementOf(command), slot.type, 1.0f);
    slot.Clear();
}

} // namespace

void ApplyPlace(World& world, const Command& command) {
    if (command.family == ProductFamily::Building)
        return PlaceBuildingOrder(world, command);
    if (command.family != ProductFamily::Tower && command.family != ProductFamily::Landmine &&
        command.family != ProductFamily::Obstacle)
        return RefuseOrder(world, command, OrderRefusal::UnknownProduct);
    Defence* defence = ProducerOf<Defence>(world, command);
    if (defence == nullptr)
        return;
    if (command.family == ProductFamily::Tower)
        PlaceTowerOrder(world, *defence, command);
    else if (command.family == ProductFamily::Landmine)
        PlaceLandmineOrder(world, *defence, command);
    else
        PlaceObstacleOrder(world, *defence, command);
}

} // namespace Vorn
