// The seven sides' records.
#include "world/SideTable.h"

#include "world/ObjectKind.h"

#include <algorithm>
#include <cctype>

namespace Vorn {

namespace {
const char* const sideColourNames[sideCount] = {"Neutral", "Red",  "Green",  "Blue",
                                                "Yellow",  "Aqua", "Magenta"};

bool SameIgnoringCase(const std::string& text, const char* name) {
    const std::string other(name);
    return text.size() == other.size() &&
           std::equal(text.begin(), text.end(), other.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}
} // namespace

SideRecord& SideTable::operator[](int side) {
    if (side < 0 || side >= sideCount) {
        noSideRecord = SideRecord{};
        return noSideRecord;
    }
    return records[side];
}

const SideRecord& SideTable::operator[](int side) const {
    if (side < 0 || side >= sideCount)
        return noSideRecord;
    return records[side];
}

void SideTable::EndStep() {
    for (SideRecord& record : records) {
        if (!record.productionWanting || record.money > 9)
            record.outOfMoney = false;
        record.productionWanting = false;
    }
}

int SideOfName(const std::string& name) {
    for (int side = 0; side < sideCount; ++side)
        if (SameIgnoringCase(name, sideColourNames[side]))
            return side;
    return noSide;
}

} // namespace Vorn
