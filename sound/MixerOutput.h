// The sound player's voices on the platform's mixer (SDL_mixer channels).
#pragma once

#include "sound/SoundOutput.h"

namespace Vorn {

class MixerOutput : public SoundOutput {
public:
    int VoiceCount() const override;
    int AddSound(std::span<const float> samples) override;
    bool Start(int voice, int handle, float volume, float pan) override;
    void Change(int voice, float volume, float pan) override;
    void Stop(int voice) override;
    bool IsPlaying(int voice) const override;
};

} // namespace Vorn
