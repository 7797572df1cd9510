// A defence building: builds towers with their turrets, landmines and obstacles for the player to place.
#pragma once

#include "world/Building.h"
#include "world/IBuildProgress.h"

namespace Vorn {

// The defence panel's toolbar: the choice of product, the turrets that fit the tower chosen, then the
// running order of one family until it is placed or cancelled.
enum class DefencePanelStep { Choice, TurretChoice, TowerOrder, LandmineOrder, ObstacleOrder };

// What the defence's build panel has chosen so far; the panel gives the values their meaning.
struct DefencePanelState {
    DefencePanelStep step = DefencePanelStep::Choice;
    // The tower whose turrets are offered, and then ordered with the turret.
    TowerType tower = TowerType::SurveilanceTower;
    TurretType turret = TurretType::Gun1;
    // Which landmine was ordered: the place toolbar names it.
    LandmineType landmine = LandmineType::SmallLandmine;
};

class Defence : public Building,
                public IBuildProgress<TowerType>,
                public IBuildProgress<TurretType>,
                public IBuildProgress<LandmineType>,
                public IBuildProgress<ObstacleType> {
public:
    Defence(World* world, int side, std::uint16_t callsignNumber, const Constants::BuildingData* record);

    // No smoke, no repair and no sight of its own: while powered it only pays for what it builds. A
    // tower's turret waits for the tower once the tower is under way. Finished products are announced
    // (ReadyToPlace) and wait in their slots until they are placed.
    void Update(unsigned elapsedMs) override;
    // Cancelling an order gives back what it paid: a tower order is the tower and its turret.
    void CancelTower();
    void CancelLandmine();
    void CancelObstacle();

    int Price(TowerType product) const override;
    int BuildTime(TowerType product) const override;
    float Size(TowerType product) const override;
    int Price(TurretType product) const override;
    int BuildTime(TurretType product) const override;
    float Size(TurretType product) const override;
    int Price(LandmineType product) const override;
    int BuildTime(LandmineType product) const override;
    float Size(LandmineType product) const override;
    int Price(ObstacleType product) const override;
    int BuildTime(ObstacleType product) const override;
    float Size(ObstacleType product) const override;

    IBuildProgress<TowerType>& TowerSlot() { return *this; }
    IBuildProgress<TurretType>& TurretSlot() { return *this; }
    IBuildProgress<LandmineType>& LandmineSlot() { return *this; }
    IBuildProgress<ObstacleType>& ObstacleSlot() { return *this; }

    // The building's own world, side and type, not the slots' copies.
    using Building::side;
    using Building::type;
    using Building::world;

    DefencePanelState panelState;

private:
    void PayForOrders(unsigned elapsedMs);
    void AnnounceFinishedOrders();
};

} // namespace Vorn
