// The production part: every idle factory orders the next tank the side needs.
#include "commander/Production.h"

#include "command/CommandQueue.h"
#include "commander/Commander.h"
#include "commander/OwnForces.h"
#include "commander/Strength.h"
#include "rules/CarrierLoad.h"
#include "world/HQ.h"
#include "world/Tank.h"
#include "world/TankFactory.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

TankOrder DesignFor(DesignRole role, const ProductionPlan& plan) {
    return plan.designs[static_cast<std::size_t>(role)];
}

bool DesignFits(const TankOrder& design) {
    return Fits(design.chassis, design.armor) && Fits(design.chassis, design.armor, design.turret);
}

int OwnScouts(World& world, int side) {
    int scouts = 0;
    for (Object* unit : OwnObjects(world, side, KindTank))
        if (const Tank* tank = unit->AsTank(); tank != nullptr && tank->type == TankType::ScoutTank)
            ++scouts;
    for (Building* building : OwnBuildings(world, side, BuildingType::TankFactory))
        if (auto* factory = dynamic_cast<TankFactory*>(building)) {
            for (const TankOrder& order : factory->Orders())
                scouts += order.chassis == TankType::ScoutTank ? 1 : 0;
        }
    return scouts;
}

int TanksOrdered(World& world, int side) {
    int ordered = 0;
    for (Building* building : OwnBuildings(world, side, BuildingType::TankFactory))
        if (auto* factory = dynamic_cast<TankFactory*>(building))
            ordered += static_cast<int>(factory->Orders().size() + factory->WaitingAtExit().size());
    return ordered;
}

// The headquarters' building under way is paid bit by bit: while it is, the factories leave the reserve.
bool HeadquartersWantsMoney(World& world, int side) {
    auto* hq = dynamic_cast<HQ*>(MainHeadquarters(world, side));
    return hq != nullptr && hq->Slot().active && !hq->Slot().IsComplete();
}

// Beyond the two tanks' bodies, the room a tank leaving the factory needs.
constexpr float exitClearance = 20;
// New tanks wait this far ahead of their factory's front, clear of its exit.
constexpr float factoryFrontDistance = 160;

float DistanceToSegment(float x, float y, MapPoint from, MapPoint to) {
    const float dx = to.x - from.x;
    const float dy = to.y - from.y;
    const float lengthSquared = dx * dx + dy * dy;
    const float along = lengthSquared > 0
                            ? std::clamp(((x - from.x) * dx + (y - from.y) * dy) / lengthSquared, 0.0f, 1.0f)
                            : 0;
    return std::hypot(x - (from.x + along * dx), y - (from.y + along * dy));
}

} // namespace

MapPoint FrontOf(const TankFactory& factory) {
    // Out from the centre through the exit, wherever the factory's drawing puts it.
    const auto [exitX, exitY] = factory.ExitPoint(0);
    const float outX = exitX - factory.x;
    const float outY = exitY - factory.y;
    const float length = std::hypot(outX, outY);
    if (length <= 0)
        return {factory.x, factory.y + factory.size + factoryFrontDistance};
    const float ahead = factory.size + factoryFrontDistance;
    return {factory.x + outX / length * ahead, factory.y + outY / length * ahead};
}

EnemyPicture PictureOf(const SideView& view) {
    EnemyPicture picture;
    for (const auto& [serial, tank] : view.Tanks()) {
        ++picture.tanks;
        if (tank.strength.hitPoints >= heavyTankHitPoints)
            ++picture.heavyTanks;
    }
    for (const auto& [serial, structure] : view.Structures())
        if (structure.kind == KindTower)
            ++picture.towers;
    return picture;
}

DesignRole ChooseRole(const EnemyPicture& picture) {
    if (picture.towers >= 2 && picture.towers * 2 >= picture.tanks)
        return DesignRole::AntiTower;
    if (picture.heavyTanks >= 2 && picture.heavyTanks * 10 >= picture.tanks * 4)
        return DesignRole::AntiArmour;
    return DesignRole::Line;
}

TankOrder ChooseDesign(const EnemyPicture& picture, int money, const ProductionPlan& plan) {
    const TankOrder line = DesignFor(DesignRole::Line, plan);
    const TankOrder chosen = DesignFor(ChooseRole(picture), plan);
    if (!DesignFits(chosen) || money * 2 < PriceOf(chosen))
        return line;
    return chosen;
}

// A tank of the side standing where its factory lets the next one out would hold the queue up for good,
// and so would the tanks standing behind it on the way out: all of them within the exit's lane are sent on
// to the rally point (or ahead of the factory before there is one), so the lane empties from its far end.
void Commander::ClearFactoryExits(World& world, CommandQueue& commands) {
    for (Building* building : OwnBuildings(world, side, BuildingType::TankFactory)) {
        auto* factory = dynamic_cast<TankFactory*>(building);
        if (factory == nullptr || factory->WaitingAtExit().empty())
            continue;
        const Tank& next = *factory->WaitingAtExit().front();
        const MapPoint front = FrontOf(*factory);
        const MapPoint away = rallyPoint.value_or(front);
        const float reach = next.size * 2 + exitClearance;
        std::vector<std::uint64_t> blocking;
        for (Object* tank : OwnObjects(world, side, KindTank))
            if (DistanceToSegment(tank->x, tank->y, {next.x, next.y}, front) < reach + tank->size)
                blocking.push_back(tank->Serial());
        if (!blocking.empty())
            Issue(commands, MoveCommand(blocking, away.x, away.y, false, 0.3f));
    }
}

void Commander::ThinkProduction(World& world, CommandQueue& commands) {
    ClearFactoryExits(world, commands);
    const int tanks = static_cast<int>(OwnObjects(world, side, KindTank).size()) + TanksOrdered(world, side);
    if (tanks >= difficulty.production.maxTanks)
        return;
    // Towers hold a base better for their price than new tanks do, and they are built at the base.
    if (HoldingForTowers(world))
        return;
    const int money = world.sides[side].money;
    // The reserve is kept only once a whole group stands, so that a base that builds something dear (a
    // mine) is never left without an army to hold off an early attack.
    if (HeadquartersWantsMoney(world, side) && money < difficulty.production.reserve &&
        tanks >= difficulty.attack.groupSize)
        return;
    const bool scoutWanted = OwnScouts(world, side) < difficulty.scouts;
    for (Building* building : OwnBuildings(world, side, BuildingType::TankFactory)) {
        auto* factory = dynamic_cast<TankFactory*>(building);
        if (factory == nullptr || !factory->powered || !factory->Orders().empty() ||
            !factory->WaitingAtExit().empty())
            continue;
        TankOrder design = ChooseDesign(PictureOf(view), money, difficulty.production);
        if (scoutWanted && DesignFits(DesignFor(DesignRole::Scout, difficulty.production)))
            design = DesignFor(DesignRole::Scout, difficulty.production);
        if (!DesignFits(design))
            continue;
        // New tanks drive straight to where the side gathers, out of the exit's lane.
        const MapPoint front = rallyPoint.value_or(FrontOf(*factory));
        if (!factory->HasRallyPoint() || factory->RallyX() != front.x || factory->RallyY() != front.y)
            Issue(commands, RallyPointCommand({factory->Serial()}, front.x, front.y));
        Issue(commands, OrderTanksCommand(factory->Serial(), design, 1));
        return;
    }
}

} // namespace Vorn
