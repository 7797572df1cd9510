// A building: the base of a side, which repairs, reveals, earns and, for the producers, builds.
#pragma once

#include "ai/Brain.h"
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

    // Hit points start at the record's "max_armor". CreateBuilding gives it its drawing and its place.
    Building(World* world, Type type, int side, std::uint16_t callsignNumber,
             const Constants::BuildingData* record);
    // Its smoke and sparks end with it and fade out.
    ~Building() override;

    // Lights its effects on the first update, then repairs own tanks around it at its thinks and reveals
    // the fog at its slow thinks, at half its sight when it has no power. Called by the world tick.
    virtual void Update(unsigned elapsedMs);
    // Its own, measured against the record's "max_armor".
    std::optional<HitPoints> Health() const override;
    void SetHealth(float current) override { hitPoints = current; }
    float ArmorFraction() const override { return HitPointFraction(*this); }
    bool IsDestroyed() const { return hitPoints <= 0; }

    Type type;
    World* world;
    // Only paces the building's thinking.
    Brain brain;
    const Constants::BuildingData* record;
    unsigned maxHitPoints;
    float hitPoints;
    bool firstUpdatePending = true;
    std::vector<Effect*> effects;
    // Whether the last update found it powered; the producers read it after the base update.
    bool powered = false;

protected:
    bool CheckPower();

private:
    void RunEffects(bool running);
    void RepairTanks();
};

} // namespace Vorn
