// A piece a wreck throws out; recyclers earn money from it while it lies around.
#pragma once

#include "world/Object.h"

namespace Vorn {

// Filed under side 0 in the debris containers; removed once its time runs out.
class Debris : public Object {
public:
    explicit Debris(int remainingTime) : remainingTime(remainingTime) {}

    // Scaled by a tenth of its size.
    void Draw() override;
    bool HasExpired() const { return remainingTime < 0; }

    int remainingTime;
};

} // namespace Vorn
