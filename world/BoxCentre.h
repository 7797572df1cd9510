// The centre of the box around objects' positions: the point a group keeps its shape around when it is
// ordered to move, and the point the map overlay draws the group's order from.
#pragma once

#include "world/Object.h"

#include <algorithm>
#include <vector>

namespace Vorn {

struct BoxPoint {
    float x = 0;
    float y = 0;
};

// The objects must not be empty.
inline BoxPoint BoxCentre(const std::vector<Object*>& objects) {
    float left = objects.front()->x;
    float right = left;
    float bottom = objects.front()->y;
    float top = bottom;
    for (const Object* object : objects) {
        left = std::min(left, object->x);
        right = std::max(right, object->x);
        bottom = std::min(bottom, object->y);
        top = std::max(top, object->y);
    }
    return {(left + right) / 2, (bottom + top) / 2};
}

} // namespace Vorn
