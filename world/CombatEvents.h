// What a fight tells the presentation: the shots, impacts and attacks the world reports, each filled in
// one place so that every raiser gives its kind the same side, position and detail.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/ObjectKind.h"
#include "world/WorldEvent.h"

#include <cstdint>

namespace Vorn {

class Object;
class World;

// A turret of the carrier fired; at the carrier, under its side.
void ReportShot(World& world, const Object& carrier, TurretType turret);
// A bullet of the shooter's side stopped at (x, y) on what it struck (subject: that object's serial, or 0).
void ReportImpact(World& world, int shooterSide, float x, float y, ImpactTarget target,
                  std::uint64_t subject);
// The victim, filed under the kind, was harmed by the attacker's side: reported at the victim, under its
// side, when the attacker is another side and the victim has hit points. Harm from no side (a wreck's
// blast, a shot whose shooter is unknown) attacks nobody.
void ReportHarm(World& world, const Object& victim, ObjectKind kind, int attackerSide);

} // namespace Vorn
