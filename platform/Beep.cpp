// Tones through SDL's queued audio, or the mixer's tone stream while the mixer is open, so that a beep
// never holds up the frame.
#include "platform/Beep.h"

#include "platform/AudioMixer.h"
#include "platform/MixerTones.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

namespace {

constexpr int sampleRate = 22050;
constexpr std::int16_t amplitude = 6000;
// Longer tones are cut, so that every tone fits an empty queue.
constexpr int maxDurationMs = maxQueuedBeepMs;
constexpr std::size_t bytesPerSecond = sampleRate * sizeof(std::int16_t);
constexpr std::size_t maxQueuedBytes = bytesPerSecond * maxQueuedBeepMs / 1000;

// Opened on the first beep; 0 when there is no device, and then nothing is tried again.
SDL_AudioDeviceID OpenDevice() {
    static bool tried = false;
    static SDL_AudioDeviceID device = 0;
    if (tried)
        return device;
    tried = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return 0;
    SDL_AudioSpec wanted{};
    wanted.freq = sampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = 1024;
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device != 0)
        SDL_PauseAudioDevice(device, 0);
    return device;
}

} // namespace

std::vector<std::int16_t> BeepSamples(int frequencyHz, int durationMs, int rate) {
    if (frequencyHz <= 0 || durationMs <= 0 || rate <= 0)
        return {};
    const long long count = static_cast<long long>(std::min(durationMs, maxDurationMs)) * rate / 1000;
    std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
    for (long long i = 0; i < count; ++i) {
        // The position within one period decides the half: high first, then low.
        const long long phase = (i * frequencyHz * 2 / rate) % 2;
        samples[static_cast<std::size_t>(i)] = phase == 0 ? amplitude : -amplitude;
    }
    return samples;
}

// While the mixer owns the device the tones join its mix instead of opening a device of their own.
void Beep(int frequencyHz, int durationMs) {
    if (MixerIsOpen()) {
        QueueMixerTone(BeepSamples(frequencyHz, durationMs, mixerSampleRate), maxQueuedBeepMs);
        return;
    }
    const std::vector<std::int16_t> samples = BeepSamples(frequencyHz, durationMs, sampleRate);
    if (samples.empty())
        return;
    const SDL_AudioDeviceID device = OpenDevice();
    if (device == 0)
        return;
    const std::size_t bytes = samples.size() * sizeof(std::int16_t);
    if (SDL_GetQueuedAudioSize(device) + bytes > maxQueuedBytes)
        return;
    SDL_QueueAudio(device, samples.data(), static_cast<Uint32>(bytes));
}

int QueuedBeepMs() {
    if (MixerIsOpen())
        return QueuedMixerToneMs();
    const SDL_AudioDeviceID device = OpenDevice();
    return device == 0 ? 0 : static_cast<int>(SDL_GetQueuedAudioSize(device) * 1000 / bytesPerSecond);
}

} // namespace platform
