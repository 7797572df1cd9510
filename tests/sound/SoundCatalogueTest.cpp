// Reading "sounds.xml": recipes and cues as written, and every fault of a hostile file named and survived.
#include "sound/SoundCatalogue.h"
#include "datafiles/Node.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace Vorn;

SoundCatalogue Read(const std::string& text, std::vector<SoundProblem>* problems = nullptr) {
    Brisk::Node document;
    document.LoadText(text.c_str());
    return ReadSoundCatalogue(document, problems);
}

// Whether some problem names the element and says the words.
bool Reported(const std::vector<SoundProblem>& problems, const std::string& element,
              const std::string& words) {
    for (const SoundProblem& problem : problems)
        if (problem.element == element && problem.message.find(words) != std::string::npos)
            return true;
    return false;
}

TEST(SoundCatalogue, ReadsRecipesAndCuesAsWritten) {
    std::vector<SoundProblem> problems;
    const SoundCatalogue catalogue = Read(R"(<?xml version="1.0"?>
        <cue name="Shot.Gun1" sound="Crack" every="120"/>
        <sound name="Crack" bus="interface" priority="7" voices="2" variants="3" jitter="5" gain="-6">
          <layer wave="noise" delay="5" attack="1" hold="2" decay="40" lowpass="4000" lowpass_end="800" highpass="300" drive="2"/>
          <layer wave="saw" pitch="200" pitch_end="50" glide="30" resonance="0.5" vibrato="1" vibrato_rate="6"/>
          <layer pitch="300"/>
        </sound>)",
                                          &problems);
    EXPECT_TRUE(problems.empty()) << problems.front().element << ": " << problems.front().message;
    ASSERT_EQ(catalogue.sounds.size(), 1u);
    const SoundRecipe& crack = catalogue.sounds.front();
    EXPECT_EQ(crack.bus, SoundBus::Interface);
    EXPECT_EQ(crack.priority, 7);
    EXPECT_EQ(crack.voices, 2);
    EXPECT_EQ(crack.variants, 3);
    EXPECT_FLOAT_EQ(crack.jitter, 5);
    EXPECT_FLOAT_EQ(crack.gain, -6);
    ASSERT_EQ(crack.layers.size(), 3u);
    EXPECT_EQ(crack.layers[0].wave, Waveform::Noise);
    EXPECT_FLOAT_EQ(crack.layers[0].Length(), 48);
    EXPECT_FLOAT_EQ(crack.layers[0].lowpassEnd, 800);
    EXPECT_FLOAT_EQ(crack.layers[1].pitchEnd, 50);
    EXPECT_FLOAT_EQ(crack.layers[1].vibratoRate, 6);
    EXPECT_EQ(crack.layers[2].wave, Waveform::Sine) << "the default wave";
    EXPECT_FLOAT_EQ(crack.layers[2].pitchEnd, 300) << "a steady tone needs no end";
    EXPECT_FLOAT_EQ(crack.Length(), 102);
    ASSERT_EQ(catalogue.cues.size(), 1u) << "a cue may come before its sound";
    EXPECT_EQ(catalogue.cues.front().intervalMs, 120);
}

TEST(SoundCatalogue, NamesEveryFaultAndKeepsWhatItCanUse) {
    std::vector<SoundProblem> problems;
    const SoundCatalogue catalogue = Read(R"(
        <music/>
        <sound/>
        <sound name="A" volume="3" priority="high" voices="99" bus="speakers">
          <layer wave="plink" pitch="90000" decay="-5" gain="12dB" lowpass="0" lowpass_end="900"/>
          <noise/>
        </sound>
        <sound name="A"><layer/></sound>
        <sound name="Up" file="../../etc/passwd"/>
        <sound name="Abs" file="/tmp/x.wav"/>
        <sound name="Inside" file="sounds/../x.wav"/>
        <sound name="Ok" file="sounds/boom.ogg"/>
        <sound name="Empty"/>
        <sound name="Long"><layer delay="10000" decay="10000"/></sound>
        <cue name="Shot.Pistol" sound="A"/>
        <cue name="Shot" sound="Nothing"/>
        <cue name="Impact"/>
        <cue name="Explosion" sound="A" loud="yes"/>
        <cue name="Explosion" sound="Ok"/>)",
                                          &problems);
    EXPECT_TRUE(Reported(problems, "music", "unknown element"));
    EXPECT_TRUE(Reported(problems, "sound", "no \"name\""));
    EXPECT_TRUE(Reported(problems, "sound A", "unknown attribute \"volume\""));
    EXPECT_TRUE(Reported(problems, "sound A", "\"priority\" is not a number"));
    EXPECT_TRUE(Reported(problems, "sound A", "\"voices\" 99 is outside"));
    EXPECT_TRUE(Reported(problems, "sound A", "\"bus\" \"speakers\""));
    EXPECT_TRUE(Reported(problems, "sound A/layer 1", "\"wave\" \"plink\""));
    EXPECT_TRUE(Reported(problems, "sound A/layer 1", "\"pitch\" 90000 is outside"));
    EXPECT_TRUE(Reported(problems, "sound A/layer 1", "\"decay\" -5 is outside"));
    EXPECT_TRUE(Reported(problems, "sound A/layer 1", "\"gain\" is not a number"));
    EXPECT_TRUE(Reported(problems, "sound A/layer 1", "both be above 0 or both 0"));
    EXPECT_TRUE(Reported(problems, "sound A", "unknown element \"noise\""));
    EXPECT_TRUE(Reported(problems, "sound A", "defined again"));
    EXPECT_TRUE(Reported(problems, "sound Up", "not a file under"));
    EXPECT_TRUE(Reported(problems, "sound Abs", "not a file under"));
    EXPECT_TRUE(Reported(problems, "sound Inside", "not a file under"));
    EXPECT_TRUE(Reported(problems, "sound Empty", "neither layers nor a file"));
    EXPECT_TRUE(Reported(problems, "sound Long", "only the first 10000"));
    EXPECT_TRUE(Reported(problems, "cue Shot.Pistol", "no cue of the game"));
    EXPECT_TRUE(Reported(problems, "cue Shot", "\"Nothing\", which is not defined"));
    EXPECT_TRUE(Reported(problems, "cue Impact", "needs both"));
    EXPECT_TRUE(Reported(problems, "cue Explosion", "unknown attribute \"loud\""));
    EXPECT_TRUE(Reported(problems, "cue Explosion", "mapped again"));

    const SoundRecipe* repeated = catalogue.FindSound("A");
    ASSERT_NE(repeated, nullptr);
    EXPECT_EQ(repeated->voices, 4) << "the later definition replaces the earlier";
    EXPECT_TRUE(catalogue.FindSound("Up")->file.empty());
    EXPECT_TRUE(catalogue.FindSound("Inside")->file.empty());
    EXPECT_EQ(catalogue.FindSound("Ok")->file, "sounds/boom.ogg");
    ASSERT_EQ(catalogue.cues.size(), 1u);
    EXPECT_EQ(catalogue.cues.front().sound, "Ok");
}

TEST(SoundCatalogue, OutOfRangeValuesTakeTheNearestLimit) {
    const SoundCatalogue catalogue = Read(R"(<sound name="A" voices="99" jitter="-3">
        <layer pitch="90000" decay="-5" resonance="2" drive="0.5"/></sound>)");
    const SoundRecipe& sound = catalogue.sounds.front();
    EXPECT_EQ(sound.voices, SoundLimits::maxVoicesPerSound);
    EXPECT_FLOAT_EQ(sound.jitter, 0);
    EXPECT_FLOAT_EQ(sound.layers[0].pitch, SoundLimits::highestFrequency);
    EXPECT_FLOAT_EQ(sound.layers[0].decay, 0);
    EXPECT_FLOAT_EQ(sound.layers[0].resonance, SoundLimits::maxResonance);
    EXPECT_FLOAT_EQ(sound.layers[0].drive, 1);
}

TEST(SoundCatalogue, AFileCannotAskForMoreThanTheLimits) {
    std::string layers;
    for (int layer = 0; layer < 40; ++layer)
        layers += "<layer/>";
    std::string text = "<sound name=\"Thick\">" + layers + "</sound>";
    for (int sound = 0; sound < 300; ++sound)
        text += "<sound name=\"S" + std::to_string(sound) + "\"><layer/></sound>";
    std::vector<SoundProblem> problems;
    const SoundCatalogue catalogue = Read(text, &problems);
    EXPECT_EQ(catalogue.sounds.size(), SoundLimits::maxSounds);
    EXPECT_EQ(catalogue.sounds.front().layers.size(), SoundLimits::maxLayers);
    EXPECT_TRUE(Reported(problems, "sound Thick/layer 17", "beyond the 16 layers"));
    EXPECT_TRUE(Reported(problems, "sound S255", "beyond the 256 sounds"));
}

} // namespace
