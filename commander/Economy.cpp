// The economy part: keeps the headquarters building, places what it finished, stocks the armories.
#include "commander/Economy.h"

#include "command/CommandQueue.h"
#include "commander/BuildingSites.h"
#include "commander/Commander.h"
#include "commander/OwnForces.h"
#include "rules/BuildingData.h"
#include "rules/ConstantsTable.h"
#include "rules/TurretData.h"
#include "rules/TypeCatalogue.h"
#include "world/Armory.h"
#include "world/HQ.h"
#include "world/Tank.h"
#include "world/Tower.h"
#include "world/Turret.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {

// A deposit with a building this near is taken.
constexpr float depositTakenDistance = 40;
// Wreck pieces in sight that make a battlefield worth a recycler.
constexpr int battlefieldDebris = 12;
// After this many thoughts without a place for its finished building, the headquarters gives it back.
constexpr int placeFailuresBeforeCancel = 20;

float ReachOf(BuildingType type) {
    const auto* record = Constants::constantsTable.Find<Constants::BuildingData>(ConstantIdOf(type));
    return record != nullptr ? record->maxBaseDistance : 0;
}

bool Near(float ax, float ay, float bx, float by, float r) {
    const float dx = ax - bx;
    const float dy = ay - by;
    return dx * dx + dy * dy < r * r;
}

bool DepositTaken(World& world, int side, const SideView& view, const KnownDeposit& deposit) {
    for (Object* building : OwnObjects(world, side, KindBuilding))
        if (Near(building->x, building->y, deposit.x, deposit.y, depositTakenDistance))
            return true;
    for (const auto& [serial, known] : view.Structures())
        if (Near(known.x, known.y, deposit.x, deposit.y, depositTakenDistance))
            return true;
    return false;
}

void CountDeposits(World& world, int side, const SideView& view, BaseCensus& census) {
    std::vector<Object*> headquarters;
    for (BuildingType type : {BuildingType::Base, BuildingType::Outpost})
        for (Building* building : OwnBuildings(world, side, type))
            headquarters.push_back(building);
    const float mineReach = ReachOf(BuildingType::Mine);
    const float outpostReach = ReachOf(BuildingType::Outpost) + mineReach;
    for (const KnownDeposit& deposit : view.Deposits()) {
        if (DepositTaken(world, side, view, deposit))
            continue;
        bool reachable = false;
        bool distant = false;
        for (const Object* hq : headquarters) {
            reachable = reachable || Near(hq->x, hq->y, deposit.x, deposit.y, mineReach);
            distant = distant || Near(hq->x, hq->y, deposit.x, deposit.y, outpostReach);
        }
        census.reachableDeposits += reachable ? 1 : 0;
        census.distantDeposits += !reachable && distant ? 1 : 0;
    }
}

} // namespace

std::vector<BuildingType> WantedBuildings(const BaseCensus& census, const EconomyPlan& plan) {
    const auto count = [&](BuildingType type) { return census.buildings[static_cast<int>(type)]; };
    std::vector<BuildingType> wantedList;
    const auto want = [&](BuildingType type) {
        if (std::find(wantedList.begin(), wantedList.end(), type) == wantedList.end())
            wantedList.push_back(type);
    };
    if (census.unpowered > 0)
        want(BuildingType::PowerPlant);
    std::array<int, buildingTypeCount> wanted{};
    for (BuildingType type : plan.buildOrder) {
        if (type == BuildingType::Mine && census.reachableDeposits == 0)
            continue;
        if (count(type) < ++wanted[static_cast<int>(type)])
            want(type);
    }
    if (census.reachableDeposits > 0 && count(BuildingType::Mine) < plan.maxMines)
        want(BuildingType::Mine);
    if (census.distantDeposits > 0 && count(BuildingType::Outpost) < plan.maxOutposts)
        want(BuildingType::Outpost);
    if (census.battlefield && count(BuildingType::Recycler) < plan.maxRecyclers)
        want(BuildingType::Recycler);
    if (census.money > plan.expandAbove && count(BuildingType::TankFactory) < plan.maxFactories)
        want(BuildingType::TankFactory);
    return wantedList;
}

std::optional<BuildingType> NextBuilding(const BaseCensus& census, const EconomyPlan& plan) {
    const std::vector<BuildingType> wanted = WantedBuildings(census, plan);
    if (wanted.empty())
        return std::nullopt;
    return wanted.front();
}

BaseCensus TakeBaseCensus(World& world, int side, const SideView& view) {
    BaseCensus census;
    for (Object* object : OwnObjects(world, side, KindBuilding)) {
        auto* building = dynamic_cast<Building*>(object);
        if (building == nullptr)
            continue;
        ++census.buildings[static_cast<int>(building->type)];
        if (NeedsPower(*building) && !world.IsPowered(*building))
            ++census.unpowered;
        if (auto* hq = dynamic_cast<HQ*>(building); hq != nullptr && hq->Slot().active)
            ++census.buildings[static_cast<int>(hq->Slot().type)];
    }
    CountDeposits(world, side, view, census);
    census.money = world.sides[side].money;
    census.battlefield = view.debrisSeen >= battlefieldDebris;
    return census;
}

void Commander::ThinkEconomy(World& world, CommandQueue& commands) {
    auto* hq = dynamic_cast<HQ*>(MainHeadquarters(world, side));
    if (hq == nullptr)
        return;
    if (hq->Slot().active && !hq->Slot().IsComplete() && hq->Slot().type != BuildingType::PowerPlant &&
        HoldingForTowers(world))
        // The money still to go into the building is wanted for towers now; what it cost so far comes back.
        Issue(commands, CancelOrderCommand(hq->Serial(), ProductFamily::Building));
    else if (hq->Slot().active && hq->Slot().IsComplete())
        PlaceFinishedBuilding(world, commands, *hq);
    else if (!hq->Slot().active)
        StartNextBuilding(world, commands, *hq);
    StockArmories(world, commands);
}

void Commander::StartNextBuilding(World& world, CommandQueue& commands, Object& headquarters) {
    BaseCensus census = TakeBaseCensus(world, side, view);
    // A base attacked harder than it can answer puts its money into towers: only a power plant for a
    // building without power is started meanwhile.
    const bool holding = HoldingForTowers(world);
    // A power plant is wanted for a building that waits unpowered; with none waiting the count is 0.
    // A site must exist before the money is spent; a building with none (an outpost without tanks near
    // its deposit) gives way to the next wanted, so that it never holds up the rest of the base.
    for (BuildingType next : WantedBuildings(census, difficulty.economy))
        if ((!holding || (next == BuildingType::PowerPlant && census.unpowered > 0)) &&
            FindBuildingSite(world, side, next, view)) {
            Issue(commands, BuildCommand(headquarters.Serial(), next));
            return;
        }
}

void Commander::PlaceFinishedBuilding(World& world, CommandQueue& commands, Object& headquarters) {
    auto& slot = dynamic_cast<HQ&>(headquarters).Slot();
    if (const std::optional<MapPoint> site = FindBuildingSite(world, side, slot.type, view)) {
        placeFailures = 0;
        Issue(commands, PlaceCommand(headquarters.Serial(), ProductFamily::Building, site->x, site->y));
        return;
    }
    if (++placeFailures >= placeFailuresBeforeCancel) {
        placeFailures = 0;
        Issue(commands, CancelOrderCommand(headquarters.Serial(), ProductFamily::Building));
    }
}

// Every armory keeps a line running for each kind of round the side's tanks and towers fire.
void Commander::StockArmories(World& world, CommandQueue& commands) {
    const std::vector<Building*> armories = OwnBuildings(world, side, BuildingType::Armory);
    if (armories.empty())
        return;
    std::set<int> kinds;
    for (ObjectKind kind : {KindTank, KindTower})
        for (Object* unit : OwnObjects(world, side, kind))
            if (auto* armed = dynamic_cast<ArmedObject*>(unit); armed != nullptr && armed->turret &&
                                                                armed->turret->record &&
                                                                armed->turret->record->canShoot != 0)
                kinds.insert(static_cast<int>(armed->turret->bulletKind));
    for (Building* armory : armories)
        for (int kind : kinds)
            if (armoryLines.insert({armory->Serial(), kind}).second)
                Issue(commands, ArmoryLineCommand(armory->Serial(), static_cast<BulletType>(kind), true));
}

} // namespace Vorn
