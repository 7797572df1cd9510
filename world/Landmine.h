// A landmine: waits for an enemy, then detonates after its countdown.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/Object.h"

namespace Vorn {

class World;
namespace Constants {
struct LandmineData;
}

class Landmine : public Object {
public:
    using Type = LandmineType;

    Landmine(Type type, const Constants::LandmineData* record);

    // Watches for enemies, counts down and explodes; called by the world tick.
    virtual void Update(World& world, unsigned elapsedMs);
    // A blast nearby: detonates at the next update.
    void SetOff();
    // The world removes the mine in the tick it detonated. A mine that was never triggered has not.
    bool HasDetonated() const;

    Type type;
    const Constants::LandmineData* record;
    bool triggered = false;
    int elapsed = 0;
    // Set once its blasts are out, so they never come twice.
    bool detonated = false;

private:
    void Detonate(World& world);
};

} // namespace Vorn
