// How the level's "beep" sounds: the simulation reports it as a Beep event, and the game mode plays each
// one here through the platform's beeper. Headless tools never call this, so they stay silent.
#pragma once

#include "world/WorldEvent.h"

namespace Vorn {

// A tone of the frequency for the duration, returning at once (platform::Beep in the game).
using Tone = void (*)(int frequencyHz, int durationMs);

// Each Beep event of the step sounds a high tone followed by a low one.
void SoundBeeps(const WorldEvents& events, Tone tone);

} // namespace Vorn
