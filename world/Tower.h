// A tower: a stationary armed unit that needs power.
#pragma once

#include "ai/TowerBrain.h"
#include "rules/ObjectTypes.h"
#include "world/ArmedObject.h"
#include "world/ICallsign.h"

namespace Vorn {

class World;
namespace Constants {
struct TowerData;
}

class Tower : public ArmedObject, public ICallsign {
public:
    using TowerType = Vorn::TowerType;

    // Builds its turret, takes its hit points from "armor" and readies its brain, which starts switched
    // off; the record, drawing and size come from the type. The placer files it in the world.
    Tower(World* world, TowerType type, int side, TurretType turretType, std::uint16_t callsignNumber);
    // A bare tower without a turret, on the given record (null for none).
    Tower(World* world, TowerType type, int side, std::uint16_t callsignNumber,
          const Constants::TowerData* record);

    // Switches the brain with the power, then runs it. Called by the world tick.
    virtual void Update(unsigned elapsedMs);
    // A power plant of its side stands within "power_plant_range". A tower whose range is 0.1 or less is
    // never powered.
    bool IsPowered() const;
    // Its own, measured against the record's "armor".
    std::optional<HitPoints> Health() const override;
    void SetHealth(float current) override { hitPoints = current; }
    bool IsDestroyed() const { return hitPoints <= 0; }

    void OnLineOfFireBlocked(float targetX, float targetY) override;
    void OnAmmoEmpty() override;

    const Constants::TowerData* record;
    World* world;
    float hitPoints;
    TowerBrain brain;
    TowerType type;
};

} // namespace Vorn
