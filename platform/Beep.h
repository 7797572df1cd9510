// A short tone on the default audio output, for scripted signals.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// The most sound waiting to be played, in milliseconds; a tone that would not fit behind what is queued is
// dropped, so a level that beeps every step keeps a few beeps queued instead of growing without end.
inline constexpr int maxQueuedBeepMs = 1000;

// Queues a square tone of the frequency for the duration (cut to maxQueuedBeepMs) and returns at once,
// into the mixer while it is open (platform/AudioMixer.h), else on a device of its own;
// tones queued one after the other play one after the other. Silent, and still immediate, when there is no
// audio device (under Xvfb or in CI), for a frequency or duration of 0 or less, and when the queue is full.
void Beep(int frequencyHz, int durationMs);

// How much sound is queued and not yet played, in milliseconds; 0 without a device.
int QueuedBeepMs();

// The signed 16-bit mono samples of such a tone at the sample rate; for tests.
std::vector<std::int16_t> BeepSamples(int frequencyHz, int durationMs, int sampleRate);

} // namespace platform
