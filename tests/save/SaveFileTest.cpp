// Save files read back exactly, and every damaged, cut, hostile or newer file is refused with one line
// naming the file and the reason, the saved game left empty.
#include "save/SaveFile.h"
#include "save/ByteStream.h"
#include "save/SaveSections.h"
#include "save/SaveSummary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

using namespace Vorn;

namespace {

SavedGame RichSave() {
    SavedGame saved;
    saved.gameVersion = "0.1.0";
    saved.levelPath = "levels/level1.xml";
    saved.levelHash = 0x0123456789abcdefull;
    saved.dataHash = 0xfedcba9876543210ull;
    saved.skirmish = true;
    saved.skirmishTanks = 300;
    saved.startRandom.lagged.fill(0.25);
    saved.startRandom.lagged[5] = 0.5;
    saved.startRandom.c = 0.125;
    saved.startRandom.i97 = 40;
    saved.startRandom.j97 = 7;
    saved.steps.AddRun({16, 10});
    saved.steps.AddRun({33, 1});
    saved.steps.AddRun({16, 4});
    Command move = MoveCommand({5, 6, 7}, 120.5f, -300.25f, true, 1.5f);
    move.side = 3;
    move.step = 2;
    Command order = OrderTanksCommand(9, TankOrder{}, 4);
    order.side = 3;
    order.step = 15;
    order.letter = 'K';
    saved.commands = {move, order};
    saved.digest = 0xabcdef;
    PlayerView view;
    view.cameraX = 10;
    view.cameraY = -20;
    view.cameraRotation = 45;
    view.cameraZoom = 1.5f;
    view.selection = {5, 6};
    view.groups[1] = {7};
    view.groups[9] = {5, 6, 7};
    view.panelPage = 2;
    saved.view = view;
    return saved;
}

struct Section {
    std::string tag;
    std::string body;
};

// The sections of a well-formed file, to be put together again with changes.
std::vector<Section> SplitSections(const std::string& file) {
    std::vector<Section> sections;
    ByteReader in(std::string_view(file).substr(SaveSections::openingBytes));
    while (!in.AtEnd() && !in.Failed()) {
        const SaveSections::Section section = SaveSections::ReadSection(in);
        sections.push_back({std::string(section.tag), std::string(section.body)});
    }
    return sections;
}

std::string JoinSections(const std::vector<Section>& sections, std::uint32_t version = saveFormatVersion) {
    ByteWriter opening;
    for (char c : SaveSections::magic)
        opening.U8(static_cast<std::uint8_t>(c));
    opening.U32(version);
    std::string file = opening.Take();
    for (const Section& section : sections)
        SaveSections::AppendSection(file, section.tag, section.body);
    return file;
}

std::string& BodyOf(std::vector<Section>& sections, const std::string& tag) {
    for (Section& section : sections)
        if (section.tag == tag)
            return section.body;
    static std::string none;
    return none;
}

// The reason the file is refused for, checking that the refusal is one line naming the file and that
// nothing of the file is kept; empty when it is read.
std::string Refusal(const std::string& file) {
    SavedGame saved;
    std::string fault;
    if (ParseSave(file, "game.save", saved, fault))
        return "";
    EXPECT_EQ(fault.find('\n'), std::string::npos) << fault;
    EXPECT_EQ(fault.rfind("game.save: ", 0), 0u) << fault;
    EXPECT_TRUE(saved == SavedGame{});
    return fault;
}

} // namespace

TEST(SaveFile, ReadsBackExactlyAndWritesTheSameBytesAgain) {
    const SavedGame original = RichSave();
    const std::string file = SaveBytes(original);
    SavedGame read;
    std::string fault;
    ASSERT_TRUE(ParseSave(file, "game.save", read, fault)) << fault;
    EXPECT_TRUE(read == original);
    EXPECT_EQ(read.steps.Runs().size(), 3u);
    EXPECT_EQ(read.GameMs(), 16u * 14 + 33);
    EXPECT_TRUE(SaveBytes(read) == file);

    SavedGame withoutView = original;
    withoutView.view.reset();
    ASSERT_TRUE(ParseSave(SaveBytes(withoutView), "game.save", read, fault)) << fault;
    EXPECT_FALSE(read.view.has_value());
}

TEST(SaveFile, EveryCutAndEveryDamagedByteIsRefused) {
    const std::string file = SaveBytes(RichSave());
    for (std::size_t length = 0; length < file.size(); ++length)
        EXPECT_NE(Refusal(file.substr(0, length)), "") << "cut to " << length << " bytes";
    for (std::size_t index = 0; index < file.size(); ++index) {
        std::string damaged = file;
        damaged[index] = static_cast<char>(damaged[index] ^ 0x10);
        EXPECT_NE(Refusal(damaged), "") << "byte " << index << " changed";
    }
    EXPECT_NE(Refusal(file + "x"), "");
}

TEST(SaveFile, NamesTheReasonOfARefusal) {
    const std::string file = SaveBytes(RichSave());
    std::vector<Section> sections = SplitSections(file);

    EXPECT_NE(Refusal(JoinSections(sections, 2)).find("newer game"), std::string::npos);
    EXPECT_NE(Refusal("<level/>").find("not a saved game"), std::string::npos);
    std::string damaged = file;
    damaged[file.find("CMDS") + 12] ^= 1;
    EXPECT_NE(Refusal(damaged).find("CMDS section is damaged"), std::string::npos);
    EXPECT_NE(Refusal(file.substr(0, file.size() - 12)).find("end section is missing"), std::string::npos);

    std::vector<Section> twice = sections;
    twice.insert(twice.begin() + 2, sections[2]);
    EXPECT_NE(Refusal(JoinSections(twice)).find("appears twice"), std::string::npos);

    std::vector<Section> noDigest;
    for (const Section& section : sections)
        if (section.tag != "DGST")
            noDigest.push_back(section);
    EXPECT_NE(Refusal(JoinSections(noDigest)).find("DGST section is missing"), std::string::npos);

    std::vector<Section> headLast = sections;
    std::swap(headLast[0], headLast[1]);
    EXPECT_NE(Refusal(JoinSections(headLast)).find("first section is not the head"), std::string::npos);
}

// A count the section cannot hold is refused before anything is allocated for it.
TEST(SaveFile, RefusesHostileCountsAndValuesBeforeUsingThem) {
    const std::vector<Section> sections = SplitSections(SaveBytes(RichSave()));
    const auto withBody = [&](const std::string& tag, const std::string& body) {
        std::vector<Section> changed = sections;
        BodyOf(changed, tag) = body;
        return JoinSections(changed);
    };
    ByteWriter huge;
    huge.U32(0xffffffffu);
    EXPECT_NE(Refusal(withBody("CMDS", huge.Bytes())).find("above the limit"), std::string::npos);
    ByteWriter many;
    many.U32(3'000'000);
    EXPECT_NE(Refusal(withBody("CMDS", many.Bytes())).find("more than the section holds"), std::string::npos);
    EXPECT_NE(Refusal(withBody("STEP", many.Bytes())).find("more than the section holds"), std::string::npos);

    std::string random = BodyOf(const_cast<std::vector<Section>&>(sections), "RAND");
    random[random.size() - 8] = 0; // the first lag index
    EXPECT_NE(Refusal(withBody("RAND", random)).find("random generator"), std::string::npos);

    ByteWriter zeroLength;
    zeroLength.U32(1);
    zeroLength.U32(0);
    zeroLength.U32(15);
    EXPECT_NE(Refusal(withBody("STEP", zeroLength.Bytes())).find("step length of 0 ms"), std::string::npos);

    ByteWriter fewer;
    fewer.U32(1);
    fewer.U32(16);
    fewer.U32(14);
    EXPECT_NE(Refusal(withBody("STEP", fewer.Bytes())).find("head counts 15 steps"), std::string::npos);

    std::string commands = BodyOf(const_cast<std::vector<Section>&>(sections), "CMDS");
    commands[4] = 40; // the first command's kind
    EXPECT_NE(Refusal(withBody("CMDS", commands)).find("kind 40 is unknown"), std::string::npos);
    EXPECT_NE(Refusal(withBody("DGST", std::string(9, '\0'))).find("longer than its fields"),
              std::string::npos);
}

// A later game's sections (a computer opponent's state) are passed over by this one.
TEST(SaveFile, SkipsSectionsItDoesNotKnow) {
    const SavedGame original = RichSave();
    std::vector<Section> sections = SplitSections(SaveBytes(original));
    sections.insert(sections.end() - 1, Section{"COMM", std::string(100, 'x')});
    SavedGame read;
    std::string fault;
    ASSERT_TRUE(ParseSave(JoinSections(sections), "game.save", read, fault)) << fault;
    EXPECT_TRUE(read == original);
}

TEST(SaveFile, FilesAreWrittenWholeAndTooLargeOnesAreRefusedUnread) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "sc-save-file-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "quick.save").string();
    ASSERT_TRUE(WriteSaveFile(path, RichSave()));
    SavedGame read;
    std::string fault;
    ASSERT_TRUE(ReadSaveFile(path, read, fault)) << fault;
    EXPECT_TRUE(read == RichSave());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1)
        << "no temporary file is left";

    const std::optional<SaveSummary> summary = ReadSaveSummary(path);
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->levelPath, "levels/level1.xml");
    EXPECT_EQ(summary->gameVersion, "0.1.0");
    EXPECT_EQ(summary->gameMs, 16u * 14 + 33);
    EXPECT_EQ(summary->steps, 15u);
    EXPECT_GT(summary->writtenSeconds, 1'600'000'000);

    std::filesystem::resize_file(path, 65u * 1024 * 1024);
    EXPECT_FALSE(ReadSaveFile(path, read, fault));
    EXPECT_NE(fault.find("more than a save may hold"), std::string::npos) << fault;
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "SCSAVE\r\n\x07";
    std::string summaryFault;
    EXPECT_FALSE(ReadSaveSummary(path, &summaryFault).has_value());
    EXPECT_EQ(summaryFault.rfind(path + ": ", 0), 0u) << summaryFault;
    std::filesystem::remove_all(folder);
}
