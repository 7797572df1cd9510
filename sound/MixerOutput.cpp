// The sound player's voices on the platform's mixer.
#include "sound/MixerOutput.h"

#include "platform/AudioMixer.h"

namespace Vorn {

int MixerOutput::VoiceCount() const {
    return platform::MixerVoiceCount();
}

int MixerOutput::AddSound(std::span<const float> samples) {
    return platform::AddMixerSound(samples);
}

bool MixerOutput::Start(int voice, int handle, float volume, float pan) {
    return platform::StartMixerVoice(voice, handle, volume, pan);
}

void MixerOutput::Change(int voice, float volume, float pan) {
    platform::SetMixerVoice(voice, volume, pan);
}

void MixerOutput::Stop(int voice) {
    platform::StopMixerVoice(voice);
}

bool MixerOutput::IsPlaying(int voice) const {
    return platform::MixerVoicePlaying(voice);
}

} // namespace Vorn
