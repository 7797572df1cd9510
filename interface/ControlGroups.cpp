// Stored selections on the digit keys.
#include "interface/ControlGroups.h"

#include "world/World.h"

namespace Vorn {

namespace {
bool IsGroup(int group) {
    return group >= 0 && group < ControlGroups::count;
}
} // namespace

void ControlGroups::Store(int group, const std::vector<ObjectRef>& objects) {
    if (IsGroup(group)) {
        groups[group] = objects;
    }
}

std::vector<Object*> ControlGroups::Members(int group, World& world) const {
    std::vector<Object*> members;
    if (!IsGroup(group)) {
        return members;
    }
    for (const ObjectRef& member : groups[group]) {
        if (world.ContainsAnywhere(member)) {
            members.push_back(member.Get());
        }
    }
    return members;
}

const std::vector<ObjectRef>& ControlGroups::Stored(int group) const {
    static const std::vector<ObjectRef> none;
    return IsGroup(group) ? groups[group] : none;
}

bool ControlGroups::NoteRecall(int group, unsigned nowMs, unsigned windowMs) {
    const bool repeated = group == lastGroup && nowMs - lastRecallAt <= windowMs;
    lastGroup = group;
    lastRecallAt = nowMs;
    return repeated;
}

} // namespace Vorn
