// Sound files (WAV, Ogg Vorbis) decoded by SDL_mixer into the samples the mixer plays.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

// Decodes a whole file held in memory to mono samples in [-1, 1] at mixerSampleRate (the channels averaged),
// keeping at most maxSamples. Needs the mixer open, since SDL_mixer converts to the device's format; a
// tool without sound opens it on the "dummy" driver. "" on success, else the reason in one line.
std::string DecodeSoundFile(std::span<const std::uint8_t> bytes, std::size_t maxSamples,
                            std::vector<float>& samples);

} // namespace platform
