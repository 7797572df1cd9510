// A tower.
#include "world/Tower.h"

#include "visuals/DrawingStore.h"
#include "rules/BuildingData.h"
#include "rules/ConstantsTable.h"
#include "rules/TowerData.h"
#include "rules/TypeCatalogue.h"
#include "world/Building.h"
#include "world/Turret.h"
#include "world/World.h"

namespace Vorn {

Tower::Tower(World* world, TowerType type, int side, TurretType turretType, std::uint16_t callsignNumber)
    : Tower(world, type, side, callsignNumber,
            Constants::constantsTable.Find<Constants::TowerData>(ConstantIdOf(type))) {
    drawing = drawingStore.FindDrawing(TypeNameOf(type));
    turret = std::make_unique<Turret>(world, this, turretType, side);
}

Tower::Tower(World* world, TowerType type, int side, std::uint16_t callsignNumber,
             const Constants::TowerData* record)
    : record(record), world(world), hitPoints(record ? static_cast<float>(record->armor) : 0),
      brain(world, this), type(type) {
    this->side = side;
    number = callsignNumber;
    if (record)
        size = record->size;
}

void Tower::Update(unsigned elapsedMs) {
    const bool hasPower = IsPowered();
    if (brain.active && !hasPower)
        brain.SetActive(false);
    else if (!brain.active && hasPower)
        brain.SetActive(true);
    brain.Process(elapsedMs);
}

bool Tower::IsPowered() const {
    const float range = record ? record->powerPlantRange : 0;
    if (!world || range <= 0.1f || side < 0 || side >= sideCount)
        return false;
    for (const Object* object :
         world->Objects(side, KindBuilding).QueryRange(x, y, range + largestObjectRadius)) {
        const auto* building = dynamic_cast<const Building*>(object);
        if (building && building->type == BuildingType::PowerPlant &&
            DistanceSquared(*building, x, y) < range * range)
            return true;
    }
    return false;
}

std::optional<HitPoints> Tower::Health() const {
    return HitPoints{hitPoints, record ? static_cast<float>(record->armor) : 0.0f};
}

void Tower::OnLineOfFireBlocked(float targetX, float targetY) {
    brain.OnLineOfFireBlocked(targetX, targetY);
}

void Tower::OnAmmoEmpty() {
    brain.OnAmmoEmpty();
}

} // namespace Vorn
