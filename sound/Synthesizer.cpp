// Recipes rendered into samples: oscillators and noise through an envelope, a pitch glide and filters.
#include "sound/Synthesizer.h"

#include "platform/AudioMixer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace Vorn {

namespace {

// An exponential decay reaches -60 dB, a thousandth, at the end of its time: e^-6.9078 = 0.001.
constexpr double decayToSilence = 6.907755278982137;
// Filter cutoffs are recomputed this often while they sweep; tan() every sample costs more than it gives.
constexpr int sweepStep = 16;
// A cutoff this close to the Nyquist frequency would make the filter blow up.
constexpr double highestCutoffShare = 0.45;

// xorshift64*: quick, and the same sequence on every machine.
class NoiseSource {
public:
    explicit NoiseSource(std::uint64_t seed) : state(seed == 0 ? 0x9E3779B97F4A7C15ull : seed) {}
    // Uniform in [-1, 1).
    double Next() {
        state ^= state >> 12;
        state ^= state << 25;
        state ^= state >> 27;
        const std::uint64_t value = state * 0x2545F4914F6CDD1Dull;
        return static_cast<double>(value >> 11) * (2.0 / 9007199254740992.0) - 1.0;
    }

private:
    std::uint64_t state;
};

std::uint64_t NameSeed(const std::string& name) {
    std::uint64_t hash = 1469598103934665603ull;
    for (unsigned char character : name) {
        hash ^= character;
        hash *= 1099511628211ull;
    }
    return hash;
}

// sin(2 pi phase) for a phase in [0, 1), within 0.001 of the library's and several times quicker: rendering
// every sound at start-up calls it millions of times.
double SineOfPhase(double phase) {
    // Folded into the first half turn, where 4x(1 - x) (x the share of the half) is a parabola through the
    // sine's zeros and peak; the correction pulls it onto the sine.
    const double half = phase < 0.5 ? phase * 2 : phase * 2 - 1;
    const double parabola = 4 * half * (1 - half);
    const double value = parabola * (0.775 + 0.225 * parabola);
    return phase < 0.5 ? value : -value;
}

// tanh within 0.03 for saturation, which only has to sound like a soft clip.
double SoftClip(double value) {
    if (value > 3)
        return 1;
    if (value < -3)
        return -1;
    const double square = value * value;
    return value * (27 + square) / (27 + 9 * square);
}

double DecibelsToGain(double decibels) {
    return std::pow(10.0, decibels / 20.0);
}

// The step a hard edge of a square or saw wave takes over a sample, smoothed so that high notes do not
// fold back into the audible range as a whistle (polyBLEP).
double EdgeCorrection(double phase, double step) {
    if (phase < step) {
        const double t = phase / step;
        return t + t - t * t - 1.0;
    }
    if (phase > 1.0 - step) {
        const double t = (phase - 1.0) / step;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

// A two-pole state-variable low-pass in its trapezoidal form, stable for any cutoff below Nyquist.
class LowPass {
public:
    void SetCutoff(double cutoff, double resonance, double rate) {
        const double g = std::tan(std::numbers::pi * std::min(cutoff, highestCutoffShare * rate) / rate);
        const double k = std::numbers::sqrt2 * (1.0 - resonance);
        a1 = 1.0 / (1.0 + g * (g + k));
        a2 = g * a1;
        a3 = g * a2;
    }
    double Process(double input) {
        const double v3 = input - ic2;
        const double v1 = a1 * ic1 + a2 * v3;
        const double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2 * v1 - ic1;
        ic2 = 2 * v2 - ic2;
        return v2;
    }

private:
    double a1 = 0, a2 = 0, a3 = 0;
    double ic1 = 0, ic2 = 0;
};

class HighPass {
public:
    void SetCutoff(double cutoff, double rate) {
        const double g = std::tan(std::numbers::pi * std::min(cutoff, highestCutoffShare * rate) / rate);
        share = g / (1.0 + g);
    }
    double Process(double input) {
        const double v = (input - state) * share;
        const double low = v + state;
        state = low + v;
        return input - low;
    }

private:
    double share = 0;
    double state = 0;
};

// The amplitude at each sample: a linear rise, a hold at the peak, an exponential fall.
class Envelope {
public:
    Envelope(const SoundLayer& layer, double rate)
        : attackSamples(layer.attack * rate / 1000), holdEnd(attackSamples + layer.hold * rate / 1000),
          decayFactor(std::exp(-decayToSilence / std::max(1.0, layer.decay * rate / 1000))) {}
    double Next() {
        double value = 1.0;
        if (position < attackSamples) {
            value = (position + 1) / attackSamples;
        } else if (position >= holdEnd) {
            level *= decayFactor;
            value = level;
        }
        position += 1;
        return value;
    }

private:
    double attackSamples;
    double holdEnd;
    double decayFactor;
    double position = 0;
    double level = 1.0;
};

class LayerVoice {
public:
    LayerVoice(const SoundLayer& layer, double pitchFactor, std::uint64_t seed, double rate,
               double lengthSamples)
        : layer(layer), rate(rate), noise(seed), envelope(layer, rate), frequency(layer.pitch * pitchFactor),
          glideFactor(GlideFactor(layer.pitch, layer.pitchEnd,
                                  layer.glide > 0 ? layer.glide * rate / 1000 : lengthSamples)),
          glideSamples(layer.glide > 0 ? layer.glide * rate / 1000 : lengthSamples), cutoff(layer.lowpass),
          sweepFactor(GlideFactor(layer.lowpass, layer.lowpassEnd, lengthSamples)),
          driveNormal(layer.drive > 1 ? 1.0 / SoftClip(layer.drive) : 1.0) {
        if (layer.highpass > 0)
            highPass.SetCutoff(layer.highpass, rate);
    }

    double Next() {
        double value = Wave() * envelope.Next();
        if (layer.drive > 1)
            value = SoftClip(value * layer.drive) * driveNormal;
        if (layer.lowpass > 0) {
            if (position % sweepStep == 0)
                lowPass.SetCutoff(cutoff, layer.resonance, rate);
            cutoff *= sweepFactor;
            value = lowPass.Process(value);
        }
        if (layer.highpass > 0)
            value = highPass.Process(value);
        Advance();
        return value;
    }

private:
    // The factor a value is multiplied by every sample to go from `from` to `to` in `samples` samples.
    static double GlideFactor(double from, double to, double samples) {
        if (from <= 0 || to <= 0 || samples < 1)
            return 1.0;
        return std::pow(to / from, 1.0 / samples);
    }

    double Wave() {
        const double step = std::min(CurrentFrequency() / rate, 0.5);
        switch (layer.wave) {
        case Waveform::Sine:
            return SineOfPhase(phase);
        case Waveform::Triangle:
            return 1.0 - 4.0 * std::abs(phase - 0.5);
        case Waveform::Square: {
            const double half = phase < 0.5 ? 1.0 : -1.0;
            return half + EdgeCorrection(phase, step) - EdgeCorrection(std::fmod(phase + 0.5, 1.0), step);
        }
        case Waveform::Saw:
            return 2.0 * phase - 1.0 - EdgeCorrection(phase, step);
        case Waveform::Noise:
            return noise.Next();
        case Waveform::Crackle: {
            // An impulse of random height and sign, `pitch` times a second on average.
            const double chance = (noise.Next() + 1.0) * 0.5;
            const double height = noise.Next();
            return chance < step ? (height < 0 ? height - 0.5 : height + 0.5) / 1.5 : 0.0;
        }
        }
        return 0.0;
    }

    double CurrentFrequency() const {
        if (layer.vibrato <= 0 || layer.vibratoRate <= 0)
            return frequency;
        const double swing =
            SineOfPhase(std::fmod(layer.vibratoRate * static_cast<double>(position) / rate, 1.0));
        return frequency * std::exp2(layer.vibrato / 12.0 * swing);
    }

    void Advance() {
        phase += CurrentFrequency() / rate;
        if (phase >= 1.0)
            phase -= std::floor(phase);
        if (position < glideSamples)
            frequency *= glideFactor;
        ++position;
    }

    const SoundLayer& layer;
    double rate;
    NoiseSource noise;
    Envelope envelope;
    LowPass lowPass;
    HighPass highPass;
    double frequency;
    double glideFactor;
    double glideSamples;
    double cutoff;
    double sweepFactor;
    double driveNormal;
    double phase = 0;
    long long position = 0;
};

std::size_t SamplesFor(double milliseconds, int rate) {
    return static_cast<std::size_t>(std::max(0.0, milliseconds) * rate / 1000.0);
}

} // namespace

int SoundSampleRate() {
    return platform::mixerSampleRate;
}

float VariantPitchFactor(const SoundRecipe& recipe, int variant) {
    // 0, +1, -1, +1/2, -1/2, +3/4, -3/4, +1/4 of the jitter: spread apart, the first one unchanged.
    static constexpr float shares[SoundLimits::maxVariants] = {0, 1, -1, 0.5f, -0.5f, 0.75f, -0.75f, 0.25f};
    const int index = std::clamp(variant, 0, SoundLimits::maxVariants - 1);
    return 1.0f + shares[index] * recipe.jitter / 100.0f;
}

std::vector<float> RenderRecipe(const SoundRecipe& recipe, int variant) {
    const int rate = SoundSampleRate();
    const std::size_t total = SamplesFor(std::min(recipe.Length(), SoundLimits::maxLengthMs), rate);
    std::vector<float> samples(total, 0.0f);
    const double pitchFactor = VariantPitchFactor(recipe, variant);
    const double recipeGain = DecibelsToGain(recipe.gain);
    const std::uint64_t seed =
        NameSeed(recipe.name) + 0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(variant);
    for (std::size_t index = 0; index < recipe.layers.size(); ++index) {
        const SoundLayer& layer = recipe.layers[index];
        const std::size_t start = SamplesFor(layer.delay, rate);
        const std::size_t end =
            std::min(total, start + SamplesFor(layer.attack + layer.hold + layer.decay, rate));
        if (start >= end)
            continue;
        LayerVoice voice(layer, pitchFactor, seed ^ (index * 0xD1B54A32D192ED03ull), rate,
                         static_cast<double>(end - start));
        const double gain = recipeGain * DecibelsToGain(layer.gain);
        for (std::size_t sample = start; sample < end; ++sample)
            samples[sample] += static_cast<float>(voice.Next() * gain);
    }
    return samples;
}

} // namespace Vorn
