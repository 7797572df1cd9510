// Save files read back exactly, and every damaged, cut, hostile or newer file is refused with one line
// naming the file and the reason, the saved game left empty.
#include "save/SaveFile.h"
#include "save/ByteStream.h"
#include "save/SaveSections.h"
#include "save/SaveSummary.h"
#include "save/StateSection.h"

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
    // A battle's state repeats itself, as this does.
    for (int record = 0; record < 200; ++record)
        saved.state += "tank " + std::to_string(record % 7) + ";";
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

    EXPECT_NE(Refusal(JoinSections(sections, saveFormatVersion + 1)).find("newer game"), std::string::npos);
    EXPECT_NE(Refusal(JoinSections(sections, 0)).find("save format 0 is not one"), std::string::npos);
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

// The state is deflated when that is smaller and stored when not; either way it comes back exactly, and a
// file of the first format, which held no state, still reads (its game loads by running the journal).
TEST(SaveFile, TheBattlesStateComesBackExactlyDeflatedOrStored) {
    const SavedGame compressible = RichSave();
    std::vector<Section> sections = SplitSections(SaveBytes(compressible));
    const std::string& body = BodyOf(sections, "STAT");
    EXPECT_EQ(body[0], static_cast<char>(StateEncoding::deflated));
    EXPECT_LT(body.size(), compressible.state.size() / 4);

    SavedGame incompressible = RichSave();
    incompressible.state.clear();
    for (std::uint32_t value = 1; incompressible.state.size() < 3000; value = value * 1103515245u + 12345u)
        incompressible.state += static_cast<char>(value >> 24);
    const std::string stored = SaveBytes(incompressible);
    EXPECT_EQ(BodyOf(sections = SplitSections(stored), "STAT")[0], static_cast<char>(StateEncoding::stored));

    for (const SavedGame& original : {compressible, incompressible}) {
        SavedGame read;
        std::string fault;
        ASSERT_TRUE(ParseSave(SaveBytes(original), "game.save", read, fault)) << fault;
        EXPECT_TRUE(read.state == original.state);
        EXPECT_TRUE(SaveBytes(read) == SaveBytes(original));
    }

    std::vector<Section> withoutState;
    for (const Section& section : SplitSections(SaveBytes(compressible)))
        if (section.tag != "STAT")
            withoutState.push_back(section);
    EXPECT_NE(Refusal(JoinSections(withoutState)).find("STAT section is missing"), std::string::npos);
    SavedGame firstFormat;
    std::string fault;
    ASSERT_TRUE(ParseSave(JoinSections(withoutState, 1), "game.save", firstFormat, fault)) << fault;
    EXPECT_TRUE(firstFormat.state.empty());
    EXPECT_TRUE(firstFormat.commands == compressible.commands);
}

// The state's size is checked before anything is inflated, and the inflated bytes must be exactly that
// many, from every compressed byte.
TEST(SaveFile, RefusesAStateThatIsNotTheSizeItClaims) {
    const std::vector<Section> sections = SplitSections(SaveBytes(RichSave()));
    const std::string body = BodyOf(const_cast<std::vector<Section>&>(sections), "STAT");
    const auto withState = [&](std::uint8_t encoding, std::uint32_t size, const std::string& bytes) {
        ByteWriter out;
        out.U8(encoding);
        out.U32(size);
        std::vector<Section> changed = sections;
        BodyOf(changed, "STAT") = out.Bytes() + bytes;
        return Refusal(JoinSections(changed));
    };
    const std::string deflated = body.substr(5);
    const std::uint32_t size = static_cast<std::uint32_t>(RichSave().state.size());
    EXPECT_EQ(withState(1, size, deflated), "");
    EXPECT_NE(withState(1, 0xffffffffu, deflated).find("state's size 4294967295 is above"),
              std::string::npos);
    EXPECT_NE(withState(1, size - 1, deflated).find("inflates to more"), std::string::npos);
    EXPECT_NE(withState(1, size + 1, deflated).find("inflates to fewer"), std::string::npos);
    EXPECT_NE(withState(1, size, deflated.substr(0, deflated.size() - 3)).find("state is damaged"),
              std::string::npos);
    EXPECT_NE(withState(1, size, deflated + "x").find("bytes after its end"), std::string::npos);
    EXPECT_NE(withState(1, size, std::string(40, 'x')).find("state is damaged"), std::string::npos);
    EXPECT_NE(withState(2, size, deflated).find("encoding 2 is unknown"), std::string::npos);
    EXPECT_NE(withState(0, 100, std::string(99, 'x')).find("cut short"), std::string::npos);
    EXPECT_NE(withState(0, 100, std::string(101, 'x')).find("longer than its fields"), std::string::npos);
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
