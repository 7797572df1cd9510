// The brain of a tank: for now the turret's alone.
#include "ai/TankBrain.h"

#include "world/Tank.h"
#include "world/Turret.h"

namespace Vorn {

TankBrain::TankBrain(World* world, Tank* tank) : Brain(world), tank(tank) {}

bool TankBrain::Process(unsigned elapsedMs) {
    const bool thinks = Brain::Process(elapsedMs);
    movedFlag = false;
    if (tank->turret)
        tank->turret->brain.Process(elapsedMs);
    return thinks;
}

void TankBrain::SetActive(bool active) {
    if (tank->turret)
        tank->turret->brain.SetActive(active);
}

void TankBrain::OnTargetAcquired(Object* /*target*/) {}

void TankBrain::OnLineOfFireBlocked(float /*targetX*/, float /*targetY*/) {}

void TankBrain::OnTargetLost() {}

// A hit widens the turret's search, so a tank shot from beyond its calm reach answers the fire.
void TankBrain::OnHit(float /*direction*/, float /*strength*/) {
    if (tank->turret)
        tank->turret->brain.Provoke();
}

} // namespace Vorn
