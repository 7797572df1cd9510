// The keywords with which levels name object types.
#include "datafiles/TypeKeywords.h"

namespace {

bool SameIgnoringCase(std::string_view left, std::string_view right) {
    if (left.size() != right.size()) {
        return false;
    }
    for (std::size_t index = 0; index < left.size(); ++index) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(left[index]) != lower(right[index])) {
            return false;
        }
    }
    return true;
}

} // namespace

int TypeOfKeyword(std::span<const TypeKeyword> table, std::string_view name, int fallback) {
    for (const TypeKeyword& entry : table) {
        if (SameIgnoringCase(entry.keyword, name)) {
            return entry.value;
        }
    }
    return fallback;
}
