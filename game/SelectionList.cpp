// The player's selection by serial-checked reference.
#include "game/SelectionList.h"

#include "world/World.h"

#include <algorithm>

namespace Vorn {

SelectionList::SelectionList() {
    references.reserve(capacity);
    pointers.reserve(capacity);
}

bool SelectionList::Add(Object* object) {
    if (object == nullptr || references.size() >= capacity || Contains(object)) {
        return false;
    }
    references.emplace_back(object);
    pointers.push_back(object);
    return true;
}

void SelectionList::Remove(const Object* object) {
    const auto found = std::find(pointers.begin(), pointers.end(), object);
    if (found == pointers.end()) {
        return;
    }
    references.erase(references.begin() + (found - pointers.begin()));
    pointers.erase(found);
}

bool SelectionList::Contains(const Object* object) const {
    return std::any_of(references.begin(), references.end(),
                       [object](const ObjectRef& reference) { return reference.Is(object); });
}

void SelectionList::Clear() {
    references.clear();
    pointers.clear();
}

void SelectionList::Assign(const std::vector<Object*>& objects) {
    Clear();
    for (Object* object : objects) {
        Add(object);
    }
}

void SelectionList::DropMissing(World& world) {
    std::erase_if(references,
                  [&world](const ObjectRef& reference) { return !world.ContainsAnywhere(reference); });
    pointers.clear();
    for (const ObjectRef& reference : references) {
        pointers.push_back(reference.Get());
    }
}

} // namespace Vorn
