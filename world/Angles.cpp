// Heading arithmetic shared by turrets, bullets and brains.
#include "world/Angles.h"

#include <cmath>

namespace Vorn {

float AngleDifference(float a, float b) {
    return static_cast<float>(std::remainder(static_cast<double>(a) - b, 360.0));
}

float BearingOf(float fromX, float fromY, float toX, float toY) {
    return static_cast<float>(std::atan2(toX - fromX, toY - fromY) * degreesPerRadian);
}

float TurnTowards(float heading, float wanted, float step) {
    const float d = AngleDifference(heading, wanted);
    if (d < 0)
        return d > -step ? wanted : heading + step;
    return d < step ? wanted : heading - step;
}

} // namespace Vorn
