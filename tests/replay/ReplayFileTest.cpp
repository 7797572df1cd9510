// The replay file: what the writer writes reads back as the same replay, and a damaged or hostile file is
// refused with one line naming the file, the line where it applies, and why.
#include "replay/ReplayLimits.h"
#include "replay/ReplayReader.h"
#include "replay/ReplayWriter.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

using namespace Vorn;

namespace {

Replay SampleReplay() {
    Replay replay;
    replay.gameVersion = "1.2.3";
    replay.levelPath = "/home/someone/my levels/arena.xml";
    replay.levelHash = 0x0123456789abcdefull;
    replay.dataHash = 0xfedcba9876543210ull;
    replay.seed = 4294967295u;
    replay.skirmish = true;
    replay.skirmishTanks = 300;
    replay.stepMs = 20;
    Command move = MoveCommand({5, 18446744073709551615ull}, 0.1f, -123456.789f, true, 1.7f);
    move.step = 0;
    move.side = 3;
    Command order = OrderTanksCommand(9, TankOrder{}, 12);
    order.letter = 'Q';
    order.armor = 2;
    order.step = 60;
    order.side = 1;
    Command armory = ArmoryLineCommand(11, BulletType{}, true);
    armory.step = 60;
    armory.side = 2;
    replay.commands = {move, order, armory};
    replay.seconds = {{50, 1}, {60, 0xffffffffffffffffull}, {100, 42}};
    replay.steps = 120;
    replay.finalDigest = 0x8000000000000001ull;
    replay.date = 1796374347;
    replay.outcome = ReplayOutcome::Won;
    return replay;
}

std::string SampleText() {
    return ReplayText(SampleReplay());
}

// The sample with its line `number` (from 1) replaced.
std::string WithLine(int number, const std::string& line) {
    std::string text = SampleText();
    std::size_t start = 0;
    for (int index = 1; index < number; ++index)
        start = text.find('\n', start) + 1;
    const std::size_t end = text.find('\n', start);
    return text.replace(start, end - start, line);
}

} // namespace

TEST(ReplayFile, WhatIsWrittenReadsBackExactly) {
    const Replay sample = SampleReplay();
    for (const auto& [skirmish, tanks] :
         {std::pair{true, std::optional<int>{300}}, std::pair{true, std::optional<int>{}},
          std::pair{false, std::optional<int>{}}}) {
        Replay replay = sample;
        replay.skirmish = skirmish;
        replay.skirmishTanks = tanks;
        Replay read;
        std::string fault;
        ASSERT_TRUE(ParseReplay(ReplayText(replay), "sample.replay", read, fault)) << fault;
        EXPECT_EQ(read, replay) << ReplayText(replay);
    }
    // A second's digest comes before a command of its step: the command applies after that many steps.
    const std::string text = SampleText();
    EXPECT_LT(text.find("second 60 "), text.find("command 60 ")) << text;
}

// Only a replay that starts from a save is written in the newest format, so older games still read the
// others; an older game refuses one from a save rather than playing it from the level's beginning.
TEST(ReplayFile, AReplayFromASaveNamesTheSaveAfterTheDataInTheThirdFormat) {
    EXPECT_EQ(SampleText().rfind("sector-clash-replay 2\ngame-version ", 0), 0u) << SampleText();
    Replay fromSave = SampleReplay();
    fromSave.startSave = ReplayStartSave{"my saves/before the push.save", 0x00000000000000ffull};
    const std::string text = ReplayText(fromSave);
    EXPECT_EQ(text.rfind("sector-clash-replay 3\n", 0), 0u) << text;
    EXPECT_NE(
        text.find("\ndata fedcba9876543210\nsave 00000000000000ff my saves/before the push.save\nseed "),
        std::string::npos)
        << text;
    Replay read;
    std::string fault;
    ASSERT_TRUE(ParseReplay(text, "from-save.replay", read, fault)) << fault;
    EXPECT_EQ(read, fromSave);

    const std::string saveLine =
        text.substr(text.find("save "), text.find("\nseed ") - text.find("save ") + 1);
    std::string withoutSave = text;
    withoutSave.erase(withoutSave.find(saveLine), saveLine.size());
    std::string secondWithSave = text;
    secondWithSave.replace(0, text.find('\n'), "sector-clash-replay 2");
    std::string controlInPath = text;
    controlInPath.replace(controlInPath.find(" the push"), 1, "\x7f");
    const struct {
        std::string text;
        std::string fault;
    } cases[] = {
        {withoutSave, "s.replay:5: \"seed\" where \"save\" belongs"},
        {secondWithSave, "s.replay:5: \"save\" where \"seed\" belongs"},
        {controlInPath, "s.replay:5: the save path holds a control character"},
        {std::regex_replace(text, std::regex("save 00000000000000ff"), "save ff"),
         "s.replay:5: save hash \"ff\" is not 16 hexadecimal digits"},
        {std::regex_replace(text, std::regex("\nsave ([0-9a-f]+) [^\n]*"), "\nsave $1"),
         "s.replay:5: the line ends before its save path"},
    };
    for (const auto& [damaged, expected] : cases) {
        EXPECT_FALSE(ParseReplay(damaged, "s.replay", read, fault)) << expected;
        EXPECT_EQ(fault.rfind(expected, 0), 0u) << "expected \"" << expected << "\", got \"" << fault << "\"";
    }
}

TEST(ReplayFile, AReplayOfTheFirstFormatReadsWithoutDateAndOutcome) {
    std::string text = SampleText();
    const std::size_t date = text.find("date ");
    text.erase(date, text.find("\n", text.find("outcome ")) + 1 - date);
    text.replace(0, text.find('\n'), "sector-clash-replay 1");
    Replay expected = SampleReplay();
    expected.date = 0;
    expected.outcome = ReplayOutcome::Unknown;
    Replay read;
    std::string fault;
    ASSERT_TRUE(ParseReplay(text, "first.replay", read, fault)) << fault;
    EXPECT_EQ(read, expected);
    // The first format has no such lines: a "date" where its body begins is an unknown line.
    EXPECT_FALSE(ParseReplay(WithLine(1, "sector-clash-replay 1"), "first.replay", read, fault));
    EXPECT_EQ(fault.rfind("first.replay:8: unknown line \"date\"", 0), 0u) << fault;
}

TEST(ReplayFile, DamagedLinesAreRefusedWithTheirLineAndReason) {
    const struct {
        std::string text;
        std::string fault;
    } cases[] = {
        {WithLine(1, "sector-clash-replay 4"), "sample.replay:1: format version 4 (this build reads 1 to 3)"},
        {WithLine(1, "sector-clash-replay 0"), "sample.replay:1: format version 0"},
        {WithLine(2, "level 0000000000000000 x.xml"),
         "sample.replay:2: \"level\" where \"game-version\" belongs"},
        {WithLine(3, "level 0123 x.xml"),
         "sample.replay:3: level hash \"0123\" is not 16 hexadecimal digits"},
        {WithLine(3, "level 0123456789abcdef a\tb.xml"), "sample.replay:3: the level path holds a control"},
        {WithLine(7, "step-ms 0"), "sample.replay:7: a step length of 0 ms"},
        {WithLine(8, "date 253402300800"), "sample.replay:8: date 253402300800 is beyond"},
        {WithLine(9, "outcome draw"), "sample.replay:9: unknown outcome \"draw\""},
        {WithLine(9, "command 0 3 stop 0 0 0 0 1 0 0 0 0 0 0 0 0"),
         "sample.replay:9: \"command\" where \"outcome\""},
        {WithLine(10, "command 0 3 teleport 0 0 0 0 1 0 0 0 0 0 0 0 0"),
         "sample.replay:10: unknown command \"teleport\""},
        {WithLine(10, "command 2147483648 3 stop 0 0 0 0 1 0 0 0 0 0 0 0 0"),
         "sample.replay:10: step 2147483648 is beyond 2147483647"},
        {WithLine(10, "command 0 3 stop 4097 0 0 0 1 0 0 0 0 0 0 0 0"),
         "sample.replay:10: unit count 4097 is beyond 4096"},
        {WithLine(10, "command 0 3 stop 0 0 nan 0 1 0 0 0 0 0 0 0 0"),
         "sample.replay:10: x \"nan\" is not a finite"},
        {WithLine(10, "command 0 3 stop 0 0 2e6 0 1 0 0 0 0 0 0 0 0"),
         "sample.replay:10: x \"2e6\" is outside"},
        {WithLine(10, "command 0 9 stop 0 0 0 0 1 0 0 0 0 0 0 0 0"), "sample.replay:10: side 9 is beyond 6"},
        {WithLine(10, "command 0 3 stop 2 7"), "sample.replay:10: the line ends before its unit serial"},
        {WithLine(10, "command 0 3 stop 0 0 0 0 1 0 0 0 0 0 0 0 0 0"), "sample.replay:10: more on the line"},
        {WithLine(15, "command 1 1 stop 0 0 0 0 1 0 0 0 0 0 0 0 0"),
         "sample.replay:15: command of step 1 after one of step 60"},
        {WithLine(13, "second 50 0000000000000000"),
         "sample.replay:13: second digest of step 50 after one of step 60"},
        {WithLine(16, "end 60 0000000000000000"),
         "sample.replay:16: a command of step 60 in a game of 60 steps"},
        {WithLine(16, "<replay><a><a><a>"), "sample.replay:16: unknown line \"<replay><a><a><a>\""},
        {SampleText() + "second 200 0000000000000000\n", "sample.replay:17: a line after the \"end\" line"},
        {SampleText().substr(0, SampleText().size() - 5), "sample.replay:16: the last line has no line end"},
        {SampleText().substr(0, SampleText().find("end ")),
         "sample.replay: the file ends before its \"end\" line"},
        {WithLine(10, "command 0 3 stop 1 " + std::string(ReplayLimits::maxLineBytes, '7')),
         "sample.replay:10: a line longer than"},
        {"", "sample.replay: the file ends before its \"end\" line"},
    };
    for (const auto& [text, expected] : cases) {
        Replay replay = SampleReplay();
        std::string fault;
        EXPECT_FALSE(ParseReplay(text, "sample.replay", replay, fault)) << expected;
        EXPECT_EQ(fault.rfind(expected, 0), 0u) << "expected \"" << expected << "\", got \"" << fault << "\"";
        EXPECT_EQ(fault.find('\n'), std::string::npos) << fault;
        EXPECT_EQ(replay, Replay{}) << "nothing of a refused file is kept: " << expected;
    }
}

TEST(ReplayFile, AFileTooLargeIsRefusedBeforeItIsRead) {
    const std::filesystem::path folder = testing_support::ScratchDir("replay_file_size");
    const std::filesystem::path huge = folder / "huge.replay";
    std::ofstream(huge) << SampleText();
    // Sparse: no disk is spent on the bytes the reader must never read.
    std::filesystem::resize_file(huge, ReplayLimits::maxFileBytes + 1);
    Replay replay;
    std::string fault;
    EXPECT_FALSE(ReadReplayFile(huge.string(), replay, fault));
    EXPECT_NE(fault.find(huge.string() + ": a replay of " + std::to_string(ReplayLimits::maxFileBytes + 1)),
              std::string::npos)
        << fault;
    EXPECT_FALSE(ReadReplayFile((folder / "missing.replay").string(), replay, fault));
    EXPECT_NE(fault.find("missing.replay: cannot read the replay"), std::string::npos) << fault;

    std::filesystem::resize_file(huge, 0);
    std::ofstream(huge) << SampleText();
    EXPECT_TRUE(ReadReplayFile(huge.string(), replay, fault)) << fault;
    EXPECT_EQ(replay, SampleReplay());
    std::filesystem::remove_all(folder);
}
