// What the player was looking at and had chosen, taken into a saved game and given back on loading: the
// camera, the selection and the control groups. The main panel's toolbar follows the selection, so it
// comes back with it.
#pragma once

#include "save/SavedGame.h"

namespace Vorn {

class Camera;
class MapOverlay;
class World;

PlayerView TakePlayerView(const Camera& camera, MapOverlay& overlay);
// Units the world no longer holds (or never held: a damaged file) are left out.
void ApplyPlayerView(const PlayerView& view, World& world, Camera& camera, MapOverlay& overlay);

} // namespace Vorn
