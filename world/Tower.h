// A tower: a stationary armed unit that needs power.
#pragma once

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

    Tower(World* world, TowerType type, int side, std::uint16_t callsignNumber,
          const Constants::TowerData* record);

    // Switches the brain by power and runs it; called by the world tick.
    virtual void Update(unsigned elapsedMs);
    // Hit points over "armor".
    float ArmorFraction() const override;
    bool IsDestroyed() const { return hitPoints <= 0; }

    const Constants::TowerData* record;
    World* world;
    float hitPoints;
    TowerType type;
};

} // namespace Vorn
