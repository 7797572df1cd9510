// Where on the map the player listens from: the view's centre, turned and zoomed as the camera is. A
// sound is heard at full volume in the middle of the screen, softer towards its edges and beyond, and not
// at all far away; it comes from the side of the screen it happens on.
#pragma once

namespace Vorn {

struct SoundListener {
    float centreX = 0;
    float centreY = 0;
    // Degrees, as the camera turns the map.
    float rotation = 0;
    // The camera's scale: screen pixels per world unit.
    float pixelsPerUnit = 1;
    // Half the screen, in pixels.
    float halfWidth = 512;
    float halfHeight = 384;
};

struct SoundPlace {
    // 0 (not heard) to 1.
    float gain = 0;
    // -1 (left) to 1 (right).
    float pan = 0;
};

// Distances count in screen pixels, so zooming in spreads a battle and zooming out gathers it; a view
// zoomed far out also hears everything a little softer, as from higher up.
SoundPlace PlaceSound(const SoundListener& listener, float x, float y);

} // namespace Vorn
