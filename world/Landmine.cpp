// A landmine.
#include "world/Landmine.h"

#include "rules/LandmineData.h"

namespace Vorn {

Landmine::Landmine(Type type, const Constants::LandmineData* record) : type(type), record(record) {
    if (record)
        size = record->size;
}

void Landmine::Update(World& /*world*/, unsigned elapsedMs) {
    if (triggered)
        elapsed += static_cast<int>(elapsedMs);
}

void Landmine::SetOff() {
    if (triggered)
        return;
    triggered = true;
    elapsed = record ? record->countdown - 1 : 0;
}

bool Landmine::HasDetonated() const {
    return triggered && elapsed >= (record ? record->countdown : 0);
}

} // namespace Vorn
