// The combat events.
#include "world/CombatEvents.h"

#include "world/Object.h"
#include "world/World.h"

namespace Vorn {

void ReportShot(World& world, const Object& carrier, TurretType turret) {
    world.Report({WorldEventKind::Shot, carrier.side, carrier.x, carrier.y, static_cast<int>(turret),
                  carrier.Serial()});
}

void ReportImpact(World& world, int shooterSide, float x, float y, ImpactTarget target,
                  std::uint64_t subject) {
    world.Report({WorldEventKind::Impact, shooterSide, x, y, static_cast<int>(target), subject});
}

void ReportHarm(World& world, const Object& victim, ObjectKind kind, int attackerSide) {
    if (attackerSide < 0 || attackerSide >= sideCount || attackerSide == victim.side || !victim.Health())
        return;
    world.Report({WorldEventKind::UnderAttack, victim.side, victim.x, victim.y, kind, victim.Serial()});
}

} // namespace Vorn
