// Tones played beside the mixer's voices, in the order they were queued: the level's beep goes through
// here while the mixer owns the audio device, so the two never compete for it.
#pragma once

#include <cstdint>
#include <span>

namespace platform {

// Queues mono samples at mixerSampleRate behind what is queued; false, with nothing queued, when the
// mixer is closed or the tone would not fit within maxQueuedMs of queued sound.
bool QueueMixerTone(std::span<const std::int16_t> samples, int maxQueuedMs);
// Milliseconds of tone queued and not yet played; 0 when the mixer is closed.
int QueuedMixerToneMs();

} // namespace platform
