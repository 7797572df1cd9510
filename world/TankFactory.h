// A tank factory: builds tanks order by order from a chassis, an armour and a turret, and lets each new
// tank out as soon as its exit is free.
#pragma once

#include "world/Building.h"
#include "world/IBuildProgress.h"
#include "world/TankOrder.h"

#include <deque>
#include <memory>
#include <utility>

namespace Vorn {

class Tank;

// The factory panel's toolbar: the queue, then the steps of a tank order.
enum class FactoryPanelStep { Queue, Group, Chassis, Armor, Turret, Count };

// What the factory's build panel has chosen so far; the panel gives the values their meaning.
struct FactoryPanelState {
    FactoryPanelStep step = FactoryPanelStep::Queue;
    int chassis = 0;
    int armor = 0;
    int turret = 0;
    char groupLetter = 0;
};

class TankFactory : public Building,
                    public IBuildProgress<TankType>,
                    public IBuildProgress<ArmorType>,
                    public IBuildProgress<TurretType> {
public:
    TankFactory(World* world, int side, std::uint16_t callsignNumber, const Constants::BuildingData* record);
    // Tanks still waiting at the exit never reached the map: they go with the factory.
    ~TankFactory() override;

    // The base update; while powered, pays for the parts, starts the next order and assembles a tank once
    // all three parts are done; powered or not, lets the first waiting tank out when its place is free.
    void Update(unsigned elapsedMs) override;

    // --- The order queue; its front is the order under way.
    const std::deque<TankOrder>& Orders() const { return orders; }
    void QueueOrders(const TankOrder& design, std::size_t count);
    // Drops the order under way and gives back what its parts have paid; nothing without an order.
    void CancelRunningOrder();
    // Drops every order behind the one under way.
    void EmptyQueueBehindFirst();
    // The finished tanks waiting for the exit to be free, the next one out first.
    const std::deque<std::unique_ptr<Tank>>& WaitingAtExit() const { return exitQueue; }
    // The finished tanks as a save holds them, the next one out first.
    void RestoreExitQueue(std::deque<std::unique_ptr<Tank>> tanks);

    int Price(TankType product) const override;
    int BuildTime(TankType product) const override;
    float Size(TankType product) const override;
    int Price(ArmorType product) const override;
    int BuildTime(ArmorType product) const override;
    float Size(ArmorType product) const override;
    int Price(TurretType product) const override;
    int BuildTime(TurretType product) const override;
    float Size(TurretType product) const override;

    IBuildProgress<TankType>& ChassisSlot() { return *this; }
    IBuildProgress<ArmorType>& ArmorSlot() { return *this; }
    IBuildProgress<TurretType>& TurretSlot() { return *this; }

    // The building's own world, side and type, not the slots' copies.
    using Building::side;
    using Building::type;
    using Building::world;

    // Where the player sends new tanks when no enemy is near; without one they only clear the exit.
    void SetRallyPoint(float pointX, float pointY);
    bool HasRallyPoint() const { return hasRallyPoint; }
    float RallyX() const { return rallyX; }
    float RallyY() const { return rallyY; }
    // Where a new tank of this size appears: the drawing's first mouth, turned with the factory.
    std::pair<float, float> ExitPoint(float tankSize) const;

    FactoryPanelState panelState;

private:
    std::deque<TankOrder> orders;
    std::deque<std::unique_ptr<Tank>> exitQueue;
    bool hasRallyPoint = false;
    float rallyX = 0;
    float rallyY = 0;

    // Gives back what the running order's parts have paid and stops them.
    void CancelProduction();
    void PayForParts(unsigned elapsedMs);
    void StartNextOrder();
    void AssembleTank();
    void PlaceAtExit(Tank& tank) const;
    void LetNextTankOut();
    void SendTowardsEnemy(Tank& tank, const Object& enemy);
    void SendToRallyPoint(Tank& tank);
};

} // namespace Vorn
