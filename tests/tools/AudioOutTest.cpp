// The driver's --audio-out: a recording of what the game's mixer played, heard through its statistics. The
// level's beep and the outcome's fanfare are heard, a level where nothing happens is silent, a battle is
// loud while bullets fly and never clips, and the battle's digest is the same with and without sound.
#include "sound/SoundStatistics.h"
#include "sound/WavFile.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

struct RecordedRun {
    int status = -1;
    std::string output;
    Vorn::PcmRecording recording;
    std::vector<float> mono;
};

// The driver on a level file, recording when asked to; SDL's "dummy" driver stands in for the speakers.
RecordedRun Drive(const fs::path& level, const std::string& arguments, const fs::path& audio = {}) {
    std::string command = "cd '" + SourceDir().string() + "' && SDL_AUDIODRIVER=dummy '" +
                          (BinDir() / "sector-clash-autoplay").string() + "' --level '" + level.string() +
                          "'" + drawFewFrames + arguments;
    if (!audio.empty())
        command += " --audio-out '" + audio.string() + "'";
    const CommandResult result = RunCommand(command + " 2>&1");
    RecordedRun run;
    run.status = result.exitCode;
    run.output = result.output;
    if (!audio.empty() && run.status == 0) {
        EXPECT_EQ(Vorn::ReadWav(audio.string(), run.recording), "") << run.output;
        run.mono = Vorn::MonoFromStereo(run.recording.samples);
    }
    return run;
}

std::string Digest(const std::string& output) {
    const auto start = output.find("\"digest\": ");
    return start == std::string::npos ? "" : output.substr(start, output.find_first_of(",}", start) - start);
}

// The count the driver prints of world events the sound player was offered.
long EventsOffered(const std::string& output) {
    const auto end = output.find(" world events offered");
    if (end == std::string::npos)
        return -1;
    const auto start = output.rfind(' ', end - 1);
    return std::strtol(output.c_str() + start + 1, nullptr, 10);
}

double PeakDb(const RecordedRun& run) {
    return Vorn::ToDecibels(Vorn::MeasureSound(run.mono, run.recording.sampleRate).peak);
}

bool Clipped(const RecordedRun& run) {
    return std::any_of(run.recording.samples.begin(), run.recording.samples.end(),
                       [](std::int16_t sample) { return sample >= 32767 || sample <= -32767; });
}

fs::path WriteLevel(const fs::path& folder, const std::string& text) {
    std::ofstream(folder / "level.xml") << text;
    return folder / "level.xml";
}

class AudioOut : public testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr)
            GTEST_SKIP() << "needs an X display";
        folder = ScratchDir("audio-out");
    }
    void TearDown() override {
        if (!folder.empty())
            fs::remove_all(folder);
    }
    fs::path folder;
};

TEST_F(AudioOut, TheLevelsBeepAndTheOutcomeAreHeardAndAQuietLevelIsSilent) {
    const fs::path beeping = WriteLevel(
        folder, "<level width=\"4096\" height=\"4096\"/>"
                "<event name=\"start\"><new><building type=\"base\" color=\"Blue\" x=\"300\"/></new>"
                "<beep/><request event=\"win\" when=\"time\" value=\"320\"/></event>"
                "<event name=\"win\"><quit status=\"true\"/></event>");
    const RecordedRun heard = Drive(beeping, "--seed 2 --frames 80", folder / "beep.wav");
    ASSERT_EQ(heard.status, 0) << heard.output;
    EXPECT_EQ(heard.recording.channels, 2);
    EXPECT_EQ(heard.recording.sampleRate, 48000);
    EXPECT_GT(Vorn::MeasureSound(heard.mono, 48000).lengthMs, 200) << "as long as the run";
    EXPECT_GT(PeakDb(heard), -30) << heard.output;
    EXPECT_FALSE(Clipped(heard));

    const fs::path quiet = WriteLevel(folder, "<level width=\"4096\" height=\"4096\"/>"
                                              "<event name=\"start\"><new><building type=\"base\" "
                                              "color=\"Blue\" x=\"300\"/></new></event>");
    const RecordedRun silent = Drive(quiet, "--seed 2 --frames 80", folder / "quiet.wav");
    ASSERT_EQ(silent.status, 0) << silent.output;
    EXPECT_GT(silent.mono.size(), 0u);
    EXPECT_LT(PeakDb(silent), -60) << "nothing happens, nothing is heard";
}

// Two armies in sight of each other: their shots and explosions are heard, loud but never clipping.
TEST_F(AudioOut, ABattleIsLoudWithoutClippingAndItsDigestIgnoresTheSound) {
    std::string level = "<level width=\"4096\" height=\"4096\"/><event name=\"start\"><new>";
    for (int index = 0; index < 6; ++index) {
        const std::string y = std::to_string(-300 + index * 120);
        const std::string number = " group=\"A\" number=\"" + std::to_string(index + 1) + "\"";
        level += "<tank type=\"medium\" turret=\"cannon1\" armor=\"light\" color=\"Blue\"" + number +
                 " x=\"-250\" y=\"" + y + "\" direction=\"0\"/>";
        level += "<tank type=\"medium\" turret=\"gun2\" armor=\"light\" color=\"Red\"" + number +
                 " x=\"250\" y=\"" + y + "\" direction=\"180\"/>";
    }
    level += "</new></event>";
    const fs::path battle = WriteLevel(folder, level);
    const RecordedRun loud = Drive(battle, "--seed 5 --frames 150 --reveal --stats", folder / "battle.wav");
    const RecordedRun plain = Drive(battle, "--seed 5 --frames 150 --reveal --stats");
    ASSERT_EQ(loud.status, 0) << loud.output;
    ASSERT_EQ(plain.status, 0) << plain.output;
    ASSERT_NE(Digest(plain.output), "");
    EXPECT_EQ(Digest(loud.output), Digest(plain.output)) << "what is heard never changes the battle";
    EXPECT_FALSE(Clipped(loud));
    EXPECT_GT(EventsOffered(loud.output), 0) << loud.output;
    const std::vector<double> windows = Vorn::WindowRms(loud.mono, 48000, 100);
    const auto loudWindows =
        std::count_if(windows.begin(), windows.end(), [](double rms) { return Vorn::ToDecibels(rms) > -40; });
    EXPECT_GT(loudWindows, 2) << "shots and explosions while bullets fly";
}

} // namespace
