// What a side knows of the map: the enemies its own tanks, towers and buildings see now, the enemy
// buildings and towers it has seen before (they stand still, so their place is remembered until the side
// looks there again and finds them gone), where it last saw enemy tanks, and the deposits it has found.
// Nothing here is read from outside the side's sight.
#pragma once

#include "commander/Strength.h"
#include "world/ObjectKind.h"

#include <cstdint>
#include <map>
#include <vector>

namespace Vorn {

class World;

struct KnownObject {
    std::uint64_t serial = 0;
    int side = 0;
    ObjectKind kind = KindBuilding;
    // The type within the kind's enumeration (BuildingType, TowerType, TankType).
    int type = 0;
    float x = 0;
    float y = 0;
    float size = 0;
    UnitStrength strength;
    unsigned lastSeenMs = 0;
};

struct KnownDeposit {
    float x = 0;
    float y = 0;
};

class SideView {
public:
    // Looks through the eyes of every tank, tower and building of the side at the world's clock.
    void Look(World& world, int side);

    // Enemy buildings and towers, by serial, as last seen.
    const std::map<std::uint64_t, KnownObject>& Structures() const { return structures; }
    // Enemy tanks, by serial, where they were last seen within the tank memory.
    const std::map<std::uint64_t, KnownObject>& Tanks() const { return tanks; }
    const std::vector<KnownDeposit>& Deposits() const { return deposits; }
    // When an enemy was last in sight; 0 before the first.
    unsigned LastContactMs() const { return lastContactMs; }
    // The own sight circles of the last look: whether a point is in sight now.
    bool Sees(float x, float y) const;

    // A tank not seen for this long is forgotten: it has gone somewhere else.
    static constexpr unsigned tankMemoryMs = 60000;

    // Plain state, so that it can be saved with the game.
    std::map<std::uint64_t, KnownObject> structures;
    std::map<std::uint64_t, KnownObject> tanks;
    std::vector<KnownDeposit> deposits;
    unsigned lastContactMs = 0;
    // Wreck pieces in sight at the last look (counted once per eye that sees them) and their centre.
    int debrisSeen = 0;
    float debrisX = 0;
    float debrisY = 0;

private:
    struct Circle {
        float x, y, r;
    };
    std::vector<Circle> sight;
    // The serials seen in the current look, sorted.
    std::vector<std::uint64_t> seenNow;

    void LookFrom(World& world, int side, float x, float y, float r, unsigned now);
    void Note(const class Object& object, ObjectKind kind, unsigned now);
    void NoteDeposit(float x, float y);
    void ForgetVanished(unsigned now);
    bool SeenNow(std::uint64_t serial) const;
};

} // namespace Vorn
