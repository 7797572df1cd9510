// sector-clash-check on "sounds.xml": the shipped sounds pass, and a modder's broken file has every fault
// named: sounds that clip or are silent, files missing or without their licence, cues naming no sound,
// moments of the game left silent, sounds nothing plays.
#include "sound/WavFile.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace testing_support;

CommandResult CheckSounds(const std::filesystem::path& folder) {
    return RunCommand("SDL_AUDIODRIVER=dummy '" + (BinDir() / "sector-clash-check").string() +
                      "' --only sounds '" + folder.string() + "' 2>/dev/null");
}

TEST(CheckSounds, TheShippedSoundsPass) {
    const CommandResult check = CheckSounds(SourceDir() / "data");
    EXPECT_EQ(check.exitCode, 0) << check.output;
    EXPECT_EQ(check.output, "");
}

TEST(CheckSounds, NamesEveryFaultAModderCanMake) {
    const std::filesystem::path folder = ScratchDir("check-sounds");
    std::filesystem::create_directories(folder / "sounds");
    const std::vector<std::int16_t> hum(4800, 4000);
    ASSERT_EQ(Vorn::WriteWav((folder / "sounds" / "hum.wav").string(), {48000, 1, hum}), "");
    std::ofstream(folder / "sounds.xml") << R"(
        <sound name="Loud"><layer wave="square" pitch="100" hold="50" gain="12"/></sound>
        <sound name="Whisper"><layer pitch="100" hold="50" gain="-60"/></sound>
        <sound name="Hum" file="sounds/hum.wav"/>
        <sound name="Gone" file="sounds/gone.ogg"/>
        <sound name="Spare"><layer pitch="300" hold="50" gain="-6"/></sound>
        <cue name="Shot" sound="Loud"/>
        <cue name="Impact" sound="Whisper"/>
        <cue name="Explosion" sound="Hum"/>
        <cue name="UnitDestroyed" sound="Gone"/>
        <cue name="BuildingDestroyed" sound="Nowhere"/>
        <cue name="Interface.Click" sound="Hum" loud="yes"/>)";
    const CommandResult check = CheckSounds(folder);
    std::filesystem::remove_all(folder);
    EXPECT_EQ(check.exitCode, 1);
    const auto said = [&](const std::string& words) { return check.output.find(words) != std::string::npos; };
    EXPECT_TRUE(said("sound Loud: clips")) << check.output;
    EXPECT_TRUE(said("sound Whisper: silent")) << check.output;
    EXPECT_TRUE(said("sound Gone: \"sounds/gone.ogg\" cannot be read")) << check.output;
    EXPECT_TRUE(said("sound Hum: \"sounds/hum.wav\" has no licence beside it (hum.copyright.txt)"))
        << check.output;
    EXPECT_TRUE(said("cue BuildingDestroyed: names the sound \"Nowhere\"")) << check.output;
    EXPECT_TRUE(said("cue BuildingDestroyed.Base: not mapped")) << check.output;
    EXPECT_TRUE(said("cue UnderAttack: not mapped")) << check.output;
    EXPECT_TRUE(said("cue Outcome.Won: not mapped")) << check.output;
    EXPECT_FALSE(said("cue Shot.Gun1")) << "the kind's cue covers every turret";
    EXPECT_TRUE(said("sound Spare: no cue plays it")) << check.output;
    EXPECT_TRUE(said("cue Interface.Click: unknown attribute \"loud\"")) << check.output;
    EXPECT_FALSE(said("sound Hum: silent")) << "a decoded file is measured as the game plays it";
}

} // namespace
