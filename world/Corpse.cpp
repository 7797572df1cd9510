// The wreck of a destroyed unit and the debris it throws out.
#include "world/Corpse.h"

#include "visuals/DrawingStore.h"
#include "random/Random.h"
#include "rules/ConstantsTable.h"
#include "rules/CorpseData.h"
#include "rules/TypeCatalogue.h"
#include "world/Angles.h"
#include "world/Debris.h"
#include "world/PlaceEffect.h"
#include "world/World.h"

#include <algorithm>
#include <cmath>

namespace Vorn {

namespace {
float Next() {
    return static_cast<float>(randomGenerator.Next());
}

// Pieces beyond this many of a material are scattered; the first ones lie on the four diagonals.
constexpr int diagonalPieces = 4;
} // namespace

Corpse::Corpse(Type type, float bodySize)
    : type(type), bodySize(bodySize),
      record(Constants::constantsTable.Find<Constants::CorpseData>(ConstantIdOf(type))) {
    drawing = drawingStore.FindDrawing("Scratch");
}

Corpse::~Corpse() {
    for (Debris* piece : debris)
        piece->corpse = nullptr;
}

void Corpse::Forget(const Debris* piece) {
    debris.erase(std::remove(debris.begin(), debris.end(), piece), debris.end());
}

void Corpse::Update(World& world, unsigned elapsedMs) {
    if (!brokenUp) {
        brokenUp = true;
        BreakUp(world);
    }
    elapsed += elapsedMs;
    for (std::size_t i = 0; i < debris.size();) {
        Debris* piece = debris[i];
        piece->remainingTime -= static_cast<int>(elapsedMs);
        if (piece->remainingTime >= 0) {
            ++i;
            continue;
        }
        PlaceEffect(world, world.UpperEffects(), "DebrisDust", piece->direction, true, piece->x, piece->y);
        world.shared.EmitFragments(world, piece->x, piece->y);
        // The world deletes the piece itself at the end of the tick.
        piece->corpse = nullptr;
        debris.erase(debris.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

void Corpse::BreakUp(World& world) {
    direction = Next() * 360;
    if (!record)
        return;
    ThrowPieces(world, "ConcretePart",
                record->concreteParts + static_cast<int>(Next() * record->concretePartsRandom));
    ThrowPieces(world, "MetalPart", record->metalParts + static_cast<int>(Next() * record->metalPartsRandom));
    ThrowPieces(world, "TechPart",
                record->technologyParts + static_cast<int>(Next() * record->technologyPartsRandom));
}

void Corpse::ThrowPieces(World& world, const char* drawingName, int count) {
    for (int i = 0; i < count; ++i)
        ThrowPiece(world, drawingName, i, count);
}

// The random draws of one piece: its drawing variant, its lifetime, its place and heading, its size.
void Corpse::ThrowPiece(World& world, const char* drawingName, int index, int count) {
    const Drawing* look = drawingStore.FindDrawing(drawingName);
    auto* piece = new Debris(record->timeBase + static_cast<int>(record->timeRandom * Next()));
    piece->drawing = look;
    if (count >= diagonalPieces && index < diagonalPieces) {
        const float distance = (Next() + 0.5f) * bodySize;
        const double along = (direction + 45 + index * 90) * radiansPerDegree;
        piece->x = x + distance * static_cast<float>(std::sin(along));
        piece->y = y + distance * static_cast<float>(std::cos(along));
        piece->direction = direction + 170 + index * 90 + Next() * 20;
    } else {
        piece->x = x + bodySize - Next() * 2 * bodySize;
        piece->y = y + bodySize - Next() * 2 * bodySize;
        piece->direction = Next() * 360;
    }
    piece->size = (Next() * 0.4f + 0.1f) * bodySize;
    piece->side = 0;
    piece->corpse = this;
    debris.push_back(piece);
    world.InsertObject(piece, KindDebris);
    PlaceEffect(world, world.UpperEffects(), "DebrisDust", piece->direction, true, piece->x, piece->y);
}

} // namespace Vorn
