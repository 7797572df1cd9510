// Where the camera looks when a game starts.
#pragma once

namespace Vorn {

class Camera;
class World;

// Centres the camera on the side's first headquarters, so a player starts looking at their own base
// rather than at the middle of the map; a side without one keeps the camera where it is.
void CentreOnHeadquarters(Camera& camera, World& world, int side);

} // namespace Vorn
