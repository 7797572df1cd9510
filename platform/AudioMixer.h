// The sound device through SDL_mixer: one process-wide mixer with a fixed number of voices, sounds handed
// over as samples, and each voice's volume and place between the speakers. Without a device nothing opens
// and every call is a quiet no-op, so the game runs silently.
//
//   std::string reason;
//   if (platform::OpenMixer({}, reason)) {
//       const platform::MixerSoundId shot = platform::AddMixerSound(samples);
//       platform::StartMixerVoice(0, shot, 0.8f, -0.5f);   // voice 0, a little left of centre
//   }
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace platform {

// The format every sound is handed over in and the device is opened with: SDL converts for a device that
// wants another, so the samples never need converting at play time.
inline constexpr int mixerSampleRate = 48000;
inline constexpr int mixerChannels = 2;
// The most voices a mixer is opened with; each is one SDL_mixer channel.
inline constexpr int largestVoiceCount = 256;

struct MixerRequest {
    int voices = 32;
    // SDL's audio driver by name ("dummy" plays to nowhere, paced by the clock); empty: SDL's own choice,
    // SDL_AUDIODRIVER or the system's device.
    std::string driver;
};

// Opens the device; false with the reason when there is none or SDL_mixer refuses, and the mixer stays
// closed. Opening an open mixer closes it first.
bool OpenMixer(const MixerRequest& request, std::string& reason);
// Stops every voice, forgets every sound and closes the device; nothing when closed.
void CloseMixer();
bool MixerIsOpen();
int MixerVoiceCount();
// The driver the open mixer plays through ("pulseaudio", "alsa", "dummy", ...); empty when closed.
std::string MixerDriver();

using MixerSoundId = int;
inline constexpr MixerSoundId noMixerSound = -1;
// Hands over a sound of mono samples in [-1, 1] at mixerSampleRate (beyond is clipped); it stays until the
// mixer closes. noMixerSound when the mixer is closed or there are no samples.
MixerSoundId AddMixerSound(std::span<const float> samples);

// Volume 0 (silent) to 1 (the samples as they are); pan -1 (left only) through 0 (both speakers at full)
// to 1 (right only). Starting a voice that still plays cuts what it played. False for a voice or sound
// that does not exist, or a closed mixer.
bool StartMixerVoice(int voice, MixerSoundId sound, float volume, float pan);
// Changes a playing voice's volume and pan; rounding always lowers the volume, never raises it.
void SetMixerVoice(int voice, float volume, float pan);
void StopMixerVoice(int voice);
bool MixerVoicePlaying(int voice);

// The time the audio thread spent mixing, for measurements: busy milliseconds over the frames (sample
// pairs) mixed since the mixer opened.
struct MixerLoad {
    double busyMs = 0;
    std::uint64_t framesMixed = 0;
};
MixerLoad MeasuredMixerLoad();

} // namespace platform
