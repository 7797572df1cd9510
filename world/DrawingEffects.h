// The particle effects a standing object shows at its drawing's particle-system points: a building's
// smoke, a landmark's deposit glitter.
#pragma once

#include <vector>

namespace Vorn {

class Drawing;
class Effect;
class World;

// Places one effect per particle-system point of the drawing, at (x, y) plus the point turned by the
// heading, in the upper effects, and answers them held for the caller. Names the particle factory does not
// know are skipped.
std::vector<Effect*> AttachDrawingEffects(World& world, const Drawing* drawing, float x, float y,
                                          float direction);
// Lets the world collect the effects: ended, they fade out and are removed once their particles are gone.
void ReleaseDrawingEffects(std::vector<Effect*>& effects);

} // namespace Vorn
