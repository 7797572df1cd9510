// The main panel's production orders: starting an order, queueing tanks, cancelling, emptying a queue,
// and an armory's ammunition lines. Money is not checked here: paying is the producer's business, and an
// order the side cannot pay for waits as it always has.
#include "command/CommandLimits.h"
#include "command/CommandRules.h"
#include "rules/CarrierLoad.h"
#include "world/Armory.h"
#include "world/Defence.h"
#include "world/HQ.h"
#include "world/TankFactory.h"
#include "world/World.h"

namespace Vorn {

namespace {

bool InRange(int index, int count) {
    return index >= 0 && index < count;
}

// One product at a time per slot: a second order would take the money the first has paid.
template <class T> bool StartIfFree(World& world, const Command& command, IBuildProgress<T>& slot, T type) {
    if (slot.active) {
        RefuseOrder(world, command, OrderRefusal::Busy);
        return false;
    }
    slot.StartProduction(type);
    return true;
}

void BuildBuilding(World& world, const Command& command) {
    if (!InRange(command.product, buildingTypeCount))
        return RefuseOrder(world, command, OrderRefusal::UnknownProduct);
    if (HQ* hq = ProducerOf<HQ>(world, command))
        StartIfFree(world, command, hq->Slot(), static_cast<BuildingType>(command.product));
}

// The tower and its turret are one order; the turret must not outweigh what the tower carries.
void BuildTower(World& world, const Command& command) {
    if (!InRange(command.product, towerTypeCount) || !InRange(command.turret, turretTypeCount))
        return RefuseOrder(world, command, OrderRefusal::UnknownProduct);
    Defence* defence = ProducerOf<Defence>(world, command);
    if (defence == nullptr)
        return;
    const auto tower = static_cast<TowerType>(command.product);
    const auto turret = static_cast<TurretType>(command.turret);
    if (defence->TowerSlot().active || defence->TurretSlot().active)
        return RefuseOrder(world, command, OrderRefusal::Busy);
    if (!Fits(tower, turret))
        return RefuseOrder(world, command, OrderRefusal::TooHeavy);
    defence->TowerSlot().StartProduction(tower);
    defence->TurretSlot().StartProduction(turret);
}

void BuildLandmine(World& world, const Command& command) {
    if (!InRange(command.product, landmineTypeCount))
        return RefuseOrder(world, command, OrderRefusal::UnknownProduct);
    if (Defence* defence = ProducerOf<Defence>(world, command))
        StartIfFree(world, command, defence->LandmineSlot(), static_cast<LandmineType>(command.product));
}

void BuildObstacle(World& world, const Command& command) {
    if (!InRange(command.product, obstacleTypeCount))
        return RefuseOrder(world, command, OrderRefusal::UnknownProduct);
    if (Defence* defence = ProducerOf<Defence>(world, command))
        StartIfFree(world, command, defence->ObstacleSlot(), static_cast<ObstacleType>(command.product));
}

bool IsGroupLetter(char letter) {
    return letter == 0 || (letter >= 'a' && letter <= 'z');
}

} // namespace

void ApplyBuild(World& world, const Command& command) {
    switch (command.family) {
    case ProductFamily::Building:
        return BuildBuilding(world, command);
    case ProductFamily::Tower:
        return BuildTower(world, command);
    case ProductFamily::Landmine:
        return BuildLandmine(world, command);
    case ProductFamily::Obstacle:
        return BuildObstacle(world, command);
    default:
        return RefuseOrder(world, command, OrderRefusal::UnknownProduct);
    }
}

// The design must carry its armour and turret; the count is what the factory's panel can offer.
void ApplyOrderTanks(World& world, const Command& command) {
    if (!InRange(command.product, tankTypeCount) || !InRange(command.armor, armorTypeCount) ||
        !InRange(command.turret, turretTypeCount) || !IsGroupLetter(command.letter))
        return RefuseOrder(world, command, OrderRefusal::UnknownProduct);
    if (command.count < 1 || command.count > CommandLimits::maxTanksPerOrder)
        return RefuseOrder(world, command, OrderRefusal::BadCount);
    TankFactory* factory = ProducerOf<TankFactory>(world, command);
    if (factory == nullptr)
        return;
    const TankOrder design{static_cast<TankType>(command.product), static_cast<TurretType>(command.turret),
                           static_cast<ArmorType>(command.armor), command.letter};
    if (!Fits(design.chassis, design.armor) || !Fits(design.chassis, design.armor, design.turret))
        return RefuseOrder(world, command, OrderRefusal::TooHeavy);
    factory->QueueOrders(design, static_cast<std::size_t>(command.count));
}

// Whatever the order has paid comes back. An order already delivered (or never started) leaves nothing to
// cancel: the tick may have finished it after the player clicked.
void ApplyCancelOrder(World& world, const Command& command) {
    switch (command.family) {
    case ProductFamily::Building:
        if (HQ* hq = ProducerOf<HQ>(world, command))
            hq->Slot().CancelProduction();
        return;
    case ProductFamily::Tower:
        if (Defence* defence = ProducerOf<Defence>(world, command))
            defence->CancelTower();
        return;
    case ProductFamily::Landmine:
        if (Defence* defence = ProducerOf<Defence>(world, command))
            defence->CancelLandmine();
        return;
    case ProductFamily::Obstacle:
        if (Defence* defence = ProducerOf<Defence>(world, command))
            defence->CancelObstacle();
        return;
    case ProductFamily::Tank:
        if (TankFactory* factory = ProducerOf<TankFactory>(world, command))
            factory->CancelRunningOrder();
        return;
    case ProductFamily::Ammunition:
        return RefuseOrder(world, command, OrderRefusal::UnknownProduct);
    }
}

void ApplyEmptyQueue(World& world, const Command& command) {
    if (TankFactory* factory = ProducerOf<TankFactory>(world, command))
        factory->EmptyQueueBehindFirst();
}

void ApplyArmoryLine(World& world, const Command& command) {
    if (!InRange(command.product, bulletTypeCount))
        return RefuseOrder(world, command, OrderRefusal::UnknownProduct);
    if (Armory* armory = ProducerOf<Armory>(world, command))
        armory->SetProduction(static_cast<BulletType>(command.product), command.on);
}

} // namespace Vorn
