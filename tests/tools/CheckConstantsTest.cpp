// sector-clash-check on the shipped data and on a deliberately broken copy of constants.xml.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using namespace testing_support;

using CheckRun = CommandResult;

CheckRun RunChecker(const std::filesystem::path& folder, const std::string& area = "constants") {
    return RunCheckArea(folder, area);
}

std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Replaces the first occurrence of a piece of the shipped file, failing the test when it is not there.
void Edit(std::string& text, const std::string& from, const std::string& to) {
    std::size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

TEST(CheckConstants, ShippedDataPasses) {
    CheckRun run = RunChecker(SourceDir() / "data");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output, "");
}

TEST(CheckConstants, ReportsEachFaultOfABrokenCopy) {
    std::filesystem::path folder = ScratchDir("check-constants");
    std::string text = ReadText(SourceDir() / "data/constants.xml");
    Edit(text, "<reload_time value=\"0.1\"/>", "<reload_tme value=\"0.1\"/>"); // Gun1: typo
    Edit(text, "<bullet value=\"razor\"/>", "<bullet value=\"Razor\"/>");      // Razor1: wrong case
    Edit(text, "<Radar>", "<radar>");
    Edit(text, "</Radar>", "</radar>"); // Radar: missing
    Edit(text, "<max_armor value=\"400\"/>\n  <weight value=\"45\"/>",
         "<max_armor value=\"400\"/>\n  <weight value=\"450\"/>");                    // HeavyArmor too heavy
    Edit(text, "<granularity value=\"48\"/>", "<granularity value=\"0\"/>");          // FOW: divides by it
    Edit(text, "<rearm_interval value=\"2000\"/>", "<rearm_interval value=\"2s\"/>"); // not a number
    Edit(text, "<SmallLandmine>", "<SmallLandmine><colour value=\"red\"/>");          // unknown key
    text += "<AI><think_timeout value=\"100\"/><slow_think_timeout value=\"1000\"/></AI>\n"; // duplicate
    std::ofstream(folder / "constants.xml") << text;

    CheckRun run = RunChecker(folder);
    EXPECT_EQ(run.exitCode, 1);
    const std::string file = (folder / "constants.xml").string() + ": ";
    for (const char* expected : {
             "Gun1/reload_tme: unknown key",
             "Gun1: missing keys reload_time;",
             "Razor1/bullet: \"Razor\" is not one of",
             "radar: unknown entry (names are case-sensitive: Radar?)",
             "Radar: missing entry",
             "HeavyArmor/weight: 450 with the lightest turret weighs 455",
             "FOW/granularity: 0 is outside the sane range 4 to 1024",
             "ArmoryExtra/rearm_interval: \"2s\" is not a whole number; the game reads 2",
             "SmallLandmine/colour: unknown key for LandmineData",
             "AI: entry given more than once",
         })
        EXPECT_NE(run.output.find(file + expected), std::string::npos) << expected << "\n" << run.output;
    EXPECT_EQ(std::count(run.output.begin(), run.output.end(), '\n'), 10) << run.output;
    std::filesystem::remove_all(folder);
}

TEST(CheckConstants, CombinationsThatBreakPlayAreReported) {
    std::filesystem::path folder = ScratchDir("check-combinations");
    std::string text = ReadText(SourceDir() / "data/constants.xml");
    Edit(text, "<engage_range value=\"380\"/>", "<engage_range value=\"700\"/>"); // Cannon2 beyond 600
    Edit(text, "<max_load value=\"100\"/>", "<max_load value=\"20\"/>");          // HeavyTank: no Cannon2
    Edit(text, "<max_armor value=\"100\"/>\n  <weight value=\"10\"/>\n  <price value=\"60\"/>",
         "<max_armor value=\"100\"/>\n  <weight value=\"10\"/>\n  <price value=\"0\"/>"); // LightArmor free,
                                                                                          // slow
    Edit(text, "<ammo_coef_add value=\"1\"/>", "<ammo_coef_add value=\"0\"/>"); // CannonExplosion harmless
    std::ofstream(folder / "constants.xml") << text;
    std::ofstream(folder / "particles.xml") << "<behavior/><system><ShellSmall/></system>";

    CheckRun run = RunChecker(folder);
    EXPECT_EQ(run.exitCode, 1);
    for (const char* expected : {
             "Cannon2/engage_range: 700 is beyond the TankBullet range 600",
             "HeavyTank/max_load: 20 is less than Cannon2 with NoArmor (25)",
             "LightArmor/price: 0 with a build time of 6000 ms",
             "CannonExplosion/ammo_coef_add: 0 makes the blast harmless",
             "Cannon1/shell_ps: particle system \"ShellLarge\" is not in particles.xml",
             "TankBullet/death_ps: particle system \"BriefDust\" is not in particles.xml",
         })
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    EXPECT_EQ(run.output.find("Gun1/shell_ps"), std::string::npos) << run.output;
    std::filesystem::remove_all(folder);
}

TEST(CheckConstants, ValuesTheRulesCannotUseAreReported) {
    std::filesystem::path folder = ScratchDir("check-values");
    std::string text = "<?xml version=\"1.0\"?>\n" + ReadText(SourceDir() / "data/constants.xml");
    Edit(text, "<payload value=\"false\"/>", "<payload value=\"flase\"/>"); // GunBullet
    Edit(text, "<experience_step2_bodycount value=\"8\"/>",
         "<experience_step2_bodycount value=\"1\"/>");                         // Gun1
    Edit(text, "<max_load value=\"12\"/>", "<max_load value=\"2\"/>");         // SurveilanceTower
    Edit(text, "<range_begin value=\"60\"/>", "<range_begin value=\"800\"/>"); // RocketL
    Edit(text, "<Gun2>", "<Gun2 max_ammo=\"3\">");
    Edit(text, "<can_shoot value=\"0\"/>", "<can_shoot value=\"1\"/>"); // Radar
    Edit(text,
         "<size value=\"12\"/>\n  <price value=\"60\"/>\n  <build_time value=\"5000\"/>\n"
         "  <max_base_distance value=\"1200\"/>",
         "<size value=\"12\"/>\n  <price value=\"60\"/>\n  <build_time value=\"5000\"/>\n"
         "  <max_base_distance value=\"0\"/>");                 // AntitankBlock
    Edit(text, "<size value=\"56\"/>", "<size value=\"65\"/>"); // Base: beyond the queries' reach
    std::ofstream(folder / "constants.xml") << text;

    CheckRun run = RunChecker(folder);
    EXPECT_EQ(run.exitCode, 1);
    for (const char* expected : {
             "GunBullet/payload: \"flase\" is neither true, false nor a number",
             "Gun1/experience_step1_bodycount: the experience steps 3, 1, 15 must not decrease",
             "SurveilanceTower/max_load: 2 carries no turret (the lightest weighs 5)",
             "RocketL/range_begin: 800 is not below its range 760",
             "Gun2: attribute max_ammo is ignored",
             "Radar/rounds_in_serie: must be above 0 for a turret that shoots",
             "Radar/n_bullets: must be above 0 for a turret that shoots",
             "AntitankBlock/max_base_distance: must be above 0",
             "Base/size: 65",
         })
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    EXPECT_EQ(run.output.find(": xml:"), std::string::npos) << "a declaration is no entry\n" << run.output;
    std::filesystem::remove_all(folder);
}

TEST(CheckConstants, PathSearchStepCountsTheSearchCannotUseAreReported) {
    std::filesystem::path folder = ScratchDir("check-search-steps");
    std::string text = ReadText(SourceDir() / "data/constants.xml");
    const std::size_t tankAI = text.find("<TankAI>");
    ASSERT_NE(tankAI, std::string::npos);
    std::string section = text.substr(tankAI, text.find("</TankAI>") - tankAI);
    const std::string original = section;
    for (const char* key : {"pf_l1_steps", "pf_l2_steps"}) {
        const std::size_t at = section.find(std::string("<") + key + " value=\"");
        ASSERT_NE(at, std::string::npos) << key;
        section.replace(at, section.find("/>", at) + 2 - at,
                        std::string("<") + key + " value=\"" + (key[4] == '1' ? "-4" : "1e9") + "\"/>");
    }
    Edit(text, original, section);
    std::ofstream(folder / "constants.xml") << text;

    CheckRun run = RunChecker(folder);
    EXPECT_EQ(run.exitCode, 1);
    for (const char* expected : {"TankAI/pf_l1_steps: -4 is outside the sane range 0 to 360",
                                 "TankAI/pf_l2_steps: 1e+09 is outside the sane range 0 to 360"})
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    std::filesystem::remove_all(folder);
}

TEST(CheckConstants, MissingFileIsOneProblem) {
    std::filesystem::path folder = ScratchDir("check-no-constants");
    CheckRun run = RunChecker(folder);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("constants.xml: (file): cannot be opened"), std::string::npos) << run.output;
    std::filesystem::remove_all(folder);
}

TEST(CheckUsage, BadArgumentsAreAUsageError) {
    std::filesystem::path folder = ScratchDir("check-usage");
    EXPECT_EQ(RunChecker(folder, "no-such-area").exitCode, 2);
    EXPECT_EQ(RunChecker(folder / "absent").exitCode, 2);
    std::filesystem::remove_all(folder);
}

// Every value that would leave production stalled for good, or a producer without power for good.
TEST(CheckConstants, WhatWouldStallProductionForeverIsReported) {
    std::filesystem::path folder = ScratchDir("check-stalls");
    std::string text = ReadText(SourceDir() / "data/constants.xml");
    Edit(text, "<armor value=\"750\"/>\n  <power_plant_range value=\"500\"/>",
         "<armor value=\"750\"/>\n  <power_plant_range value=\"0\"/>"); // DefenseTower
    Edit(text, "<size value=\"36\"/>\n  <price value=\"600\"/>",
         "<size value=\"36\"/>\n  <price value=\"0\"/>");
    Edit(text, "<max_armor value=\"1800\"/>\n  <power_plant_range value=\"500\"/>",
         "<max_armor value=\"1800\"/>\n  <power_plant_range value=\"80\"/>"); // TankFactory
    Edit(text, "<build_speed value=\"0.5\"/>", "<build_speed value=\"0\"/>"); // Rocket
    Edit(text, "<capacity value=\"200\"/>", "<capacity value=\"0\"/>");
    std::ofstream(folder / "constants.xml") << text;

    CheckRun run = RunChecker(folder);
    EXPECT_EQ(run.exitCode, 1);
    for (const char* expected : {
             "DefenseTower/power_plant_range: 0: a tower needs a power plant in range",
             "Armory/price: 0 with a build time of 30000 ms",
             "TankFactory/power_plant_range: 80 does not reach past its own size and a power plant's (80)",
             "Rocket/build_speed: 0 is outside the sane range",
             "ArmoryExtra/capacity: 0 is outside the sane range",
         })
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    std::filesystem::remove_all(folder);
}

} // namespace
