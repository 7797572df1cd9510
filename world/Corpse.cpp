// The wreck of a destroyed unit.
#include "world/Corpse.h"

namespace Vorn {

Corpse::Corpse(Type type, float bodySize, const Constants::CorpseData* record)
    : type(type), bodySize(bodySize), record(record) {}

void Corpse::Update(World& /*world*/, unsigned elapsedMs) {
    elapsed += elapsedMs;
}

} // namespace Vorn
