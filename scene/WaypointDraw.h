// A selected tank's route over the map.
#pragma once

namespace Vorn {

class Tank;

// The route as a line from the tank through every waypoint, with a dot at each, in the colours
// "waypoint_line" and "waypoint". Needs GL; keeps the caller's drawing state.
void DrawWaypoints(const Tank& tank);

} // namespace Vorn
