// The state of a bullet in flight.
#include "snapshot/ObjectState.h"
#include "world/Bullet.h"

namespace Vorn {

void WriteBulletState(StateWriter& writer, const Bullet& bullet) {
    writer.Type(bullet.type);
    writer.ObjectBase(bullet);
    writer.Reference(bullet.shooter);
    writer.Reference(bullet.target);
    writer.out.I32(bullet.shooterSide);
    writer.out.F32(bullet.effectMultiplier);
    writer.out.F32(bullet.distanceFlown);
    writer.out.Flag(bullet.finished);
    writer.out.Flag(bullet.firstUpdatePending);
    writer.AttachedEffects(bullet.trail);
}

std::unique_ptr<Bullet> ReadBulletState(StateReader& reader) {
    const auto type = reader.Type<BulletType>("bullet type", bulletTypeCount);
    if (reader.in.Failed())
        return nullptr;
    auto bullet = std::make_unique<Bullet>(&reader.world, nullptr, type, 1.0f);
    reader.UnfiledBase(*bullet);
    reader.Reference(bullet->shooter, "shooter");
    reader.Reference(bullet->target, "bullet's target");
    // Side 7 is a shooter of no side, which hits every side.
    bullet->shooterSide = static_cast<int>(reader.in.Bounded("shooter's side", sideCount));
    bullet->effectMultiplier = reader.in.F32("effect multiplier");
    bullet->distanceFlown = reader.in.F32("distance flown");
    bullet->finished = reader.in.Flag("finished flag");
    bullet->firstUpdatePending = reader.in.Flag("first update flag");
    bullet->trail = reader.AttachedEffects("trail");
    return reader.in.Failed() ? nullptr : std::move(bullet);
}

} // namespace Vorn
