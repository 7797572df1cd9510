// The brain of a tower.
#include "ai/TowerBrain.h"

#include "rules/ConstantsTable.h"
#include "rules/TowerAIData.h"
#include "world/Armory.h"
#include "world/Tower.h"
#include "world/Turret.h"
#include "world/World.h"

namespace Vorn {

TowerBrain::TowerBrain(World* world, Tower* tower)
    : Brain(world), tower(tower),
      towerAiData(Constants::constantsTable.Find<Constants::TowerAIData>(Constants::ConstantId::TowerAI)) {}

bool TowerBrain::Process(unsigned elapsedMs) {
    Brain::Process(elapsedMs);
    if (!tower->turret)
        return true;
    TurretBrain& turretBrain = tower->turret->brain;
    if (slowThinkDue && world)
        world->fog.RevealFog(tower->x, tower->y,
                             turretBrain.range * (towerAiData ? towerAiData->seeMultiplier : 0), tower->side);
    turretBrain.Process(elapsedMs);
    return true;
}

void TowerBrain::SetActive(bool isActive) {
    if (tower->turret)
        tower->turret->brain.SetActive(isActive);
    active = isActive;
}

void TowerBrain::OnLineOfFireBlocked(float /*targetX*/, float /*targetY*/) {
    if (!tower->turret)
        return;
    tower->turret->brain.Provoke();
    tower->turret->brain.state = TurretState::Searching;
}

namespace {
// Leaves the walk over the armories once the magazine is full.
struct LoopExit {};
} // namespace

// Nothing is kept between calls: an armory that dies later is never looked at again.
void TowerBrain::OnAmmoEmpty() {
    if (!world || !tower->turret || tower->side < 0 || tower->side >= sideCount)
        return;
    Turret& turret = *tower->turret;
    const auto kind = static_cast<std::size_t>(turret.bulletKind);
    try {
        for (const auto& [key, cell] : world->Objects(tower->side, KindBuilding).Cells())
            for (Object* object : cell) {
                auto* armory = dynamic_cast<Armory*>(object);
                if (!armory)
                    continue;
                turret.Rearm(armory->stock[kind]);
                if (tower->AmmoFraction() == 1.0f)
                    throw LoopExit{};
            }
    } catch (const LoopExit&) {
    }
}

} // namespace Vorn
