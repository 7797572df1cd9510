// The sound device through SDL_mixer, with the tone stream and the recording hooked around its mix.
#include "platform/AudioMixer.h"

#include "platform/MixerCapture.h"
#include "platform/MixerTones.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace platform {

namespace {

// About 21 ms at 48 kHz: short enough that a shot is heard in the frame it is fired, long enough that a
// busy frame does not starve the device.
constexpr int bufferFrames = 1024;
constexpr int sdlMaxVolume = MIX_MAX_VOLUME;

struct StoredSound {
    // Interleaved left and right, the device's own format: SDL_mixer plays it without converting.
    std::vector<std::int16_t> frames;
    Mix_Chunk* chunk = nullptr;
};

struct Mixer {
    bool open = false;
    int voices = 0;
    std::string driver;
    std::vector<std::unique_ptr<StoredSound>> sounds;
};
Mixer mixer;

// The tone stream: mono samples not yet played, shared with the audio thread.
std::mutex toneGuard;
std::deque<std::int16_t> queuedTones;

// Written by the audio thread only; the totals are read by the main thread.
std::chrono::steady_clock::time_point mixStart;
std::atomic<std::uint64_t> busyNanoseconds{0};
std::atomic<std::uint64_t> framesMixed{0};

std::int16_t ToSample(float value) {
    return static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}

// SDL_mixer calls the music hook first into a silent buffer, then adds the voices: the tones are mixed
// in here, and the time the whole mix takes starts here.
void SDLCALL MixTones(void*, Uint8* stream, int length) {
    mixStart = std::chrono::steady_clock::now();
    const std::size_t frames = static_cast<std::size_t>(length) / (sizeof(std::int16_t) * mixerChannels);
    static std::vector<std::int16_t> stereo;
    std::size_t taken = 0;
    {
        std::lock_guard lock(toneGuard);
        taken = std::min(frames, queuedTones.size());
        stereo.resize(taken * mixerChannels);
        for (std::size_t frame = 0; frame < taken; ++frame) {
            stereo[frame * 2] = stereo[frame * 2 + 1] = queuedTones.front();
            queuedTones.pop_front();
        }
    }
    if (taken > 0) {
        SDL_MixAudioFormat(stream, reinterpret_cast<const Uint8*>(stereo.data()), AUDIO_S16SYS,
                           static_cast<Uint32>(taken * mixerChannels * sizeof(std::int16_t)),
                           SDL_MIX_MAXVOLUME);
    }
}

void SDLCALL AfterMix(void*, Uint8* stream, int length) {
    const std::size_t frames = static_cast<std::size_t>(length) / (sizeof(std::int16_t) * mixerChannels);
    const auto busy = std::chrono::steady_clock::now() - mixStart;
    busyNanoseconds += static_cast<std::uint64_t>(std::chrono::nanoseconds(busy).count());
    framesMixed += frames;
    CaptureMixedBuffer(reinterpret_cast<const std::int16_t*>(stream), frames);
}

// The hint only counts when the audio subsystem starts, so a subsystem already running another driver is
// stopped first (a device opened for beeps before the mixer goes with it).
bool StartAudio(const std::string& driver, std::string& reason) {
    if (!driver.empty()) {
        if (SDL_WasInit(SDL_INIT_AUDIO) != 0) {
            const char* current = SDL_GetCurrentAudioDriver();
            if (current != nullptr && driver == current) {
                return true;
            }
            while (SDL_WasInit(SDL_INIT_AUDIO) != 0) {
                SDL_QuitSubSystem(SDL_INIT_AUDIO);
            }
        }
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver.c_str(), SDL_HINT_OVERRIDE);
    }
    const bool started = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!driver.empty()) {
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    if (!started) {
        reason = std::string("no audio: ") + SDL_GetError();
    }
    return started;
}

StoredSound* FindSound(MixerSoundId sound) {
    if (sound < 0 || static_cast<std::size_t>(sound) >= mixer.sounds.size()) {
        return nullptr;
    }
    return mixer.sounds[static_cast<std::size_t>(sound)].get();
}

bool IsVoice(int voice) {
    return mixer.open && voice >= 0 && voice < mixer.voices;
}

// Floors, so that a volume the caller keeps below full scale stays below it.
int SdlVolume(float volume) {
    return static_cast<int>(std::floor(std::clamp(volume, 0.0f, 1.0f) * sdlMaxVolume));
}

void ApplyVolumeAndPan(int voice, float volume, float pan) {
    Mix_Volume(voice, SdlVolume(volume));
    const float side = std::clamp(pan, -1.0f, 1.0f);
    const auto left = static_cast<Uint8>(std::floor(255.0f * std::min(1.0f, 1.0f - side)));
    const auto right = static_cast<Uint8>(std::floor(255.0f * std::min(1.0f, 1.0f + side)));
    Mix_SetPanning(voice, left, right);
}

} // namespace

bool OpenMixer(const MixerRequest& request, std::string& reason) {
    CloseMixer();
    if (!StartAudio(request.driver, reason)) {
        return false;
    }
    // Ogg Vorbis files decode only with the codec loaded; WAV needs nothing, so a failure here is no reason
    // to go without sound.
    Mix_Init(MIX_INIT_OGG);
    if (Mix_OpenAudioDevice(mixerSampleRate, AUDIO_S16SYS, mixerChannels, bufferFrames, nullptr, 0) != 0) {
        reason = std::string("no audio device: ") + Mix_GetError();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    mixer.open = true;
    mixer.voices = std::clamp(request.voices, 1, largestVoiceCount);
    const char* driver = SDL_GetCurrentAudioDriver();
    mixer.driver = driver != nullptr ? driver : "";
    Mix_AllocateChannels(mixer.voices);
    Mix_HookMusic(MixTones, nullptr);
    Mix_SetPostMix(AfterMix, nullptr);
    busyNanoseconds = 0;
    framesMixed = 0;
    return true;
}

void CloseMixer() {
    if (!mixer.open) {
        return;
    }
    Mix_HaltChannel(-1);
    Mix_SetPostMix(nullptr, nullptr);
    Mix_HookMusic(nullptr, nullptr);
    for (const auto& sound : mixer.sounds) {
        Mix_FreeChunk(sound->chunk);
    }
    mixer = Mixer{};
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    std::lock_guard lock(toneGuard);
    queuedTones.clear();
}

bool MixerIsOpen() {
    return mixer.open;
}

int MixerVoiceCount() {
    return mixer.voices;
}

std::string MixerDriver() {
    return mixer.driver;
}

MixerSoundId AddMixerSound(std::span<const float> samples) {
    if (!mixer.open || samples.empty()) {
        return noMixerSound;
    }
    auto sound = std::make_unique<StoredSound>();
    sound->frames.resize(samples.size() * mixerChannels);
    for (std::size_t index = 0; index < samples.size(); ++index) {
        sound->frames[index * 2] = sound->frames[index * 2 + 1] = ToSample(samples[index]);
    }
    sound->chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(sound->frames.data()),
                                     static_cast<Uint32>(sound->frames.size() * sizeof(std::int16_t)));
    if (sound->chunk == nullptr) {
        return noMixerSound;
    }
    mixer.sounds.push_back(std::move(sound));
    return static_cast<MixerSoundId>(mixer.sounds.size() - 1);
}

bool StartMixerVoice(int voice, MixerSoundId sound, float volume, float pan) {
    StoredSound* stored = FindSound(sound);
    if (!IsVoice(voice) || stored == nullptr) {
        return false;
    }
    // Volume and pan first, so the voice's first samples already play where they belong.
    ApplyVolumeAndPan(voice, volume, pan);
    return Mix_PlayChannel(voice, stored->chunk, 0) == voice;
}

void SetMixerVoice(int voice, float volume, float pan) {
    if (IsVoice(voice)) {
        ApplyVolumeAndPan(voice, volume, pan);
    }
}

void StopMixerVoice(int voice) {
    if (IsVoice(voice)) {
        Mix_HaltChannel(voice);
    }
}

bool MixerVoicePlaying(int voice) {
    return IsVoice(voice) && Mix_Playing(voice) != 0;
}

MixerLoad MeasuredMixerLoad() {
    return {static_cast<double>(busyNanoseconds.load()) / 1e6, framesMixed.load()};
}

bool QueueMixerTone(std::span<const std::int16_t> samples, int maxQueuedMs) {
    if (!mixer.open) {
        return false;
    }
    const std::size_t limit = static_cast<std::size_t>(std::max(maxQueuedMs, 0)) * mixerSampleRate / 1000;
    std::lock_guard lock(toneGuard);
    if (queuedTones.size() + samples.size() > limit) {
        return false;
    }
    queuedTones.insert(queuedTones.end(), samples.begin(), samples.end());
    return true;
}

int QueuedMixerToneMs() {
    if (!mixer.open) {
        return 0;
    }
    std::lock_guard lock(toneGuard);
    return static_cast<int>(queuedTones.size() * 1000 / mixerSampleRate);
}

} // namespace platform
