// A tank: a chassis carrying an armour and a turret, driven by its tank brain.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/ArmedObject.h"
#include "world/Armor.h"
#include "world/ICallsign.h"

#include <memory>

namespace Vorn {

class World;
namespace Constants {
struct TankData;
}

class Tank : public ArmedObject, public ICallsign {
public:
    using TankType = Vorn::TankType;

    Tank(World* world, TankType type, int side, std::uint16_t callsignNumber,
         const Constants::TankData* record);
    ~Tank() override;

    // Runs the brain, which drives the tank and its turret; called by the world tick.
    virtual void Update(unsigned elapsedMs);
    // Armour's current over maximum hit points.
    float ArmorFraction() const override;
    // Dies at the end of the tick once this holds.
    bool IsDestroyed() const { return !armor || armor->hitPoints <= 0; }

    const Constants::TankData* record;
    World* world;
    std::unique_ptr<Armor> armor;
    TankType type;
    bool firstUpdatePending = true;
};

} // namespace Vorn
