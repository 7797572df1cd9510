// A tank factory: paying for parts, assembling tanks and letting them out.
#include "world/TankFactory.h"

#include "ai/TankBrain.h"
#include "visuals/Drawing.h"
#include "random/Random.h"
#include "rules/BuildingData.h"
#include "world/Angles.h"
#include "world/ProductCatalogue.h"
#include "world/ProductFamily.h"
#include "world/Tank.h"
#include "world/Turret.h"

#include <cmath>
#include <tuple>

namespace Vorn {

namespace {
constexpr double fullTurn = 6.283185307179586;
// How far ahead of the exit a new tank with nothing to fight looks for a free spot, in tank widths.
constexpr int rallyRows = 6;
} // namespace

TankFactory::TankFactory(World* world, int side, std::uint16_t callsignNumber,
                         const Constants::BuildingData* record)
    : Building(world, BuildingType::TankFactory, side, callsignNumber, record), IBuildProgress<TankType>(
                                                                                    world, side),
      IBuildProgress<ArmorType>(world, side), IBuildProgress<TurretType>(world, side) {}

TankFactory::~TankFactory() = default;

void TankFactory::Update(unsigned elapsedMs) {
    Building::Update(elapsedMs);
    if (!world)
        return;
    if (powered) {
        PayForParts(elapsedMs);
        if (!ChassisSlot().active && !orders.empty())
            StartNextOrder();
        // Only a running order makes a tank: parts that are idle (even free, instant ones) make none.
        if (ChassisSlot().active && ArmorSlot().active && TurretSlot().active && ChassisSlot().IsComplete() &&
            ArmorSlot().IsComplete() && TurretSlot().IsComplete())
            AssembleTank();
    }
    LetNextTankOut();
}

// Armour and turret advance together with the chassis in an order's first step, then wait for it.
// Each part's gate is read before anything is paid in the step, so in an order's first step the chassis
// still stands at 0 and all three parts advance together.
void TankFactory::PayForParts(unsigned elapsedMs) {
    const bool armorMayAdvance = ChassisSlot().LetsNextPartAdvance();
    const bool turretMayAdvance = ArmorSlot().LetsNextPartAdvance();
    if (ChassisSlot().active)
        ChassisSlot().PaymentStep(elapsedMs);
    if (ArmorSlot().active && armorMayAdvance)
        ArmorSlot().PaymentStep(elapsedMs);
    if (TurretSlot().active && turretMayAdvance)
        TurretSlot().PaymentStep(elapsedMs);
}

void TankFactory::StartNextOrder() {
    const TankOrder& order = orders.front();
    ChassisSlot().StartProduction(order.chassis);
    ArmorSlot().StartProduction(order.armor);
    TurretSlot().StartProduction(order.turret);
}

void TankFactory::QueueOrders(const TankOrder& design, std::size_t count) {
    orders.insert(orders.end(), count, design);
}

void TankFactory::RestoreExitQueue(std::deque<std::unique_ptr<Tank>> tanks) {
    exitQueue = std::move(tanks);
}

void TankFactory::CancelRunningOrder() {
    if (orders.empty())
        return;
    orders.pop_front();
    CancelProduction();
}

void TankFactory::EmptyQueueBehindFirst() {
    if (orders.size() > 1)
        orders.erase(orders.begin() + 1, orders.end());
}

void TankFactory::CancelProduction() {
    ChassisSlot().CancelProduction();
    ArmorSlot().CancelProduction();
    TurretSlot().CancelProduction();
}

void TankFactory::AssembleTank() {
    const char letter = orders.empty() ? 0 : orders.front().letter;
    const TankType chassis = ChassisSlot().type;
    const ArmorType armor = ArmorSlot().type;
    const TurretType turret = TurretSlot().type;
    ChassisSlot().Clear();
    ArmorSlot().Clear();
    TurretSlot().Clear();
    SideRecord& record = world->sides[side];
    const auto callsign = static_cast<std::uint16_t>(record.nextTankCallsign++);
    auto tank = std::make_unique<Tank>(world, chassis, side, callsign, armor, turret);
    PlaceAtExit(*tank);
    tank->direction = direction;
    tank->letter = letter;
    tank->brain->SetActive(true);
    exitQueue.push_back(std::move(tank));
    if (!orders.empty())
        orders.pop_front();
}

// At the drawing's first mouth, turned with the factory. A drawing without mouths puts the exit just
// clear of the factory, ahead of it, so the tank is not stuck inside its own factory.
std::pair<float, float> TankFactory::ExitPoint(float tankSize) const {
    float mx = 0;
    float my = size + tankSize + 1;
    if (drawing && !drawing->Mouths().empty()) {
        mx = drawing->Mouths().front().x;
        my = drawing->Mouths().front().y;
    }
    const double a = -direction * radiansPerDegree;
    return {x + static_cast<float>(mx * std::cos(a) - my * std::sin(a)),
            y + static_cast<float>(mx * std::sin(a) + my * std::cos(a))};
}

void TankFactory::PlaceAtExit(Tank& tank) const {
    std::tie(tank.x, tank.y) = ExitPoint(tank.size);
}

// One tank per update, and only once its place is free: later tanks wait behind it.
void TankFactory::LetNextTankOut() {
    if (exitQueue.empty())
        return;
    Tank& waiting = *exitQueue.front();
    if (!world->IsPlaceFree(waiting.x, waiting.y, waiting.size, nullptr))
        return;
    Tank* tank = exitQueue.front().release();
    exitQueue.pop_front();
    if (!world->InsertObject(tank, KindTank)) {
        delete tank;
        return;
    }
    world->Report({WorldEventKind::ProductionFinished, side, tank->x, tank->y,
                   ProductDetail(ProductFamily::Tank, static_cast<int>(tank->type)), tank->Serial()});
    if (tank->turret)
        tank->turret->brain.Provoke();
    const float sight = record ? record->seeRange : 0;
    if (Object* enemy = world->FindNearestEnemy(tank->x, tank->y, sight, side))
        SendTowardsEnemy(*tank, *enemy);
    else if (hasRallyPoint)
        tank->brain->SetWaypoint(rallyX, rallyY);
    else
        SendToRallyPoint(*tank);
}

void TankFactory::SetRallyPoint(float pointX, float pointY) {
    hasRallyPoint = true;
    rallyX = pointX;
    rallyY = pointY;
}

// The second waypoint replaces the first, so the tank spreads out around the exit rather than charging.
void TankFactory::SendTowardsEnemy(Tank& tank, const Object& enemy) {
    const float sight = record ? record->seeRange : 0;
    const float share = static_cast<float>(0.4 * randomGenerator.Next() + 0.4);
    tank.brain->SetWaypoint(tank.x + (enemy.x - tank.x) * share, tank.y + (enemy.y - tank.y) * share);
    const double angle = fullTurn * randomGenerator.Next();
    const double distance = sight * (0.25 * randomGenerator.Next() + 1.0 / 6.0);
    tank.brain->SetWaypoint(tank.x + static_cast<float>(distance * std::sin(angle)),
                            tank.y + static_cast<float>(distance * std::cos(angle)));
}

// With nothing to fight the tank still clears the exit: it drives to the first free spot straight out from
// the factory through the exit, or beside that line, row by row.
void TankFactory::SendToRallyPoint(Tank& tank) {
    float outX = tank.x - x;
    float outY = tank.y - y;
    const float length = std::hypot(outX, outY);
    if (length > 0) {
        outX /= length;
        outY /= length;
    } else {
        const double h = direction * radiansPerDegree;
        outX = static_cast<float>(std::sin(h));
        outY = static_cast<float>(std::cos(h));
    }
    // A brain counts a waypoint reached within the tank's size of it, so a row must lie three sizes out for
    // a tank stopping short of it still to leave the exit free (two sizes) for the next one.
    const float spacing = 3 * tank.size + 1;
    float pointX = tank.x;
    float pointY = tank.y;
    for (int row = 1; row <= rallyRows; ++row)
        for (int across : {0, -1, 1}) {
            pointX = tank.x + (outX * row - outY * across) * spacing;
            pointY = tank.y + (outY * row + outX * across) * spacing;
            if (world->IsPlaceFree(pointX, pointY, tank.size, &tank)) {
                tank.brain->SetWaypoint(pointX, pointY);
                return;
            }
        }
    // Everything ahead is taken: head out as far as the search reached and let the tank find its way.
    tank.brain->SetWaypoint(tank.x + outX * rallyRows * spacing, tank.y + outY * rallyRows * spacing);
}

int TankFactory::Price(TankType product) const {
    return FactsOf(product).price;
}
int TankFactory::BuildTime(TankType product) const {
    return FactsOf(product).buildTime;
}
float TankFactory::Size(TankType product) const {
    return FactsOf(product).size;
}
int TankFactory::Price(ArmorType product) const {
    return FactsOf(product).price;
}
int TankFactory::BuildTime(ArmorType product) const {
    return FactsOf(product).buildTime;
}
float TankFactory::Size(ArmorType product) const {
    return FactsOf(product).size;
}
int TankFactory::Price(TurretType product) const {
    return FactsOf(product).price;
}
int TankFactory::BuildTime(TurretType product) const {
    return FactsOf(product).buildTime;
}
float TankFactory::Size(TurretType product) const {
    return FactsOf(product).size;
}

} // namespace Vorn
