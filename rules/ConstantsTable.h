// The 79-slot table of constants records that every game object finds its rules in.
#pragma once

#include "rules/ConstantId.h"
#include "rules/ObjectData.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace Vorn::Constants {

// Owns one record per slot for the length of a game. Objects keep raw pointers to the records, so the
// table must not be released or refilled while any object exists.
class ConstantsTable {
public:
    // The record of the slot, or null when the slot is empty or the id out of range.
    const ObjectData* operator[](ConstantId id) const;

    // The record of the slot when it is of the class Record, else null.
    template <class Record> const Record* Find(ConstantId id) const {
        return dynamic_cast<const Record*>((*this)[id]);
    }

    // Puts the record in the slot, deleting the one it held. Ids out of range and ConstantId::None keep no
    // record.
    void Replace(ConstantId id, std::unique_ptr<ObjectData> record);

    // Deletes every record and empties every slot.
    void Clear();

    // The element names of the entries 1..78 whose slots are empty, in id order.
    std::vector<std::string> MissingEntries() const;

private:
    std::array<std::unique_ptr<ObjectData>, constantSlotCount> slots;
};

// The game's table, filled by LoadConstants and emptied by ReleaseConstants.
extern ConstantsTable constantsTable;

} // namespace Vorn::Constants
