// A building: the base of a side, which repairs, reveals, earns and, for the producers, builds.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/ICallsign.h"
#include "world/IInfo.h"
#include "world/Object.h"

#include <vector>

namespace Vorn {

class Effect;
class World;
namespace Constants {
struct BuildingData;
}

class Building : public Object, public IInfo, public ICallsign {
public:
    using Type = BuildingType;

    // Hit points start at the record's "max_armor"; the drawing and size are set by whoever creates it.
    Building(World* world, Type type, int side, std::uint16_t callsignNumber,
             const Constants::BuildingData* record);
    ~Building() override;

    // Called by the world tick every step.
    virtual void Update(unsigned elapsedMs);
    // Current over maximum hit points; 0 for a building without hit points.
    virtual float HitPointFraction() const;
    float ArmorFraction() const override { return HitPointFraction(); }
    bool IsDestroyed() const { return hitPoints <= 0; }

    Type type;
    World* world;
    const Constants::BuildingData* record;
    unsigned maxHitPoints;
    float hitPoints;
    bool firstUpdatePending = true;
    std::vector<Effect*> effects;
};

} // namespace Vorn
