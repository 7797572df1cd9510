// Sound files decoded by SDL_mixer.
#include "platform/SoundFileDecoder.h"

#include "platform/AudioMixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <climits>

namespace platform {

std::string DecodeSoundFile(std::span<const std::uint8_t> bytes, std::size_t maxSamples,
                            std::vector<float>& samples) {
    samples.clear();
    if (!MixerIsOpen()) {
        return "the mixer is not open to decode with";
    }
    if (bytes.empty() || bytes.size() > INT_MAX) {
        return bytes.empty() ? "the file is empty" : "the file is too large";
    }
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    Mix_Chunk* chunk = source != nullptr ? Mix_LoadWAV_RW(source, 1) : nullptr;
    if (chunk == nullptr) {
        return std::string("not a sound SDL_mixer reads: ") + Mix_GetError();
    }
    const auto* stereo = reinterpret_cast<const std::int16_t*>(chunk->abuf);
    const std::size_t frames =
        std::min<std::size_t>(chunk->alen / (sizeof(std::int16_t) * mixerChannels), maxSamples);
    samples.resize(frames);
    for (std::size_t frame = 0; frame < frames; ++frame) {
        const int sum = stereo[frame * 2] + stereo[frame * 2 + 1];
        samples[frame] = static_cast<float>(sum) / (2.0f * 32768.0f);
    }
    Mix_FreeChunk(chunk);
    return {};
}

} // namespace platform
