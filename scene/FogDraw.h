// The fog of war over the map, as the player's side sees it.
#pragma once

namespace Vorn {

class FogOfWar;

// Draws the fog over the box of half side r around the centre: a quad for every grid square with a
// fogged corner, as one vertex array, in the fog's colour. Nothing for a fog without a record. Needs GL.
void DrawFog(const FogOfWar& fog, float centreX, float centreY, float r);

} // namespace Vorn
