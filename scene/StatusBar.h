// The armour bar the selection display draws over a unit.
#pragma once

namespace Vorn {

class IInfo;
class Object;

struct StatusBarColour {
    float red, green, blue, alpha;
};
// Green at full armour, yellow at 0.6, red at 0.2 and below.
StatusBarColour StatusBarColourOf(float armorFraction);

// Draws upright over the object, whatever the camera's rotation and zoom; the caller has translated to the
// object's position. Leaves the bar's colour current at alpha 0.6. Needs GL.
void DrawStatusBar(const Object& object, const IInfo& info);

} // namespace Vorn
