// The commands' constructors.
#include "command/Command.h"

#include "world/Object.h"

#include <utility>

namespace Vorn {

namespace {

Command Of(CommandKind kind, std::vector<std::uint64_t> units) {
    Command command;
    command.kind = kind;
    command.units = std::move(units);
    return command;
}

Command ProductOrder(CommandKind kind, std::uint64_t producer, ProductFamily family, int product) {
    Command command = Of(kind, {producer});
    command.family = family;
    command.product = product;
    return command;
}

} // namespace

std::vector<std::uint64_t> SerialsOf(const std::vector<Object*>& objects) {
    std::vector<std::uint64_t> serials;
    serials.reserve(objects.size());
    for (const Object* object : objects)
        serials.push_back(object->Serial());
    return serials;
}

Command MoveCommand(std::vector<std::uint64_t> units, float x, float y, bool queued, float spread) {
    Command command = Of(CommandKind::Move, std::move(units));
    command.x = x;
    command.y = y;
    command.queued = queued;
    command.spread = spread;
    return command;
}

Command AttackCommand(std::vector<std::uint64_t> units, std::uint64_t target) {
    Command command = Of(CommandKind::Attack, std::move(units));
    command.target = target;
    return command;
}

Command StopCommand(std::vector<std::uint64_t> units) {
    return Of(CommandKind::Stop, std::move(units));
}

Command RallyPointCommand(std::vector<std::uint64_t> factories, float x, float y) {
    Command command = Of(CommandKind::RallyPoint, std::move(factories));
    command.x = x;
    command.y = y;
    return command;
}

Command DestroyCommand(std::vector<std::uint64_t> units) {
    return Of(CommandKind::Destroy, std::move(units));
}

Command BuildCommand(std::uint64_t headquarters, BuildingType type) {
    return ProductOrder(CommandKind::Build, headquarters, ProductFamily::Building, static_cast<int>(type));
}

Command BuildCommand(std::uint64_t defence, TowerType tower, TurretType turret) {
    Command command =
        ProductOrder(CommandKind::Build, defence, ProductFamily::Tower, static_cast<int>(tower));
    command.turret = static_cast<int>(turret);
    return command;
}

Command BuildCommand(std::uint64_t defence, LandmineType type) {
    return ProductOrder(CommandKind::Build, defence, ProductFamily::Landmine, static_cast<int>(type));
}

Command BuildCommand(std::uint64_t defence, ObstacleType type) {
    return ProductOrder(CommandKind::Build, defence, ProductFamily::Obstacle, static_cast<int>(type));
}

Command OrderTanksCommand(std::uint64_t factory, const TankOrder& design, int count) {
    Command command =
        ProductOrder(CommandKind::OrderTanks, factory, ProductFamily::Tank, static_cast<int>(design.chassis));
    command.armor = static_cast<int>(design.armor);
    command.turret = static_cast<int>(design.turret);
    command.letter = design.letter;
    command.count = count;
    return command;
}

Command PlaceCommand(std::uint64_t producer, ProductFamily family, float x, float y) {
    Command command = ProductOrder(CommandKind::Place, producer, family, 0);
    command.x = x;
    command.y = y;
    return command;
}

Command CancelOrderCommand(std::uint64_t producer, ProductFamily family) {
    return ProductOrder(CommandKind::CancelOrder, producer, family, 0);
}

Command EmptyQueueCommand(std::uint64_t factory) {
    return Of(CommandKind::EmptyQueue, {factory});
}

Command ArmoryLineCommand(std::uint64_t armory, BulletType kind, bool on) {
    Command command =
        ProductOrder(CommandKind::ArmoryLine, armory, ProductFamily::Ammunition, static_cast<int>(kind));
    command.on = on;
    return command;
}

} // namespace Vorn
