// WAV files of signed 16-bit samples.
#include "sound/WavFile.h"

#include "datafiles/ReplaceFile.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

namespace Vorn {

namespace {

constexpr std::size_t riffHeaderBytes = 12;
constexpr std::size_t chunkHeaderBytes = 8;
constexpr std::size_t formatBytes = 16;
constexpr std::uint16_t pcmFormat = 1;
constexpr int highestSampleRate = 384000;

void PutU16(std::string& out, std::uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(std::string& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

std::uint32_t U16At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8);
}

std::uint32_t U32At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return U16At(bytes, at) | (U16At(bytes, at + 2) << 16);
}

bool TagAt(std::span<const std::uint8_t> bytes, std::size_t at, const char* tag) {
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

std::string ReadFormat(std::span<const std::uint8_t> chunk, PcmRecording& recording) {
    if (chunk.size() < formatBytes)
        return "its format chunk is too short";
    const std::uint32_t format = U16At(chunk, 0);
    const std::uint32_t channels = U16At(chunk, 2);
    const std::uint32_t rate = U32At(chunk, 4);
    const std::uint32_t bits = U16At(chunk, 14);
    if (format != pcmFormat || bits != 16)
        return "not 16-bit PCM (format " + std::to_string(format) + ", " + std::to_string(bits) + " bits)";
    if (channels < 1 || channels > 2)
        return std::to_string(channels) + " channels; only 1 or 2 are read";
    if (rate < 1 || rate > static_cast<std::uint32_t>(highestSampleRate))
        return "a sample rate of " + std::to_string(rate) + " Hz";
    recording.channels = static_cast<int>(channels);
    recording.sampleRate = static_cast<int>(rate);
    return {};
}

} // namespace

std::vector<std::int16_t> ToPcm(std::span<const float> samples) {
    std::vector<std::int16_t> pcm(samples.size());
    std::transform(samples.begin(), samples.end(), pcm.begin(), [](float value) {
        return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
    });
    return pcm;
}

std::string EncodeWav(const PcmRecording& recording) {
    const auto dataBytes = static_cast<std::uint32_t>(recording.samples.size() * sizeof(std::int16_t));
    const auto channels = static_cast<std::uint32_t>(recording.channels);
    const auto rate = static_cast<std::uint32_t>(recording.sampleRate);
    std::string out = "RIFF";
    PutU32(out, 4 + chunkHeaderBytes + formatBytes + chunkHeaderBytes + dataBytes);
    out += "WAVEfmt ";
    PutU32(out, formatBytes);
    PutU16(out, pcmFormat);
    PutU16(out, channels);
    PutU32(out, rate);
    PutU32(out, rate * channels * 2);
    PutU16(out, channels * 2);
    PutU16(out, 16);
    out += "data";
    PutU32(out, dataBytes);
    for (std::int16_t sample : recording.samples)
        PutU16(out, static_cast<std::uint16_t>(sample));
    return out;
}

std::string WriteWav(const std::string& path, const PcmRecording& recording) {
    if (recording.channels < 1 || recording.channels > 2 || recording.sampleRate < 1 ||
        recording.samples.size() % static_cast<std::size_t>(recording.channels) != 0 ||
        recording.samples.size() * sizeof(std::int16_t) > maxWavFileBytes)
        return "cannot write " + path + ": not a recording a WAV file holds";
    if (!Brisk::ReplaceFile(path, EncodeWav(recording)))
        return "cannot write " + path + ": " + std::strerror(errno);
    return {};
}

std::string ParseWav(std::span<const std::uint8_t> bytes, PcmRecording& recording) {
    recording = PcmRecording{};
    if (bytes.size() < riffHeaderBytes || !TagAt(bytes, 0, "RIFF") || !TagAt(bytes, 8, "WAVE"))
        return "not a RIFF WAVE file";
    std::size_t at = riffHeaderBytes;
    while (at + chunkHeaderBytes <= bytes.size()) {
        // A chunk that claims more than the file holds is cut to what is there.
        const std::size_t declared = U32At(bytes, at + 4);
        const std::size_t start = at + chunkHeaderBytes;
        const std::size_t size = std::min(declared, bytes.size() - start);
        const std::span<const std::uint8_t> chunk = bytes.subspan(start, size);
        if (TagAt(bytes, at, "fmt ")) {
            if (std::string fault = ReadFormat(chunk, recording); !fault.empty())
                return fault;
        } else if (TagAt(bytes, at, "data")) {
            if (recording.channels == 0)
                return "its data comes before its format";
            const std::size_t frame = static_cast<std::size_t>(recording.channels) * sizeof(std::int16_t);
            recording.samples.resize(size / frame * recording.channels);
            for (std::size_t index = 0; index < recording.samples.size(); ++index)
                recording.samples[index] = static_cast<std::int16_t>(U16At(chunk, index * 2));
            return {};
        }
        // Chunks are padded to an even size.
        at = start + size + (size % 2);
    }
    return recording.channels == 0 ? "it has no format chunk" : "it has no data chunk";
}

std::string ReadWav(const std::string& path, PcmRecording& recording) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return "cannot read " + path + ": " + std::strerror(errno);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<std::uint64_t>(size) > maxWavFileBytes)
        return "cannot read " + path + ": larger than " + std::to_string(maxWavFileBytes >> 20) + " MB";
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes.data()), size);
    if (!in)
        return "cannot read " + path;
    if (std::string fault = ParseWav(bytes, recording); !fault.empty())
        return path + ": " + fault;
    return {};
}

} // namespace Vorn
