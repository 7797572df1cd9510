// Renders a recipe of "sounds.xml" into samples, once, when the sounds are loaded. The noise comes from a
// generator of its own seeded by the sound's name, never from the game's Random, so rendering sounds can
// never change a battle and the same recipe always sounds the same.
#pragma once

#include "sound/SoundRecipe.h"

#include <vector>

namespace Vorn {

// The rate every sound is rendered at: the mixer's, so nothing is converted at play time.
int SoundSampleRate();

// Mono samples of the layers summed, as long as the longest layer (at most SoundLimits::maxLengthMs).
// Variant 0 is the recipe as written; each further one (up to the recipe's variants) has fresh noise and
// its pitch moved within ±jitter percent. Nothing is clipped: a recipe that adds up beyond 1 renders
// beyond 1, for the data checker to report.
std::vector<float> RenderRecipe(const SoundRecipe& recipe, int variant = 0);

// The pitch factor of a variant: 1 for variant 0, then alternately above and below by parts of the jitter.
float VariantPitchFactor(const SoundRecipe& recipe, int variant);

} // namespace Vorn
