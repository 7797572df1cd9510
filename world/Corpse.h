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

// Filed under side 0 among the static objects; its size is 0 so it never blocks. Drawn as "Scratch".
class Corpse : public Object {
public:
    using Type = CorpseType;

    // Takes the type's record from the constants table.
    Corpse(Type type, float bodySize);
    // Pieces still lying about forget their wreck.
    ~Corpse() override;

    // Throws out the debris on its first update and counts the pieces down; called by the world tick.
    virtual void Update(World& world, unsigned elapsedMs);
    bool IsEmpty() const { return debris.empty(); }
    // Drops the piece from the list without touching it.
    void Forget(const Debris* piece);

    Type type;
    float bodySize;
    const Constants::CorpseData* record;
    // Not owned: the pieces live in the world's debris containers.
    std::vector<Debris*> debris;
    unsigned elapsed = 0;
    // Set by the first update, which throws the pieces out (even one of 0 ms).
    bool brokenUp = false;

private:
    void BreakUp(World& world);
    void ThrowPieces(World& world, const char* drawingName, int count);
    void ThrowPiece(World& world, const char* drawingName, int index, int count);
};

} // namespace Vorn
