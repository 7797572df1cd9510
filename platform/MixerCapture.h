// A recording of everything the mixer plays, as it leaves for the device: the headless driver writes it
// to a file and the tests listen to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// Starts recording from the next buffer the mixer plays (also when the mixer opens later), keeping at
// most maxFrames sample pairs; what came before is dropped.
void StartMixerCapture(std::size_t maxFrames);
// Stops recording; what was recorded stays until taken.
void StopMixerCapture();
// Interleaved left and right signed 16-bit samples at mixerSampleRate, emptied by taking.
std::vector<std::int16_t> TakeMixerCapture();
std::size_t CapturedMixerFrames();
// Whether the recording reached maxFrames and left later sound out.
bool MixerCaptureTruncated();

// The mixer hands every buffer it played here (the audio thread); frames are sample pairs.
void CaptureMixedBuffer(const std::int16_t* samples, std::size_t frames);

} // namespace platform
