// Rendering recipes: the length written, the envelope's shape, glides and filters that do what they say,
// and noise that is the same every time but new in every variant.
#include "sound/Synthesizer.h"
#include "sound/SoundStatistics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <span>

namespace {

using namespace Vorn;

SoundRecipe OneLayer(const SoundLayer& layer, const std::string& name = "Test") {
    SoundRecipe recipe;
    recipe.name = name;
    recipe.layers.push_back(layer);
    return recipe;
}

std::span<const float> Part(const std::vector<float>& samples, double fromMs, double toMs) {
    const auto from = static_cast<std::size_t>(fromMs * SoundSampleRate() / 1000);
    const auto to = static_cast<std::size_t>(toMs * SoundSampleRate() / 1000);
    return std::span<const float>(samples).subspan(from, to - from);
}

double PeakOf(std::span<const float> samples) {
    return MeasureSound(samples, SoundSampleRate()).peak;
}

TEST(Synthesizer, TheEnvelopeRisesHoldsAndFallsOverTheLengthWritten) {
    SoundLayer layer;
    layer.delay = 20;
    layer.attack = 10;
    layer.hold = 30;
    layer.decay = 100;
    const std::vector<float> samples = RenderRecipe(OneLayer(layer));
    ASSERT_EQ(samples.size(), static_cast<std::size_t>(160 * SoundSampleRate() / 1000));
    EXPECT_EQ(PeakOf(Part(samples, 0, 20)), 0.0) << "nothing before the delay";
    EXPECT_LT(PeakOf(Part(samples, 20, 22)), 0.3) << "rising";
    EXPECT_NEAR(PeakOf(Part(samples, 30, 60)), 1.0, 0.01) << "held at full scale";
    EXPECT_NEAR(PeakOf(Part(samples, 110, 113)), std::pow(10.0, -3 * 0.5), 0.008) << "half-way down in dB";
    EXPECT_LT(PeakOf(Part(samples, 158, 160)), 0.0015) << "-60 dB at the end";

    SoundLayer endless;
    endless.delay = 10000;
    endless.decay = 10000;
    EXPECT_EQ(RenderRecipe(OneLayer(endless)).size(), static_cast<std::size_t>(10 * SoundSampleRate()))
        << "no sound is longer than the limit";
}

TEST(Synthesizer, PitchGlidesAndTheLowPassDarkens) {
    SoundLayer glide;
    glide.pitch = 2000;
    glide.pitchEnd = 250;
    glide.hold = 400;
    glide.decay = 0;
    const std::vector<float> falling = RenderRecipe(OneLayer(glide));
    const double early = MeasureSound(Part(falling, 0, 50), SoundSampleRate()).crossingsPerSecond;
    const double late = MeasureSound(Part(falling, 350, 400), SoundSampleRate()).crossingsPerSecond;
    // Over the layer's 402 ms: 2000 Hz times (1/8) to the share of the way gone, two crossings a cycle.
    EXPECT_NEAR(early, 2 * 1757, 200);
    EXPECT_NEAR(late, 2 * 287, 40);

    SoundLayer noise;
    noise.wave = Waveform::Noise;
    noise.hold = 200;
    const double bright = MeasureSound(RenderRecipe(OneLayer(noise)), SoundSampleRate()).crossingsPerSecond;
    noise.lowpass = noise.lowpassEnd = 300;
    const double dark = MeasureSound(RenderRecipe(OneLayer(noise)), SoundSampleRate()).crossingsPerSecond;
    EXPECT_LT(dark, bright / 10);
    noise.lowpass = 0;
    noise.lowpassEnd = 0;
    noise.highpass = 8000;
    const double thin = MeasureSound(RenderRecipe(OneLayer(noise)), SoundSampleRate()).crossingsPerSecond;
    EXPECT_GT(thin, bright);
}

TEST(Synthesizer, TheSameRecipeSoundsTheSameAndEveryVariantAnew) {
    SoundLayer layer;
    layer.wave = Waveform::Noise;
    layer.decay = 50;
    SoundLayer tone;
    tone.pitch = 1000;
    tone.hold = 100;
    SoundRecipe recipe = OneLayer(layer);
    recipe.layers.push_back(tone);
    recipe.variants = 3;
    recipe.jitter = 10;
    EXPECT_EQ(RenderRecipe(recipe, 0), RenderRecipe(recipe, 0));
    EXPECT_NE(RenderRecipe(recipe, 0), RenderRecipe(recipe, 1));
    SoundRecipe renamed = recipe;
    renamed.name = "Other";
    EXPECT_NE(RenderRecipe(recipe, 0), RenderRecipe(renamed, 0)) << "each sound has noise of its own";

    EXPECT_FLOAT_EQ(VariantPitchFactor(recipe, 0), 1.0f);
    EXPECT_FLOAT_EQ(VariantPitchFactor(recipe, 1), 1.1f);
    EXPECT_FLOAT_EQ(VariantPitchFactor(recipe, 2), 0.9f);
    const auto toneOnly = [&](int variant) {
        SoundRecipe steady = OneLayer(tone);
        steady.jitter = 10;
        return MeasureSound(RenderRecipe(steady, variant), SoundSampleRate()).crossingsPerSecond;
    };
    EXPECT_GT(toneOnly(1), toneOnly(0) * 1.05);
    EXPECT_LT(toneOnly(2), toneOnly(0) * 0.95);
}

TEST(Synthesizer, LayersAddUpWithTheirGainsAndNothingIsClippedOnTheWay) {
    SoundLayer loud;
    loud.hold = 50;
    loud.gain = 6;
    SoundRecipe recipe = OneLayer(loud);
    EXPECT_NEAR(PeakOf(RenderRecipe(recipe)), 2.0, 0.03) << "left beyond full scale for the checker to see";
    recipe.gain = -12;
    EXPECT_NEAR(PeakOf(RenderRecipe(recipe)), 0.5, 0.01);
    recipe.layers.push_back(loud);
    EXPECT_NEAR(PeakOf(RenderRecipe(recipe)), 1.0, 0.02) << "two in phase";
}

} // namespace
