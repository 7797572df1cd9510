// A building: effects, power, repair and sight.
#include "world/Building.h"

#include "rules/AIData.h"
#include "rules/BuildingData.h"
#include "world/DrawingEffects.h"
#include "world/Effect.h"
#include "world/Tank.h"
#include "world/World.h"

#include <algorithm>

namespace Vorn {

Building::Building(World* world, Type type, int side, std::uint16_t callsignNumber,
                   const Constants::BuildingData* record)
    : type(type), world(world), brain(world), record(record),
      maxHitPoints(record && record->maxArmor > 0 ? static_cast<unsigned>(record->maxArmor) : 0),
      hitPoints(static_cast<float>(maxHitPoints)) {
    this->side = side;
    number = callsignNumber;
    if (record)
        size = record->size;
}

Building::~Building() {
    ReleaseDrawingEffects(effects);
}

bool Building::CheckPower() {
    powered = world && world->IsPowered(*this);
    return powered;
}

void Building::Update(unsigned elapsedMs) {
    if (!world)
        return;
    if (firstUpdatePending) {
        firstUpdatePending = false;
        effects = AttachDrawingEffects(*world, drawing, x, y, direction);
    }
    CheckPower();
    if (brain.Process(elapsedMs)) {
        RunEffects(powered);
        if (powered && record && record->repairEffect > 0.1f)
            RepairTanks();
    }
    if (brain.slowThinkDue && record)
        world->fog.RevealFog(x, y, record->seeRange * (powered ? 1.0f : 0.5f), side);
}

// Smoke stands still while the building has no power.
void Building::RunEffects(bool running) {
    for (Effect* effect : effects)
        effect->SetPaused(!running);
}

// The repair is paid per think, so "repair_effect" is hit points per second.
void Building::RepairTanks() {
    if (side < 0 || side >= sideCount)
        return;
    const float gain =
        static_cast<float>(brain.aiData ? brain.aiData->thinkTimeout : 0) * record->repairEffect * 0.001f;
    const float range = record->repairRange;
    for (Object* object : world->Objects(side, KindTank).QueryRange(x, y, range + largestObjectRadius)) {
        Tank* tank = object->AsTank();
        if (tank && DistanceSquared(*tank, x, y) < range * range)
            Repair(*tank, gain);
    }
}

std::optional<HitPoints> Building::Health() const {
    return HitPoints{hitPoints, static_cast<float>(maxHitPoints)};
}

} // namespace Vorn
