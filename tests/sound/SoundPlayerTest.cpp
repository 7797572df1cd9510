// The sound player: what is heard of the world's events, where, how loud, on which voices, and that the
// mix never goes beyond full scale.
#include "sound/SoundPlayer.h"
#include "datafiles/Node.h"
#include "tests/sound/RecordingOutput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

using namespace Vorn;
using sound_test::RecordingOutput;

constexpr int player = 3;
constexpr int enemy = 2;

// Short sounds near full scale, so that a few together would clip without the limiter.
constexpr const char* testSounds = R"(
<sound name="Shot" priority="3" voices="4"><layer wave="sine" pitch="440" attack="0" hold="20" decay="40"/></sound>
<sound name="Boom" priority="6" voices="2"><layer wave="square" pitch="60" attack="0" hold="200" decay="200"/></sound>
<sound name="Alarm" bus="interface" priority="8" voices="1"><layer wave="square" pitch="880" hold="100" decay="20" gain="-6"/></sound>
<sound name="Chime" bus="interface" priority="8"><layer wave="triangle" pitch="660" hold="30" decay="60" gain="-6"/></sound>
<sound name="Hit1"><layer wave="square" pitch="100" hold="300"/></sound>
<sound name="Hit2"><layer wave="square" pitch="110" hold="300"/></sound>
<sound name="Hit3"><layer wave="square" pitch="120" hold="300"/></sound>
<sound name="Hit4"><layer wave="square" pitch="130" hold="300"/></sound>
<cue name="Shot" sound="Shot"/>
<cue name="Explosion" sound="Boom"/>
<cue name="UnderAttack" sound="Alarm"/>
<cue name="ProductionFinished" sound="Chime"/>
<cue name="Interface.Click" sound="Chime"/>
<cue name="Impact" sound="Hit1"/>
<cue name="Impact.Armour" sound="Hit2"/>
<cue name="Impact.Building" sound="Hit3"/>
<cue name="UnitDestroyed" sound="Hit4"/>
)";

WorldEvent Event(WorldEventKind kind, float x, float y, int side = enemy, int detail = 0) {
    WorldEvent event;
    event.kind = kind;
    event.x = x;
    event.y = y;
    event.side = side;
    event.detail = detail;
    return event;
}

SoundListener View() {
    SoundListener listener;
    listener.halfWidth = 640;
    listener.halfHeight = 360;
    return listener;
}

class SoundPlayerTest : public testing::Test {
protected:
    explicit SoundPlayerTest(int voices = 32) : output(voices) {
        Brisk::Node document;
        document.LoadText(testSounds);
        bank = SoundBank(ReadSoundCatalogue(document), [](const std::string&) { return std::nullopt; });
        soundPlayer = std::make_unique<SoundPlayer>(bank, output);
    }

    void Hear(std::vector<WorldEvent> events, bool visible = true) {
        soundPlayer->HearEvents(events, player, [visible](float, float) { return visible; });
    }
    void Frame(const SoundListener& listener = View(), SoundVolumes volumes = {}, unsigned ms = 16) {
        soundPlayer->Frame(listener, volumes, ms);
    }
    // The one voice a single sound got, after a fresh start.
    RecordingOutput::Voice Alone(const WorldEvent& event, const SoundListener& listener = View()) {
        output.FinishAll();
        Frame(listener);
        Hear({event});
        Frame(listener);
        const std::vector<RecordingOutput::Voice> playing = output.Playing();
        EXPECT_EQ(playing.size(), 1u);
        return playing.empty() ? RecordingOutput::Voice{} : playing.front();
    }
    // What the voices together can reach at their loudest, from the samples the output was given.
    float SumOfPeaks() const {
        float sum = 0;
        for (const RecordingOutput::Voice& voice : output.Playing()) {
            const std::vector<float>& samples = output.sounds[static_cast<std::size_t>(voice.handle)];
            float peak = 0;
            for (float sample : samples)
                peak = std::max(peak, std::abs(sample));
            sum += voice.volume * peak;
        }
        return sum;
    }

    RecordingOutput output;
    SoundBank bank;
    std::unique_ptr<SoundPlayer> soundPlayer;
};

TEST_F(SoundPlayerTest, EventsAreHeardWhereTheyHappenInTheView) {
    const RecordingOutput::Voice centre = Alone(Event(WorldEventKind::Shot, 0, 0));
    EXPECT_GT(centre.volume, 0.85f) << "full, but for the limiter's headroom";
    EXPECT_FLOAT_EQ(centre.pan, 0.0f);

    const RecordingOutput::Voice offScreen = Alone(Event(WorldEventKind::Shot, 1800, 0));
    EXPECT_LT(offScreen.volume, centre.volume * 0.5f) << "three screen halves to the right";
    EXPECT_GT(offScreen.volume, 0.0f);
    EXPECT_GT(offScreen.pan, 0.5f);

    SoundListener turned = View();
    turned.rotation = 180;
    EXPECT_LT(Alone(Event(WorldEventKind::Shot, 1800, 0), turned).pan, -0.5f) << "the map turned round";

    SoundListener zoomedIn = View();
    zoomedIn.pixelsPerUnit = 4;
    EXPECT_LT(Alone(Event(WorldEventKind::Shot, 400, 0), zoomedIn).volume,
              Alone(Event(WorldEventKind::Shot, 400, 0)).volume)
        << "the same spot lies further off the screen zoomed in";

    output.FinishAll();
    Hear({Event(WorldEventKind::Shot, 100000, 0)});
    Frame();
    EXPECT_TRUE(output.Playing().empty()) << "far beyond hearing";
}

TEST_F(SoundPlayerTest, TheFogHidesTheBattleButNotThePlayersNews) {
    Hear({Event(WorldEventKind::Shot, 0, 0), Event(WorldEventKind::Explosion, 10, 10)}, false);
    Frame();
    EXPECT_TRUE(output.Playing().empty());

    Hear({Event(WorldEventKind::ProductionFinished, 5000, 5000, enemy)}, false);
    Frame();
    EXPECT_TRUE(output.Playing().empty()) << "another side's production is not the player's news";

    Hear({Event(WorldEventKind::ProductionFinished, 5000, 5000, player)}, false);
    Frame();
    ASSERT_EQ(output.Playing().size(), 1u);
    EXPECT_FLOAT_EQ(output.Playing().front().pan, 0.0f);
    EXPECT_GT(output.Playing().front().volume, 0.9f) << "news is heard from the middle, wherever it happened";
}

TEST_F(SoundPlayerTest, DetailCuesOverrideTheirKindsCue) {
    Hear({Event(WorldEventKind::Impact, 0, 0, enemy, static_cast<int>(ImpactTarget::Building)),
          Event(WorldEventKind::Impact, 0, 0, enemy, static_cast<int>(ImpactTarget::Ground)),
          Event(WorldEventKind::Impact, 0, 0, enemy, 99)});
    Frame();
    std::vector<int> handles;
    for (const RecordingOutput::Voice& voice : output.Playing())
        handles.push_back(voice.handle);
    std::sort(handles.begin(), handles.end());
    // Building has its own sound; ground and an unknown target fall back to the kind's, merged.
    EXPECT_EQ(handles, (std::vector<int>{bank.FindSound("Hit1"), bank.FindSound("Hit3")}));
}

TEST_F(SoundPlayerTest, FiveHundredShotsInAFrameAreOneLouderVoiceThatDoesNotClip) {
    const auto volley = [](float x) {
        std::vector<WorldEvent> shots;
        for (int shot = 0; shot < 500; ++shot)
            shots.push_back(Event(WorldEventKind::Shot, x + static_cast<float>(shot % 50), 0));
        return shots;
    };
    const float single = Alone(Event(WorldEventKind::Shot, 1800, 0)).volume;
    output.FinishAll();
    Hear(volley(1800));
    Frame();
    ASSERT_EQ(output.Playing().size(), 1u);
    EXPECT_GT(output.Playing().front().volume, single * 1.5f);

    output.FinishAll();
    Hear(volley(0));
    Frame();
    ASSERT_EQ(output.Playing().size(), 1u);
    EXPECT_LE(SumOfPeaks(), SoundPlayer::ceiling) << "a full-scale shot in the middle, boosted";
}

TEST_F(SoundPlayerTest, TheLimiterKeepsManyLoudSoundsBelowFullScaleAndLetsGoSlowly) {
    Hear({Event(WorldEventKind::Explosion, 0, 0), Event(WorldEventKind::Impact, 0, 0),
          Event(WorldEventKind::Impact, 0, 0, enemy, static_cast<int>(ImpactTarget::Armour)),
          Event(WorldEventKind::Impact, 0, 0, enemy, static_cast<int>(ImpactTarget::Building)),
          Event(WorldEventKind::UnitDestroyed, 0, 0)});
    Frame();
    EXPECT_EQ(output.Playing().size(), 5u);
    EXPECT_LE(SumOfPeaks(), SoundPlayer::ceiling);
    EXPECT_LT(soundPlayer->LimiterGain(), 0.5f);

    output.FinishAll();
    Frame();
    EXPECT_LT(soundPlayer->LimiterGain(), 1.0f) << "it rises again over time, not at once";
    for (int frame = 0; frame < 60; ++frame)
        Frame();
    EXPECT_FLOAT_EQ(soundPlayer->LimiterGain(), 1.0f);
}

TEST_F(SoundPlayerTest, ASoundPlaysOnAtMostItsVoicesTheOldestGivingWay) {
    for (int frame = 0; frame < 10; ++frame) {
        Hear({Event(WorldEventKind::Shot, 0, 0)});
        Frame();
    }
    EXPECT_EQ(output.Playing().size(), 4u);
    EXPECT_EQ(output.starts, 10);
}

class FewVoices : public SoundPlayerTest {
protected:
    FewVoices() : SoundPlayerTest(3) {}
};

TEST_F(FewVoices, WhenEveryVoiceIsBusyTheMoreImportantSoundTakesOne) {
    for (int frame = 0; frame < 3; ++frame) {
        Hear({Event(WorldEventKind::Shot, 0, 0)});
        Frame();
    }
    Hear({Event(WorldEventKind::Explosion, 0, 0), Event(WorldEventKind::UnderAttack, 0, 0, player)});
    Frame();
    std::vector<int> handles;
    for (const RecordingOutput::Voice& voice : output.Playing())
        handles.push_back(voice.handle);
    std::sort(handles.begin(), handles.end());
    EXPECT_EQ(handles,
              (std::vector<int>{bank.FindSound("Shot"), bank.FindSound("Boom"), bank.FindSound("Alarm")}));

    const int starts = output.starts;
    Hear({Event(WorldEventKind::Impact, 0, 0)});
    Frame();
    EXPECT_EQ(output.starts, starts) << "a sound below every playing one waits for nothing";
}

TEST_F(SoundPlayerTest, AnAlertSoundsOnceEveryFewSecondsHoweverOftenItComes) {
    for (int frame = 0; frame < 750; ++frame) { // 12 seconds of 16 ms frames
        Hear({Event(WorldEventKind::UnderAttack, 0, 0, player)});
        output.FinishAll();
        Frame();
    }
    EXPECT_EQ(output.starts, 3) << "at 0, 5 and 10 seconds";

    soundPlayer->StopAll();
    Hear({Event(WorldEventKind::UnderAttack, 0, 0, player)});
    Frame();
    EXPECT_EQ(output.starts, 4) << "a new game starts with no alert held back";
}

TEST_F(SoundPlayerTest, TheSettingsScaleEachBusAndMuteSilencesAll) {
    SoundVolumes volumes;
    volumes.master = 0.5f;
    volumes.interface = 0.5f;
    Hear({Event(WorldEventKind::Shot, 0, 0), Event(WorldEventKind::ProductionFinished, 0, 0, player)});
    Frame(View(), volumes);
    const auto volumeOf = [&](const std::string& sound) {
        for (const RecordingOutput::Voice& voice : output.Playing())
            if (voice.handle == bank.FindSound(sound))
                return voice.volume;
        return -1.0f;
    };
    EXPECT_NEAR(volumeOf("Shot"), 0.5f, 0.01f);
    EXPECT_NEAR(volumeOf("Chime"), 0.25f, 0.01f);

    volumes.muted = true;
    Frame(View(), volumes);
    EXPECT_EQ(volumeOf("Shot"), 0.0f);
    EXPECT_EQ(volumeOf("Chime"), 0.0f);
}

} // namespace
