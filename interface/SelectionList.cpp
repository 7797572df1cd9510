// The player's selection by serial-checked reference.
#include "interface/SelectionList.h"

#include "world/World.h"

#include <algorithm>
#include <unordered_set>

namespace Vorn {

SelectionList::SelectionList() {
    references.reserve(reserved);
    pointers.reserve(reserved);
}

bool SelectionList::Add(Object* object) {
    if (object == nullptr || Contains(object)) {
        return false;
    }
    Append(object);
    return true;
}

void SelectionList::Append(Object* object) {
    references.emplace_back(object);
    pointers.push_back(object);
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

// A drag over a large army hands over thousands of units in every frame it lasts, so repeats are found
// by a set rather than by searching the list for each one.
void SelectionList::Assign(const std::vector<Object*>& objects) {
    Clear();
    std::unordered_set<const Object*> taken;
    taken.reserve(objects.size());
    for (Object* object : objects) {
        if (object != nullptr && taken.insert(object).second) {
            Append(object);
        }
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
