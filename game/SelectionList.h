// The objects the player has selected, remembered by serial-checked reference: a selected unit that dies
// and whose memory is reused by a new unit never passes for the new one.
#pragma once

#include "world/ObjectRef.h"

#include <cstddef>
#include <vector>

namespace Vorn {

class Object;
class World;

class SelectionList {
public:
    // The most objects a selection holds; what a drag or a group would add beyond it is left out.
    static constexpr std::size_t capacity = 128;

    SelectionList();

    // False when the object is already selected or the list is full.
    bool Add(Object* object);
    void Remove(const Object* object);
    bool Contains(const Object* object) const;
    void Clear();
    // Replaces the list with the objects, up to the capacity, skipping repeats.
    void Assign(const std::vector<Object*>& objects);
    // Drops every object the world no longer holds, keeping the order of the rest.
    void DropMissing(World& world);

    // The selected objects as pointers, all alive as of the last DropMissing or change.
    const std::vector<Object*>& Objects() const { return pointers; }
    const std::vector<ObjectRef>& References() const { return references; }
    std::size_t Size() const { return references.size(); }
    bool Empty() const { return references.empty(); }

private:
    std::vector<ObjectRef> references;
    std::vector<Object*> pointers;
};

} // namespace Vorn
