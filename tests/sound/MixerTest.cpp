// The real mixer on SDL's "dummy" driver, heard through its recording: voices play where they are panned,
// the level's beep joins the mix, sound files decode, and a battle's worth of sounds never clips.
#include "datafiles/Node.h"
#include "platform/AudioMixer.h"
#include "platform/Beep.h"
#include "platform/MixerCapture.h"
#include "rules/ObjectTypes.h"
#include "sound/MixerOutput.h"
#include "sound/SoundBank.h"
#include "sound/SoundPlayer.h"
#include "sound/SoundStatistics.h"
#include "sound/Synthesizer.h"
#include "sound/WavFile.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <thread>

namespace {

using namespace Vorn;

// The dummy driver mixes at the pace of a real device; the recording grows with the wall clock.
bool WaitForRecording(std::size_t frames) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (platform::CapturedMixerFrames() < frames) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

constexpr std::size_t FramesOf(int milliseconds) {
    return static_cast<std::size_t>(milliseconds) * platform::mixerSampleRate / 1000;
}

struct ChannelEnergy {
    double left = 0;
    double right = 0;
};

ChannelEnergy EnergyOf(const std::vector<std::int16_t>& stereo) {
    ChannelEnergy energy;
    for (std::size_t index = 0; index + 1 < stereo.size(); index += 2) {
        energy.left += std::abs(stereo[index]);
        energy.right += std::abs(stereo[index + 1]);
    }
    return energy;
}

class Mixer : public testing::Test {
protected:
    void SetUp() override {
        platform::StartMixerCapture(FramesOf(60000));
        std::string reason;
        if (!platform::OpenMixer({8, "dummy"}, reason))
            GTEST_SKIP() << "no dummy audio driver: " << reason;
    }
    void TearDown() override {
        platform::CloseMixer();
        platform::StopMixerCapture();
        platform::TakeMixerCapture();
    }
};

TEST_F(Mixer, AVoicePlaysAtItsVolumeWhereItIsPanned) {
    const std::vector<float> tone(FramesOf(400), 0.5f);
    const platform::MixerSoundId sound = platform::AddMixerSound(tone);
    ASSERT_NE(sound, platform::noMixerSound);
    ASSERT_TRUE(platform::StartMixerVoice(3, sound, 1.0f, -1.0f));
    EXPECT_FALSE(platform::StartMixerVoice(8, sound, 1.0f, 0.0f)) << "only the voices opened";
    ASSERT_TRUE(WaitForRecording(FramesOf(200)));
    platform::StopMixerVoice(3);
    const std::vector<std::int16_t> heard = platform::TakeMixerCapture();
    const ChannelEnergy energy = EnergyOf(heard);
    EXPECT_GT(energy.left, 1000 * energy.right + 1) << "all left";
    std::int16_t loudest = 0;
    for (std::size_t index = 0; index < heard.size(); index += 2)
        loudest = std::max(loudest, heard[index]);
    EXPECT_NEAR(loudest, 16383, 200) << "half scale at full volume";
}

TEST_F(Mixer, TheLevelsBeepJoinsTheMixWithItsQueueBounded) {
    for (int step = 0; step < 200; ++step) {
        platform::Beep(1000, 200);
        platform::Beep(40, 50);
    }
    EXPECT_GT(platform::QueuedBeepMs(), 0);
    EXPECT_LE(platform::QueuedBeepMs(), platform::maxQueuedBeepMs);
    ASSERT_TRUE(WaitForRecording(FramesOf(100)));
    const ChannelEnergy energy = EnergyOf(platform::TakeMixerCapture());
    EXPECT_GT(energy.left, 0);
    EXPECT_NEAR(energy.left, energy.right, energy.left * 0.01) << "from the middle";
}

TEST_F(Mixer, SoundFilesDecodeAndAMissingOneIsNamed) {
    const std::filesystem::path data = testing_support::ScratchDir("mixer-files");
    std::filesystem::create_directories(data / "sounds");
    std::vector<std::int16_t> samples(24000, 8192);
    ASSERT_EQ(WriteWav((data / "sounds" / "hum.wav").string(), {24000, 1, samples}), "");
    Brisk::Node document;
    document.LoadText(
        R"(<sound name="Hum" file="sounds/hum.wav"/><sound name="Gone" file="sounds/gone.ogg"/>)");
    std::vector<SoundProblem> problems;
    const SoundBank bank(
        ReadSoundCatalogue(document, &problems),
        [&](const std::string& path) { return ReadSoundFileBytes(data.string(), path); }, &problems);
    std::filesystem::remove_all(data);
    const SoundStatistics hum =
        MeasureSound(bank.Sound(bank.FindSound("Hum")).variants.front(), SoundSampleRate());
    EXPECT_NEAR(hum.lengthMs, 1000, 5) << "converted to the mixer's rate";
    EXPECT_NEAR(hum.rms, 0.25, 0.01);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems.front().element, "sound Gone");
    EXPECT_NE(problems.front().message.find("cannot be read"), std::string::npos);
}

TEST_F(Mixer, ABattleAtTheViewsCentreNeverClipsTheMix) {
    Brisk::Node document;
    ASSERT_EQ(document.LoadFile((testing_support::SourceDir() / "data" / soundsFileName).string()), 0);
    const SoundBank bank(ReadSoundCatalogue(document), [](const std::string&) { return std::nullopt; });
    MixerOutput output;
    SoundPlayer player(bank, output);
    platform::TakeMixerCapture();
    const auto every = [](float, float) { return true; };
    for (int frame = 0; frame < 40; ++frame) {
        WorldEvents events;
        for (int shot = 0; shot < 500; ++shot)
            events.push_back({WorldEventKind::Shot, 2, static_cast<float>(shot % 7), 0,
                              static_cast<int>(shot % 2 ? TurretType::Cannon2 : TurretType::Gun3)});
        for (int kind = 0; kind < 8; ++kind)
            events.push_back({WorldEventKind::Explosion, 2, 0, 0, kind});
        events.push_back({WorldEventKind::BuildingDestroyed, 2, 0, 0, 0});
        events.push_back({WorldEventKind::Impact, 2, 0, 0, static_cast<int>(ImpactTarget::Armour)});
        player.HearEvents(events, 3, every);
        player.Frame(SoundListener{}, SoundVolumes{}, 16);
        std::this_thread::sleep_for(std::chrono::milliseconds(16));
    }
    ASSERT_TRUE(WaitForRecording(FramesOf(600)));
    const std::vector<std::int16_t> heard = platform::TakeMixerCapture();
    const std::size_t clipped = static_cast<std::size_t>(std::count_if(
        heard.begin(), heard.end(), [](std::int16_t sample) { return sample >= 32767 || sample <= -32767; }));
    EXPECT_EQ(clipped, 0u);
    EXPECT_GT(ToDecibels(MeasureSound(MonoFromStereo(heard), platform::mixerSampleRate).peak), -12)
        << "and still loud";
}

} // namespace
