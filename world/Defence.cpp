// A defence building.
#include "world/Defence.h"

#include "world/ProductCatalogue.h"
#include "world/ProductFamily.h"

namespace Vorn {

Defence::Defence(World* world, int side, std::uint16_t callsignNumber, const Constants::BuildingData* record)
    : Building(world, BuildingType::Defense, side, callsignNumber, record),
      IBuildProgress<TowerType>(world, side), IBuildProgress<TurretType>(world, side),
      IBuildProgress<LandmineType>(world, side), IBuildProgress<ObstacleType>(world, side) {}

void Defence::Update(unsigned elapsedMs) {
    if (!world)
        return;
    if (CheckPower())
        PayForOrders(elapsedMs);
    AnnounceFinishedOrders();
}

void Defence::PayForOrders(unsigned elapsedMs) {
    // Read before the tower pays, so that the turret starts together with the tower.
    const bool turretMayAdvance = TowerSlot().LetsNextPartAdvance();
    if (TowerSlot().active)
        TowerSlot().PaymentStep(elapsedMs);
    if (TurretSlot().active && turretMayAdvance)
        TurretSlot().PaymentStep(elapsedMs);
    if (LandmineSlot().active)
        LandmineSlot().PaymentStep(elapsedMs);
    if (ObstacleSlot().active)
        ObstacleSlot().PaymentStep(elapsedMs);
}

// A tower order is finished once its turret is too.
void Defence::AnnounceFinishedOrders() {
    const auto ready = [this](ProductFamily family, int type) {
        TowerSlot().ReportAtProducer(WorldEventKind::ReadyToPlace, ProductDetail(family, type));
    };
    if (TurretSlot().IsComplete() && TowerSlot().TakeReady())
        ready(ProductFamily::Tower, static_cast<int>(TowerSlot().type));
    if (LandmineSlot().TakeReady())
        ready(ProductFamily::Landmine, static_cast<int>(LandmineSlot().type));
    if (ObstacleSlot().TakeReady())
        ready(ProductFamily::Obstacle, static_cast<int>(ObstacleSlot().type));
}

void Defence::CancelTower() {
    TowerSlot().CancelProduction();
    TurretSlot().CancelProduction();
}

void Defence::CancelLandmine() {
    LandmineSlot().CancelProduction();
}

void Defence::CancelObstacle() {
    ObstacleSlot().CancelProduction();
}

int Defence::Price(TowerType product) const {
    return FactsOf(product).price;
}
int Defence::BuildTime(TowerType product) const {
    return FactsOf(product).buildTime;
}
float Defence::Size(TowerType product) const {
    return FactsOf(product).size;
}
int Defence::Price(TurretType product) const {
    return FactsOf(product).price;
}
int Defence::BuildTime(TurretType product) const {
    return FactsOf(product).buildTime;
}
float Defence::Size(TurretType product) const {
    return FactsOf(product).size;
}
int Defence::Price(LandmineType product) const {
    return FactsOf(product).price;
}
int Defence::BuildTime(LandmineType product) const {
    return FactsOf(product).buildTime;
}
float Defence::Size(LandmineType product) const {
    return FactsOf(product).size;
}
int Defence::Price(ObstacleType product) const {
    return FactsOf(product).price;
}
int Defence::BuildTime(ObstacleType product) const {
    return FactsOf(product).buildTime;
}
float Defence::Size(ObstacleType product) const {
    return FactsOf(product).size;
}

} // namespace Vorn
