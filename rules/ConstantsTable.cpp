// The 79-slot table of constants records.
#include "rules/ConstantsTable.h"

#include "rules/ConstantNames.h"

namespace Vorn::Constants {

ConstantsTable constantsTable;

namespace {
bool HoldsRecords(ConstantId id) {
    return IndexOf(id) >= IndexOf(firstConstantId) && IndexOf(id) <= IndexOf(lastConstantId);
}
} // namespace

const ObjectData* ConstantsTable::operator[](ConstantId id) const {
    return HoldsRecords(id) ? slots[IndexOf(id)].get() : nullptr;
}

void ConstantsTable::Replace(ConstantId id, std::unique_ptr<ObjectData> record) {
    if (HoldsRecords(id))
        slots[IndexOf(id)] = std::move(record);
}

void ConstantsTable::Clear() {
    for (auto& slot : slots)
        slot.reset();
}

std::vector<std::string> ConstantsTable::MissingEntries() const {
    std::vector<std::string> missing;
    for (int index = IndexOf(firstConstantId); index <= IndexOf(lastConstantId); ++index) {
        if (!slots[index])
            missing.emplace_back(ConstantName(ConstantIdFromIndex(index)));
    }
    return missing;
}

} // namespace Vorn::Constants
