// Fuzzes sounds.xml: any file gives a catalogue within the limits, whose cues name its own sounds, and
// whose first sounds render to finite samples of the length their recipes say.
#include "fuzz/loader_input.h"
#include "sound/SoundCatalogue.h"
#include "sound/SoundCues.h"
#include "sound/Synthesizer.h"

#include <cmath>
#include <cstdlib>

namespace {

// Rendering every sound of a large file takes seconds; the first few exercise the synthesiser.
constexpr std::size_t soundsRendered = 2;

void Require(bool condition) {
    if (!condition)
        std::abort();
}

void CheckLayer(const Vorn::SoundLayer& layer) {
    using namespace Vorn::SoundLimits;
    for (float value :
         {layer.pitch, layer.pitchEnd, layer.glide, layer.delay, layer.attack, layer.hold, layer.decay,
          layer.gain, layer.drive, layer.lowpass, layer.lowpassEnd, layer.highpass})
        Require(std::isfinite(value));
    Require(layer.pitch >= lowestFrequency && layer.pitch <= highestFrequency);
    Require(layer.decay >= 0 && layer.decay <= maxLengthMs);
    Require(layer.resonance >= 0 && layer.resonance <= maxResonance);
    Require((layer.lowpass > 0) == (layer.lowpassEnd > 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Vorn::SoundCatalogue catalogue = Vorn::ReadSoundCatalogue(loader_fuzz::Document(data, size));
    Require(catalogue.sounds.size() <= Vorn::SoundLimits::maxSounds);
    Require(catalogue.cues.size() <= Vorn::SoundLimits::maxCues);
    for (const Vorn::SoundCueMapping& cue : catalogue.cues)
        Require(Vorn::IsCueName(cue.cue) && catalogue.FindSound(cue.sound) != nullptr);
    for (const Vorn::SoundRecipe& sound : catalogue.sounds) {
        Require(sound.layers.size() <= Vorn::SoundLimits::maxLayers);
        Require(sound.file.empty() || sound.file.starts_with(Vorn::soundsFolder));
        Require(sound.file.find("..") == std::string::npos);
        Require(sound.variants >= 1 && sound.variants <= Vorn::SoundLimits::maxVariants);
        for (const Vorn::SoundLayer& layer : sound.layers)
            CheckLayer(layer);
    }
    for (std::size_t index = 0; index < catalogue.sounds.size() && index < soundsRendered; ++index) {
        const Vorn::SoundRecipe& sound = catalogue.sounds[index];
        const std::vector<float> samples = Vorn::RenderRecipe(sound, sound.variants - 1);
        const double expected =
            std::min(sound.Length(), Vorn::SoundLimits::maxLengthMs) * Vorn::SoundSampleRate() / 1000.0;
        Require(std::abs(static_cast<double>(samples.size()) - expected) <= 1);
        for (float sample : samples)
            Require(std::isfinite(sample));
    }
    return 0;
}
