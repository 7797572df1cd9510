// A short tone on the default audio output, for scripted signals.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// Queues a square tone of the frequency for the duration and returns at once; tones queued one after the
// other play one after the other. Silent, and still immediate, when there is no audio device (under Xvfb
// or in CI), and for a frequency or duration of 0 or less.
void Beep(int frequencyHz, int durationMs);

// The signed 16-bit mono samples of such a tone at the sample rate; for tests.
std::vector<std::int16_t> BeepSamples(int frequencyHz, int durationMs, int sampleRate);

} // namespace platform
