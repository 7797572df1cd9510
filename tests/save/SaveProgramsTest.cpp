// The simulator saves a game and a new process goes on from the save to the digest of the game that never
// stopped; a save loaded and saved again is the same file; bad saves end the program with one line and
// exit 2.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace testing_support;

namespace {

CommandResult Simulate(const std::string& arguments) {
    return RunCommand("cd '" + SourceDir().string() + "' && '" +
                      (BinDir() / "sector-clash-simulate").string() + "' " + arguments + " 2>&1");
}

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(SavePrograms, ASaveLoadedInANewProcessGoesOnToTheSameDigest) {
    const std::filesystem::path folder = ScratchDir("save-programs");
    const std::string save = (folder / "battle.save").string();
    const std::string again = (folder / "again.save").string();
    const std::string game = "levels/level0.xml --skirmish 64 --seed 3 --step 20 ";

    const CommandResult whole = Simulate(game + "--steps 700");
    ASSERT_EQ(whole.exitCode, 0) << whole.output;
    const CommandResult first = Simulate(game + "--steps 900 --save-at 300 '" + save + "'");
    ASSERT_EQ(first.exitCode, 0) << first.output;
    const CommandResult rest = Simulate("--load '" + save + "' --steps 400");
    ASSERT_EQ(rest.exitCode, 0) << rest.output;
    EXPECT_EQ(LastJsonMember(rest.output, "digest"), LastJsonMember(whole.output, "digest"));
    EXPECT_EQ(LastJsonMember(rest.output, "steps"), "700");

    const CommandResult resaved = Simulate("--load '" + save + "' --steps 0 --save-at 0 '" + again + "'");
    ASSERT_EQ(resaved.exitCode, 0) << resaved.output;
    EXPECT_TRUE(FileBytes(save) == FileBytes(again)) << "a loaded game saves to its own file";
    std::filesystem::remove_all(folder);
}

TEST(SavePrograms, BadSavesAndUsesEndWithOneLineAndExit2) {
    const std::filesystem::path folder = ScratchDir("save-programs-bad");
    const std::string save = (folder / "battle.save").string();
    ASSERT_EQ(Simulate("levels/level1.xml --steps 20 --save-at 10 '" + save + "'").exitCode, 0);
    std::string bytes = FileBytes(save);
    bytes[bytes.size() / 2] ^= 0x40;
    const std::string damaged = (folder / "damaged.save").string();
    std::ofstream(damaged, std::ios::binary) << bytes;

    const CommandResult refused = Simulate("--load '" + damaged + "'");
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.output.find(damaged + ": the "), std::string::npos) << refused.output;
    EXPECT_NE(refused.output.find("is damaged"), std::string::npos) << refused.output;
    EXPECT_EQ(refused.output.find("\"digest\""), std::string::npos) << "no game runs";

    EXPECT_EQ(Simulate("--load '" + save + "' levels/level1.xml").exitCode, 2);
    EXPECT_EQ(Simulate("--load '" + save + "' --seed 4").exitCode, 2);
    const CommandResult tooLate = Simulate("levels/level1.xml --steps 5 --save-at 10 '" + save + "x'");
    EXPECT_EQ(tooLate.exitCode, 2);
    EXPECT_NE(tooLate.output.find("before --save-at 10"), std::string::npos) << tooLate.output;
    EXPECT_FALSE(std::filesystem::exists(save + "x"));
    std::filesystem::remove_all(folder);
}

// The level's computer opponents think on after a load as they would have: they remember what they saw
// and planned before the save, so the loaded game's commanders give the orders the saved game's gave.
TEST(SavePrograms, ALoadedGamesCommandersGoOnAsTheSavedGamesWould) {
    const std::filesystem::path folder = ScratchDir("save-programs-commanders");
    const std::string save = (folder / "duel.save").string();
    const std::string game = "levels/level3.xml --seed 4 ";

    // By step 10000 the commanders have built, scouted and planned: a commander started afresh at the
    // load decides otherwise.
    const CommandResult whole = Simulate(game + "--steps 20000");
    ASSERT_EQ(whole.exitCode, 0) << whole.output;
    ASSERT_EQ(Simulate(game + "--steps 10000 --save-at 10000 '" + save + "'").exitCode, 0);
    const CommandResult rest = Simulate("--load '" + save + "' --steps 10000");
    ASSERT_EQ(rest.exitCode, 0) << rest.output;
    EXPECT_EQ(LastJsonMember(rest.output, "digest"), LastJsonMember(whole.output, "digest"));
    std::filesystem::remove_all(folder);
}

// Commanders chosen for the game (the option here, the New game page in the game) are no part of the level:
// the save names them, so the loaded game plays them on from where they were.
TEST(SavePrograms, ChosenCommandersAreSavedAndPlayOnAfterALoad) {
    const std::filesystem::path folder = ScratchDir("save-programs-chosen");
    const std::string save = (folder / "chosen.save").string();
    const std::string game = "levels/level2.xml --skirmish 0 --seed 2 --step 50 --commander Red=normal ";

    const CommandResult whole = Simulate(game + "--steps 3000");
    ASSERT_EQ(whole.exitCode, 0) << whole.output;
    ASSERT_EQ(Simulate(game + "--steps 1500 --save-at 1500 '" + save + "'").exitCode, 0);
    const CommandResult rest = Simulate("--load '" + save + "' --steps 1500");
    ASSERT_EQ(rest.exitCode, 0) << rest.output;
    EXPECT_EQ(LastJsonMember(rest.output, "digest"), LastJsonMember(whole.output, "digest"));
    std::filesystem::remove_all(folder);
}
