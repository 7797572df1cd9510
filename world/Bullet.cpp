// A projectile in flight.
#include "world/Bullet.h"

namespace Vorn {

Bullet::Bullet(World* world, Object* shooter, int shooterSide, Type type, const Constants::BulletData* record,
               float effectMultiplier)
    : type(type), world(world), shooter(shooter), shooterSide(shooterSide), record(record),
      effectMultiplier(effectMultiplier) {}

void Bullet::Update(unsigned /*elapsedMs*/) {}

} // namespace Vorn
