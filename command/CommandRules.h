// What the kinds of command share inside the command library: the units a command may move, and how a
// refusal is reported.
#pragma once

#include "command/Command.h"
#include "command/OrderRefusal.h"

#include <vector>

namespace Vorn {

class Object;
class World;

// The named objects still filed in the world and of the command's side, in the command's order.
std::vector<Object*> OwnUnits(World& world, const Command& command);
// The first named object, when it is filed and the command's side's; else null.
Object* OwnProducer(World& world, const Command& command);
// A finite point within reach of any map.
bool IsValidPoint(float x, float y);
// Reports OrderRefused for the command's side at the producer (when one is named) with the reason.
void RefuseOrder(World& world, const Command& command, OrderRefusal reason);

// The producer named, of the class that makes the product. When the side's own building is of another
// class the order is refused; a producer that is gone (or another side's) does nothing.
template <class Producer> Producer* ProducerOf(World& world, const Command& command) {
    Object* object = OwnProducer(world, command);
    if (object == nullptr)
        return nullptr;
    auto* producer = dynamic_cast<Producer*>(object);
    if (producer == nullptr)
        RefuseOrder(world, command, OrderRefusal::NotAProducer);
    return producer;
}

void ApplyMove(World& world, const Command& command);
void ApplyAttack(World& world, const Command& command);
void ApplyStop(World& world, const Command& command);
void ApplyRallyPoint(World& world, const Command& command);
void ApplyDestroy(World& world, const Command& command);
void ApplyBuild(World& world, const Command& command);
void ApplyOrderTanks(World& world, const Command& command);
void ApplyCancelOrder(World& world, const Command& command);
void ApplyEmptyQueue(World& world, const Command& command);
void ApplyArmoryLine(World& world, const Command& command);
void ApplyPlace(World& world, const Command& command);

} // namespace Vorn
