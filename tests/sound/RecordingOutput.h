// An output for the sound player's tests: it keeps each voice's sound, volume and pan, and a voice plays
// until the test ends it, so the tests decide when sounds finish.
#pragma once

#include "sound/SoundOutput.h"

#include <vector>

namespace sound_test {

class RecordingOutput : public Vorn::SoundOutput {
public:
    struct Voice {
        bool playing = false;
        int handle = -1;
        float volume = 0;
        float pan = 0;
    };

    explicit RecordingOutput(int voiceCount) : voices(static_cast<std::size_t>(voiceCount)) {}

    int VoiceCount() const override { return static_cast<int>(voices.size()); }
    int AddSound(std::span<const float> samples) override {
        sounds.emplace_back(samples.begin(), samples.end());
        return static_cast<int>(sounds.size()) - 1;
    }
    bool Start(int voice, int handle, float volume, float pan) override {
        voices[static_cast<std::size_t>(voice)] = {true, handle, volume, pan};
        ++starts;
        return true;
    }
    void Change(int voice, float volume, float pan) override {
        voices[static_cast<std::size_t>(voice)].volume = volume;
        voices[static_cast<std::size_t>(voice)].pan = pan;
    }
    void Stop(int voice) override { voices[static_cast<std::size_t>(voice)].playing = false; }
    bool IsPlaying(int voice) const override { return voices[static_cast<std::size_t>(voice)].playing; }

    std::vector<Voice> Playing() const {
        std::vector<Voice> playing;
        for (const Voice& voice : voices)
            if (voice.playing)
                playing.push_back(voice);
        return playing;
    }
    void FinishAll() {
        for (Voice& voice : voices)
            voice.playing = false;
    }

    std::vector<Voice> voices;
    std::vector<std::vector<float>> sounds;
    int starts = 0;
};

} // namespace sound_test
