// Headings in degrees: 0 points along +y, 90 along +x. Headings are never wrapped when stored; every
// comparison goes through the difference below.
#pragma once

namespace Vorn {

inline constexpr double degreesPerRadian = 57.29577951308232;
inline constexpr double radiansPerDegree = 0.017453292519943295;

// a - b folded into [-180, 180] with a remainder, so a heading that has spun for hours (or a corrupt,
// infinite one) costs no more than any other.
float AngleDifference(float a, float b);
// The heading from (fromX, fromY) towards (toX, toY).
float BearingOf(float fromX, float fromY, float toX, float toY);
// Turns heading towards wanted by at most step degrees, landing exactly on it when within reach.
float TurnTowards(float heading, float wanted, float step);

} // namespace Vorn
