// The campaign's list and the player's progress: the order of levels, entries a modder got wrong, the
// progress file written whole and read back, broken progress read as none with one line, and which
// levels are open.
#include "campaign/CampaignList.h"
#include "campaign/CampaignProgress.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace Vorn;

namespace {

Brisk::Node Document(const std::string& text) {
    Brisk::Node document;
    document.LoadText(text.c_str());
    return document;
}

class ProgressFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("campaign-test-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        path = (folder / "sector-clash" / "campaign.xml").string();
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    void Write(const std::string& content) {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << content;
    }

    std::filesystem::path folder;
    std::string path;
};

const Campaign threeLevels{{"levels/a.xml", "levels/b.xml", "levels/c.xml"}};

} // namespace

TEST(CampaignList, KeepsTheOrderAndLeavesOutWhatCannotBePlayed) {
    const CampaignReading reading = ReadCampaign(Document(
        "<level file=\"levels/b.xml\"/><level file=\"levels/a.xml\"/><level/><level file=\"\"/>"
        "<level file=\"/etc/passwd\"/><level file=\"levels/../../x.xml\"/><level file=\"levels/b.xml\"/>"
        "<note file=\"levels/c.xml\"/><level file=\"levels/..hidden.xml\"/>"));
    EXPECT_EQ(reading.campaign.levels,
              (std::vector<std::string>{"levels/b.xml", "levels/a.xml", "levels/..hidden.xml"}));
    ASSERT_EQ(reading.problems.size(), 5u);
    EXPECT_EQ(reading.problems[0], "campaign.xml: level 3: no \"file\"; left out");
    EXPECT_NE(reading.problems[3].find("x.xml\" is not a file of the data folder"), std::string::npos);
    EXPECT_NE(reading.problems[4].find("already in the campaign"), std::string::npos);
}

TEST(CampaignList, StopsAtTheLargestCampaign) {
    std::string text;
    for (std::size_t i = 0; i < maxCampaignLevels + 2; ++i)
        text += "<level file=\"levels/l" + std::to_string(i) + ".xml\"/>";
    const CampaignReading reading = ReadCampaign(Document(text));
    EXPECT_EQ(reading.campaign.levels.size(), maxCampaignLevels);
    EXPECT_EQ(reading.problems.size(), 2u);
}

TEST(CampaignUnlocking, EachLevelOpensWhenTheOneBeforeIsWon) {
    CampaignProgress progress;
    EXPECT_TRUE(IsUnlocked(threeLevels, progress, 0));
    EXPECT_FALSE(IsUnlocked(threeLevels, progress, 1));
    EXPECT_EQ(FirstUnfinished(threeLevels, progress), 0u);
    RecordWin(progress, "levels/a.xml");
    EXPECT_TRUE(IsFinished(threeLevels, progress, 0));
    EXPECT_TRUE(IsUnlocked(threeLevels, progress, 1));
    EXPECT_FALSE(IsUnlocked(threeLevels, progress, 2));
    EXPECT_FALSE(IsUnlocked(threeLevels, progress, 3)) << "no level beyond the campaign";
    EXPECT_EQ(FirstUnfinished(threeLevels, progress), 1u);
    RecordWin(progress, "levels/b.xml");
    RecordWin(progress, "levels/c.xml");
    EXPECT_EQ(FirstUnfinished(threeLevels, progress), std::nullopt);
    // A level won before stays open when an update puts a new level ahead of it.
    const Campaign reordered{{"levels/new.xml", "levels/c.xml"}};
    EXPECT_TRUE(IsUnlocked(reordered, progress, 1));
}

TEST_F(ProgressFile, IsWrittenIntoANewFolderAndReadsBack) {
    CampaignProgress progress;
    RecordWin(progress, "levels/a.xml");
    RecordWin(progress, "levels/odd & <name>.xml");
    std::string error;
    ASSERT_TRUE(WriteCampaignProgress(path, progress, error)) << error;
    const ProgressReading reading = ReadCampaignProgress(path);
    EXPECT_EQ(reading.problem, "");
    EXPECT_EQ(reading.progress.finished, progress.finished);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp")) << "nothing is left beside the file";
}

TEST_F(ProgressFile, AMissingFileIsNoProgressWithoutComplaint) {
    const ProgressReading reading = ReadCampaignProgress(path);
    EXPECT_EQ(reading.problem, "");
    EXPECT_TRUE(reading.progress.finished.empty());
}

TEST_F(ProgressFile, ABrokenFileIsNoProgressWithOneLineNamingIt) {
    const std::vector<std::pair<std::string, std::string>> broken = {
        {"<progress><finished>levels/a.xml</progress>", "not properly nested"},
        {"<other><finished>levels/a.xml</finished></other>", "no \"progress\" element"},
        {std::string("<progress><finished>levels/a.xml\0</finished></progress>", 52), "NUL"},
        {"<progress>" + std::string(maxProgressFileBytes, ' ') + "</progress>", "larger than"},
        {"", "no \"progress\" element"},
    };
    for (const auto& [content, reason] : broken) {
        Write(content);
        const ProgressReading reading = ReadCampaignProgress(path);
        EXPECT_TRUE(reading.progress.finished.empty()) << reason;
        EXPECT_EQ(reading.problem.rfind(path + ": ", 0), 0u) << reading.problem;
        EXPECT_NE(reading.problem.find(reason), std::string::npos) << reading.problem;
        EXPECT_EQ(reading.problem.find('\n'), std::string::npos);
    }
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_NE(ReadCampaignProgress(path).problem, "") << "a folder where the file should be";
}

// A folder standing where the file should go cannot be replaced, whoever runs the game.
TEST_F(ProgressFile, AFailedWriteSaysWhy) {
    std::filesystem::create_directories(path);
    std::ofstream(path + "/keep") << "x";
    CampaignProgress progress;
    RecordWin(progress, "levels/b.xml");
    std::string error;
    EXPECT_FALSE(WriteCampaignProgress(path, progress, error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::exists(path + "/keep"));
    EXPECT_FALSE(WriteCampaignProgress("", progress, error));
    EXPECT_NE(error, "");
}
