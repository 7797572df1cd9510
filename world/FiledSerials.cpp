// The table of filed serials behind the world's membership questions.
#include "world/FiledSerials.h"

#include "world/Object.h"

#include <algorithm>

namespace Vorn {

FiledSerials::Filed* FiledSerials::EntryFor(std::uint64_t serial) {
    if (serial >= denseLimit)
        return &sparse[serial];
    if (serial >= dense.size())
        dense.resize(
            std::min<std::uint64_t>(std::max<std::uint64_t>(serial + 1, 2 * dense.size()), denseLimit));
    return &dense[serial];
}

void FiledSerials::Note(Object* object) {
    Filed& filed = *EntryFor(object->Serial());
    if (filed.count == 0)
        filed.object = object;
    ++filed.count;
}

void FiledSerials::Unnote(const Object* object) {
    const std::uint64_t serial = object->Serial();
    if (serial < dense.size()) {
        Filed& filed = dense[serial];
        if (filed.count > 0 && --filed.count == 0)
            filed.object = nullptr;
        return;
    }
    const auto entry = sparse.find(serial);
    if (entry != sparse.end() && --entry->second.count <= 0)
        sparse.erase(entry);
}

} // namespace Vorn
