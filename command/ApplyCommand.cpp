// The door into the simulation: each kind of command to its rules.
#include "command/ApplyCommand.h"

#include "command/CommandLimits.h"
#include "command/CommandRules.h"
#include "world/World.h"

#include <cmath>

namespace Vorn {

void ApplyCommand(World& world, const Command& command) {
    if (command.side < 0 || command.side >= sideCount)
        return;
    switch (command.kind) {
    case CommandKind::Move:
        return ApplyMove(world, command);
    case CommandKind::Attack:
        return ApplyAttack(world, command);
    case CommandKind::Stop:
        return ApplyStop(world, command);
    case CommandKind::RallyPoint:
        return ApplyRallyPoint(world, command);
    case CommandKind::Destroy:
        return ApplyDestroy(world, command);
    case CommandKind::Build:
        return ApplyBuild(world, command);
    case CommandKind::OrderTanks:
        return ApplyOrderTanks(world, command);
    case CommandKind::Place:
        return ApplyPlace(world, command);
    case CommandKind::CancelOrder:
        return ApplyCancelOrder(world, command);
    case CommandKind::EmptyQueue:
        return ApplyEmptyQueue(world, command);
    case CommandKind::ArmoryLine:
        return ApplyArmoryLine(world, command);
    }
}

std::vector<Object*> OwnUnits(World& world, const Command& command) {
    std::vector<Object*> units;
    units.reserve(command.units.size());
    for (const std::uint64_t serial : command.units) {
        Object* object = world.FindBySerial(serial);
        if (object != nullptr && object->side == command.side)
            units.push_back(object);
    }
    return units;
}

Object* OwnProducer(World& world, const Command& command) {
    if (command.units.empty())
        return nullptr;
    Object* object = world.FindBySerial(command.units.front());
    return object != nullptr && object->side == command.side ? object : nullptr;
}

bool IsValidPoint(float x, float y) {
    return std::isfinite(x) && std::isfinite(y) && std::fabs(x) <= CommandLimits::maxCoordinate &&
           std::fabs(y) <= CommandLimits::maxCoordinate;
}

void RefuseOrder(World& world, const Command& command, OrderRefusal reason) {
    WorldEvent event;
    event.kind = WorldEventKind::OrderRefused;
    event.side = command.side;
    event.detail = static_cast<int>(reason);
    if (const Object* producer = OwnProducer(world, command)) {
        event.x = producer->x;
        event.y = producer->y;
        event.subject = producer->Serial();
    }
    world.Report(event);
}

} // namespace Vorn
