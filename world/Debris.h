// A piece a wreck throws out; recyclers earn money from it while it lies around.
#pragma once

#include "world/Object.h"

namespace Vorn {

class Corpse;

// Filed under side 0 in the debris containers; removed once its time runs out.
class Debris : public Object {
public:
    explicit Debris(int remainingTime) : remainingTime(remainingTime) {}
    // Leaves its wreck's list, so a piece that a blast expired early is not counted down after it is gone.
    ~Debris() override;
    bool HasExpired() const { return remainingTime < 0; }

    int remainingTime;
    // The wreck that lists it, or null.
    Corpse* corpse = nullptr;
};

} // namespace Vorn
