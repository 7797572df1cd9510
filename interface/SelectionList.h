// The objects the player has selected, remembered by serial-checked reference: a selected unit that dies
// and whose memory is reused by a new unit never passes for the new one.
#pragma once

#include "world/ObjectRef.h"

#include <cstddef>
#include <vector>

namespace Vorn {

class Object;
class World;

// There is no limit to its size: a drag or a group takes every unit it covers.
class SelectionList {
public:
    // Room kept from the start, so that ordinary selections never grow the lists.
    static constexpr std::size_t reserved = 128;

    SelectionList();

    // False when the object is already selected.
    bool Add(Object* object);
    void Remove(const Object* object);
    bool Contains(const Object* object) const;
    void Clear();
    // Replaces the list with the objects in their order, skipping repeats.
    void Assign(const std::vector<Object*>& objects);
    // Drops every object the world no longer holds, keeping the order of the rest.
    void DropMissing(World& world);

    // The selected objects as pointers, all alive as of the last DropMissing or change.
    const std::vector<Object*>& Objects() const { return pointers; }
    const std::vector<ObjectRef>& References() const { return references; }
    std::size_t Size() const { return references.size(); }
    bool Empty() const { return references.empty(); }

private:
    void Append(Object* object);

    std::vector<ObjectRef> references;
    std::vector<Object*> pointers;
};

} // namespace Vorn
