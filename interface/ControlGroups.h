// The player's stored selections, one per digit key, by serial-checked reference.
#pragma once

#include "world/ObjectRef.h"

#include <array>
#include <vector>

namespace Vorn {

class Object;
class World;

class ControlGroups {
public:
    static constexpr int count = 10;

    // Remembers the objects as the group, replacing what it held; an index outside 0-9 is ignored.
    void Store(int group, const std::vector<ObjectRef>& objects);
    // The group's members the world still holds, in the order stored.
    std::vector<Object*> Members(int group, World& world) const;
    // The group as stored, dead members included; empty for an index outside 0-9.
    const std::vector<ObjectRef>& Stored(int group) const;
    // Notes a recall of the group at the time; true when it repeats the previous recall of the same group
    // within the window.
    bool NoteRecall(int group, unsigned nowMs, unsigned windowMs);

private:
    std::array<std::vector<ObjectRef>, count> groups;
    int lastGroup = -1;
    unsigned lastRecallAt = 0;
};

} // namespace Vorn
