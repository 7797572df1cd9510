// An effect an object drags along (a tank's exhaust and dust, a bullet's trail), with its offset from the
// object's centre.
#pragma once

namespace Vorn {

class Effect;

struct AttachedEffect {
    Effect* effect;
    float offsetX;
    float offsetY;
};

// Lets the world collect an effect its owner no longer points to: ends and pauses it and drops the hold.
void ReleaseEffect(Effect* effect);

} // namespace Vorn
