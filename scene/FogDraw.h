// The fog of war over the map, as the player's side sees it.
#pragma once

namespace Vorn {

class FogOfWar;

// Draws the fog over the box of half side r around the centre: a quad for every grid square with a
// fogged corner, as one vertex array, in the fog's colour. Nothing for a fog without a record. Needs GL.
void DrawFog(const FogOfWar& fog, float centreX, float centreY, float r);

// Says whether something opaque, drawn after the fog, covers everything beyond the fog's map (outside
// x = +-HalfWidth, y = +-HalfHeight) in the box DrawFog is given. While it does, DrawFog paints no pixel
// of the quads that lie wholly beyond the map: zoomed out, they are most of the screen, painted for
// nothing. Whoever says so says so only for the drawing it covers, and says false after it.
void SetFogBeyondMapCovered(bool covered);

} // namespace Vorn
