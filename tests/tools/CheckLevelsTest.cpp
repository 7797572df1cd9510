// sector-clash-check's levels area: the shipped levels pass, and each kind of mistake in a level is named.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using namespace testing_support;

using CheckRun = CommandResult;

CheckRun CheckLevelsIn(const std::filesystem::path& folder) {
    return RunCheckArea(folder, "levels");
}

// A data folder with the shipped constants and this text as level0.
std::filesystem::path FolderWithLevel(const std::string& name, const std::string& level) {
    const auto folder = ScratchDir(name);
    std::filesystem::create_directories(folder / "levels");
    std::filesystem::copy_file(SourceDir() / "data/constants.xml", folder / "constants.xml");
    std::ofstream(folder / "levels/level0.xml") << level;
    return folder;
}

std::size_t Lines(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST(CheckLevels, ShippedLevelsPass) {
    const CheckRun run = CheckLevelsIn(SourceDir() / "data");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "");
}

TEST(CheckLevels, AGoodLevelPassesAndAMissingOneIsNamed) {
    const auto good = FolderWithLevel(
        "check_levels_good", "<level width=\"4000\" height=\"4000\"/><event name=\"start\"><new>"
                             "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"A\" "
                             "number=\"1\" x=\"0\" y=\"0\" to_x=\"5\" to_y=\"5\"/></new>"
                             "<request event=\"end\" when=\"time\" value=\"100\"/></event>"
                             "<event name=\"end\"><quit status=\"true\"/></event>");
    EXPECT_EQ(CheckLevelsIn(good).output, "");
    std::filesystem::remove(good / "levels/level0.xml");
    const CheckRun missing = CheckLevelsIn(good);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.output.find("level0.xml: level: missing"), std::string::npos) << missing.output;
}

struct Mistake {
    const char* name;
    const char* level;
    const char* expected;
};

class CheckLevelMistakes : public ::testing::TestWithParam<Mistake> {};

TEST_P(CheckLevelMistakes, IsReportedOnce) {
    const Mistake& mistake = GetParam();
    const CheckRun run = CheckLevelsIn(
        FolderWithLevel(std::string("check_levels_") + mistake.name,
                        std::string("<level width=\"4000\" height=\"4000\"/>") + mistake.level));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Lines(run.output), 1u) << run.output;
    EXPECT_NE(run.output.find(mistake.expected), std::string::npos) << run.output;
}

INSTANTIATE_TEST_SUITE_P(
    Levels, CheckLevelMistakes,
    ::testing::Values(
        Mistake{"element", "<event name=\"start\"/><evnet name=\"x\"/>", "evnet: unknown element"},
        Mistake{"info_twice", "<info title=\"A\"/><info title=\"B\"/><event name=\"start\"/>",
                "info: a second info element"},
        Mistake{"info_attribute", "<info title=\"A\" titel=\"B\"/><event name=\"start\"/>",
                "info/titel: unknown attribute"},
        Mistake{"info_empty_title", "<info title=\" \" description=\"d\"/><event name=\"start\"/>",
                "info/title: empty"},
        Mistake{
            "attribute",
            "<event name=\"start\"><new><building type=\"base\" color=\"Red\" colour=\"x\"/></new></event>",
            "building/colour: unknown attribute"},
        Mistake{"required",
                "<event name=\"start\"><new><tank type=\"light\" turret=\"gun1\" color=\"Red\" group=\"A\" "
                "number=\"1\"/></new></event>",
                "\"armor\" is missing; the game silently skips it"},
        Mistake{"keyword", "<event name=\"start\"><new><landmine type=\"huge\" color=\"Red\"/></new></event>",
                "unknown keyword \"huge\""},
        Mistake{"colour",
                "<event name=\"start\"><new><landmark type=\"smoke\" color=\"Pink\"/></new></event>",
                "\"Pink\" is no side"},
        Mistake{"request", "<event name=\"start\"><request event=\"win\" when=\"time\" value=\"5\"/></event>",
                "no event is named \"win\""},
        Mistake{"unreached", "<event name=\"start\"/><event name=\"later\"/>",
                "event later: nothing requests it"},
        Mistake{"overlap",
                "<event name=\"start\"><new>"
                "<tank type=\"heavy\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"A\" number=\"1\"/>"
                "<tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" group=\"A\" number=\"2\" "
                "x=\"49\"/></new></event>",
                "stands on the tank at 0, 0"},
        Mistake{
            "number",
            "<event name=\"start\"><new><tower type=\"support\" turret=\"gun1\" color=\"Red\" group=\"A\" "
            "number=\"65536\"/></new></event>",
            "number: must be a whole number from 1 to 65535"},
        Mistake{"coordinate",
                "<event name=\"start\"><new><building type=\"base\" color=\"Red\" x=\"nan\"/></new></event>",
                "building/x: must be a number within 1000000"},
        Mistake{
            "waypoint",
            "<event name=\"start\"><new><tank type=\"light\" turret=\"gun1\" armor=\"none\" color=\"Red\" "
            "group=\"A\" number=\"1\" to_x=\"nan\" to_y=\"0\"/></new></event>",
            "tank/to_x: must be a finite number within 1000000 of 0; the tank gets no waypoint"},
        Mistake{"wide_obstacle",
                "<event name=\"start\"><new><obstacle type=\"stone\" size=\"33\"/>"
                "<obstacle type=\"stone\" size=\"32\"/></new></event>",
                "obstacle/size: makes a radius of 528, wider than a map cell (512)"},
        Mistake{"duplicate", "<event name=\"start\"/><event name=\"start\"/>", "only the first ever runs"},
        Mistake{"when", "<event name=\"start\"><request event=\"start\" when=\"soon\"/></event>",
                "\"soon\" is neither"},
        Mistake{"ground_tint", "<ground texture=\"ground_snow\" tint=\"#12345g\"/><event name=\"start\"/>",
                "ground/tint: must be written #rrggbb"},
        Mistake{"ground_texture",
                "<ground texture=\"../snow\" detail=\"ground_detail\"/><event name=\"start\"/>",
                "ground/texture: not a texture name"},
        Mistake{"ground_twice", "<ground texture=\"ground_snow\"/><ground/><event name=\"start\"/>",
                "ground: a second element"},
        Mistake{"message_text", "<event name=\"start\"><message beep=\"true\"/></event>",
                "message: \"text\" is missing"},
        Mistake{"objective_state",
                "<event name=\"start\"><objective name=\"a\" text=\"b\" state=\"done\"/></event>",
                "objective/state: \"done\" is none of open, completed, failed"},
        Mistake{"camera_point", "<event name=\"start\"><camera x=\"5\"/></event>",
                "camera: \"y\" is missing"},
        Mistake{"reveal_radius", "<event name=\"start\"><reveal x=\"5\" y=\"5\" radius=\"0\"/></event>",
                "reveal/radius: must be above 0"}),
    [](const auto& info) { return std::string(info.param.name); });

// A message or objective naming a key that one language lacks would show the bare key to its players.
TEST(CheckLevels, TextKeysMissingFromALanguageAreNamed) {
    const auto folder = FolderWithLevel("check_levels_text_keys",
                                        "<level width=\"4000\" height=\"4000\"/><event name=\"start\">"
                                        "<message text=\"greeting\"/><message text=\"Hello, commander.\"/>"
                                        "<objective name=\"a\" text=\"only_english\"/></event>");
    std::ofstream(folder / "texts.xml") << "<en><greeting>Hi</greeting><only_english>x</only_english></en>"
                                           "<de><greeting>Hallo</greeting></de>";
    const CheckRun run = CheckLevelsIn(folder);
    EXPECT_EQ(Lines(run.output), 1u) << run.output;
    EXPECT_NE(run.output.find("objective/text: \"only_english\" has no text in \"de\""), std::string::npos)
        << run.output;
}

TEST(CheckLevels, TheCampaignsMissingAndUnplayableLevelsAreNamed) {
    const auto folder = FolderWithLevel("check_levels_campaign",
                                        "<level width=\"4000\" height=\"4000\"/><event name=\"start\"/>");
    std::ofstream(folder / "campaign.xml")
        << "<level file=\"levels/level0.xml\"/><level file=\"levels/gone.xml\"/>"
           "<level file=\"../outside.xml\"/>";
    const CheckRun run = CheckLevelsIn(folder);
    EXPECT_EQ(Lines(run.output), 2u) << run.output;
    EXPECT_NE(run.output.find("campaign.xml: level: \"levels/gone.xml\" is no level file"), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("is not a file of the data folder"), std::string::npos) << run.output;
}

TEST(CheckLevels, BadMapSizesAreReported) {
    const CheckRun run = CheckLevelsIn(
        FolderWithLevel("check_levels_map", "<level width=\"-4\" height=\"1e30\"/><event name=\"start\"/>"));
    EXPECT_EQ(Lines(run.output), 2u) << run.output;
    EXPECT_NE(run.output.find("level/width: must be a number above 0"), std::string::npos);
}

TEST(CheckLevels, TheSkirmishCountIsAWholeNumberUpToTheLargestSkirmish) {
    for (const char* count : {"0", "65536"}) {
        const CheckRun run = CheckLevelsIn(FolderWithLevel(
            "check_levels_skirmish", std::string("<level width=\"4000\" height=\"4000\" skirmish=\"") +
                                         count + "\"/><event name=\"start\"/>"));
        EXPECT_EQ(run.output, "") << count;
    }
    for (const char* count : {"-1", "2.5", "65537", "many", ""}) {
        const CheckRun run = CheckLevelsIn(FolderWithLevel(
            "check_levels_skirmish", std::string("<level width=\"4000\" height=\"4000\" skirmish=\"") +
                                         count + "\"/><event name=\"start\"/>"));
        EXPECT_EQ(Lines(run.output), 1u) << count << ": " << run.output;
        EXPECT_NE(run.output.find("level/skirmish: must be a whole number from 0 to 65536"),
                  std::string::npos)
            << count << ": " << run.output;
    }
}

} // namespace
