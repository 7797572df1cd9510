// The wreck a destroyed unit leaves: it breaks up into debris and lasts as long as any piece.
#pragma once

#include "rules/ObjectTypes.h"
#include "world/Object.h"

#include <vector>

namespace Vorn {

class Debris;
class World;
namespace Constants {
struct CorpseData;
}

// Filed under side 0 among the static objects; its size is 0 so it never blocks.
class Corpse : public Object {
public:
    using Type = CorpseType;

    Corpse(Type type, float bodySize, const Constants::CorpseData* record);

    // Throws out the debris on its first update and counts the pieces down; called by the world tick.
    virtual void Update(World& world, unsigned elapsedMs);
    bool IsEmpty() const { return debris.empty(); }

    Type type;
    float bodySize;
    const Constants::CorpseData* record;
    // Not owned: the pieces live in the world's debris containers.
    std::vector<Debris*> debris;
    unsigned elapsed = 0;
};

} // namespace Vorn
