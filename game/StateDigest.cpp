// The state digest.
#include "game/StateDigest.h"

#include "game/Level.h"
#include "world/ArmedObject.h"
#include "world/Armor.h"
#include "world/Building.h"
#include "world/Bullet.h"
#include "world/Tank.h"
#include "world/Tower.h"
#include "world/Turret.h"
#include "world/World.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

namespace Vorn {

void DigestWriter::Add(std::uint64_t value) {
    for (int byte = 0; byte < 8; ++byte) {
        hash ^= (value >> (8 * byte)) & 0xFF;
        hash *= 0x100000001b3ull;
    }
}

void DigestWriter::Add(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    Add(static_cast<std::uint64_t>(bits));
}

namespace {

// Bullets are digested like objects, under a kind after the world's own.
constexpr int bulletKind = objectKindCount;

// Objects without hit points add a fixed value, so that a field never shifts into the next object's.
float HitPointsOf(const Object& object) {
    const std::optional<HitPoints> health = object.Health();
    return health ? health->current : -1;
}

int AmmunitionOf(const Object& object) {
    const auto* armed = dynamic_cast<const ArmedObject*>(&object);
    return armed && armed->turret ? armed->turret->ammunition : -1;
}

} // namespace

void AddObjectState(DigestWriter& digest, int kind, const Object& object) {
    digest.Add(kind);
    digest.Add(object.side);
    digest.Add(object.x);
    digest.Add(object.y);
    digest.Add(object.direction);
    digest.Add(HitPointsOf(object));
    digest.Add(AmmunitionOf(object));
}

std::uint64_t StateDigest(World& world, const Level* level) {
    DigestWriter digest;
    for (int side = 0; side < sideCount; ++side)
        for (int kind = 0; kind < objectKindCount; ++kind)
            for (const auto& [key, cell] : world.Objects(side, static_cast<ObjectKind>(kind)).Cells())
                for (const Object* object : cell)
                    AddObjectState(digest, kind, *object);
    for (const auto& [key, cell] : world.Bullets().Cells())
        for (const Bullet* bullet : cell)
            AddObjectState(digest, bulletKind, *bullet);
    digest.Add(static_cast<std::uint64_t>(world.LowerEffects().Count() + world.UpperEffects().Count()));
    for (int side = 0; side < sideCount; ++side)
        digest.Add(world.sides[side].money);
    digest.Add(world.Clock());
    if (level) {
        digest.Add(level->clock);
        digest.Add(level->finished);
        digest.Add(level->won);
    }
    return digest.Value();
}

std::string DigestText(std::uint64_t digest) {
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, digest);
    return text;
}

} // namespace Vorn
