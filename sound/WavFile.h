// WAV files of signed 16-bit samples: what sector-clash-sounds renders, what the driver's --audio-out
// records, and what the tests read back to listen to. Reading takes any file: every size in it is checked
// against the bytes that are really there before anything is allocated.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace Vorn {

struct PcmRecording {
    int sampleRate = 0;
    // 1 or 2; the samples are interleaved.
    int channels = 0;
    std::vector<std::int16_t> samples;
};

inline constexpr std::size_t maxWavFileBytes = std::size_t{1} << 30;

// Through a temporary file and a rename, so a failed write leaves nothing half written. "" or the reason.
std::string WriteWav(const std::string& path, const PcmRecording& recording);
std::string ReadWav(const std::string& path, PcmRecording& recording);
// The file's bytes; "" or the reason (not RIFF WAVE, not 16-bit PCM, no data).
std::string ParseWav(std::span<const std::uint8_t> bytes, PcmRecording& recording);
std::string EncodeWav(const PcmRecording& recording);

// Samples in [-1, 1] as 16-bit values; beyond is clipped.
std::vector<std::int16_t> ToPcm(std::span<const float> samples);

} // namespace Vorn
