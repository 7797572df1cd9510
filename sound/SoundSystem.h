// The game's sound for the whole run: the mixer opened on the audio device, every sound of "sounds.xml"
// rendered, and the player. Without an audio device there is none, and the game runs silently: every
// caller asks soundSystem first, or goes through PlayInterfaceSound, which asks for it.
#pragma once

#include "sound/MixerOutput.h"
#include "sound/SoundBank.h"
#include "sound/SoundPlayer.h"

#include <cstddef>
#include <memory>
#include <string>

namespace Vorn {

struct SoundStartOptions {
    // Record everything the mixer plays (the driver's --audio-out). Without an audio device the mixer then
    // plays on SDL's "dummy" driver, which plays to nowhere, so that there is a mix to record.
    bool record = false;
    std::size_t recordLimitFrames = 0;
    int voices = 32;
};

class SoundSystem {
public:
    // Opens the mixer and renders the sounds of "sounds.xml" read through the data archive, naming every
    // problem of the file and its sound files on the error stream, one line each. Null, with the reason,
    // when there is no audio device.
    static std::unique_ptr<SoundSystem> Start(const SoundStartOptions& options, std::string& reason);
    // Silences every voice and closes the mixer (a recording stays to be taken).
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    SoundPlayer& Player() { return *player; }
    const SoundBank& Bank() const { return bank; }
    // How long rendering and decoding the sounds took at start.
    double PreparationMs() const { return preparationMs; }

private:
    SoundSystem() = default;

    SoundBank bank;
    MixerOutput output;
    std::unique_ptr<SoundPlayer> player;
    double preparationMs = 0;
};

// The run's sound; null while there is none.
extern std::unique_ptr<SoundSystem> soundSystem;
// Options the sound starts with; the driver sets them before the program runs.
extern SoundStartOptions soundStartOptions;

// A sound of the interface or the outcome screen; nothing without sound.
void PlayInterfaceSound(InterfaceCue cue);

} // namespace Vorn
