// How a sound of "sounds.xml" is made: layers of oscillators or noise, each shaped by an amplitude
// envelope, a pitch glide and filters, summed; or a file under "sounds/". The limits keep a hostile file
// from asking for minutes of sound or thousands of layers.
#pragma once

#include <string>
#include <vector>

namespace Vorn {

enum class Waveform { Sine, Triangle, Square, Saw, Noise, Crackle };

// One voice of a recipe. Times in milliseconds, frequencies in Hz, gains in decibels.
struct SoundLayer {
    Waveform wave = Waveform::Sine;
    // The oscillator's frequency glides from pitch to pitchEnd over glide ms (exponentially, as the ear
    // hears pitch; 0: over the whole layer), then stays; for crackle, how many impulses a second. Noise
    // has no pitch.
    float pitch = 440;
    float pitchEnd = 440;
    float glide = 0;
    // Vibrato: the pitch swings this many semitones either way, vibratoRate times a second.
    float vibrato = 0;
    float vibratoRate = 0;
    // The layer starts this late, rises linearly over attack, stays at its peak for hold and then falls
    // exponentially to silence (-60 dB) over decay.
    float delay = 0;
    float attack = 2;
    float hold = 0;
    float decay = 100;
    float gain = 0;
    // Saturation: 1 leaves the wave alone, more drives it into a soft clip (gunfire's crack).
    float drive = 1;
    // A two-pole low-pass whose cutoff moves from lowpass to lowpassEnd over the layer's length; 0 leaves
    // it out. resonance 0 to 0.9 lifts the cutoff.
    float lowpass = 0;
    float lowpassEnd = 0;
    float resonance = 0;
    // A one-pole high-pass; 0 leaves it out.
    float highpass = 0;

    float Length() const { return delay + attack + hold + decay; }
};

// Which of the player's volume settings a sound follows.
enum class SoundBus { Effects, Interface };

struct SoundRecipe {
    std::string name;
    // A file under "sounds/" instead of layers: its path relative to the data folder.
    std::string file;
    std::vector<SoundLayer> layers;
    // Added to every layer, in decibels.
    float gain = 0;
    SoundBus bus = SoundBus::Effects;
    // Which sounds keep a voice when all are busy: higher wins.
    int priority = 1;
    // How many of this sound play at once; another start takes over the oldest.
    int voices = 4;
    // Renderings with other noise and a pitch spread of ±jitter percent, played in turn so that a burst
    // of fire does not sound like one sample repeated.
    int variants = 1;
    float jitter = 0;

    // The length of the longest layer, in milliseconds (0 for a file).
    float Length() const;
};

namespace SoundLimits {
inline constexpr std::size_t maxSounds = 256;
inline constexpr std::size_t maxLayers = 16;
inline constexpr std::size_t maxCues = 512;
// No layer time beyond this, and no sound longer than it, in milliseconds.
inline constexpr float maxLengthMs = 10000;
inline constexpr float lowestFrequency = 1;
// Below half the mixer's rate, where the wave would fold back.
inline constexpr float highestFrequency = 23000;
inline constexpr float lowestGainDb = -96;
inline constexpr float highestGainDb = 24;
inline constexpr float maxDrive = 20;
inline constexpr float maxResonance = 0.9f;
inline constexpr float maxVibrato = 24;
inline constexpr int maxPriority = 9;
inline constexpr int maxVoicesPerSound = 16;
inline constexpr int maxVariants = 8;
inline constexpr float maxJitterPercent = 50;
// A sound file larger than this is not read.
inline constexpr std::size_t maxFileBytes = 16 * 1024 * 1024;
} // namespace SoundLimits

} // namespace Vorn
