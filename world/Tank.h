// A tank: a chassis carrying an armour and a turret, driven by its tank brain.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/ArmedObject.h"
#include "world/Armor.h"
#include "world/AttachedEffect.h"
#include "world/ICallsign.h"

#include <memory>
#include <optional>
#include <vector>

namespace Vorn {

class TankBrain;
class World;
namespace Constants {
struct TankData;
}

class Tank : public ArmedObject, public ICallsign {
public:
    using TankType = Vorn::TankType;

    // Assembles the chassis with its turret, then its armour, then its brain; records come from the
    // constants table and drawings by the type names. The creator files the tank in the world.
    Tank(World* world, TankType type, int side, std::uint16_t callsignNumber, ArmorType armorType,
         TurretType turretType);
    // Leaves its exhaust and dust to fade in the world.
    ~Tank() override;
    Tank* AsTank() override { return this; }

    // Runs the brain, which drives the tank and its turret; the first update also lights the exhaust and
    // raises the dust. Called by the world tick.
    virtual void Update(unsigned elapsedMs);
    // Moves the attached effects along after the tank moved from (fromX, fromY). The particles already
    // out shift back by the same way (from less the new position), so that they stay where they were let
    // out while the effect goes on emitting at the tank.
    void PlaceEffects(float fromX, float fromY);
    // What an update touches lies behind up to three pointers; the world asks for it a few tanks ahead, a
    // stage at a time, each once the one before has arrived: the tank's own lines; the brain, turret,
    // armour and the lists of attached effects; the effects (PlaceEffects moves them), the next waypoint
    // and the turret's target. A tank that stood at its last step most likely stands again, touching
    // neither its effects nor their lists, so those are asked for only for a tank that drove.
    void PrefetchWholeTank() const;
    void PrefetchParts() const;
    void PrefetchEffects() const;

    void OnTargetAcquired(Object* target) override;
    void OnLineOfFireBlocked(float targetX, float targetY) override;
    void OnTargetLost() override;
    void OnTargetOutOfRange() override;
    // Its armour's; none once the armour is gone.
    std::optional<HitPoints> Health() const override;
    void SetHealth(float current) override;
    // Dies at the end of the tick once this holds; a tank without armour has nothing left to lose.
    bool IsDestroyed() const;

    const Constants::TankData* record;
    World* world;
    std::unique_ptr<Armor> armor;
    std::unique_ptr<TankBrain> brain;
    TankType type;
    bool firstUpdatePending = true;
    std::vector<AttachedEffect> exhaust;
    std::vector<AttachedEffect> dust;

private:
    void AttachEffects();
    void RaiseDust(bool raised);
    // Whether the next update is likely to read the attached effects: unless the tank stood last time.
    bool MayTouchEffects() const;

    // Whether the dust was last raised or paused; none before the first update.
    std::optional<bool> dustRaised;
};

} // namespace Vorn
