// sector-clash-check on what the game reads without complaint but not as its author meant: nesting the
// tolerant reader repaired, a level tank heavier than its chassis carries, key bindings that bind nothing
// and a language without texts.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace {

using namespace testing_support;

// A folder with the shipped files given, each replaced by its text when one is given.
std::filesystem::path FolderWith(const std::string& name, const std::map<std::string, std::string>& files) {
    const std::filesystem::path folder = ScratchDir(name);
    for (const auto& [file, text] : files) {
        std::filesystem::create_directories((folder / file).parent_path());
        std::ofstream(folder / file) << (text.empty() ? ShippedText(file) : text);
    }
    return folder;
}

// The 1-based line of the text on which `part` first stands.
std::size_t LineOf(const std::string& text, const std::string& part) {
    const std::size_t at = text.find(part);
    return at == std::string::npos ? 0 : 1 + std::count(text.begin(), text.begin() + at, '\n');
}

// Blue A2 of level1, its "/>" turned into ">", stays open until the "new" it stands in closes.
TEST(CheckQuietFaults, NestingTheReaderRepairedIsNamedOnceWithItsLines) {
    const std::string tank = "number=\"2\" x=\"780\" y=\"-800\" direction=\"315\"";
    std::string level = ShippedText("levels/level1.xml");
    level = std::regex_replace(level, std::regex("(" + tank + ")/>"), "$1>");
    const std::size_t opened = LineOf(level, tank);
    const std::size_t closed = LineOf(level.substr(level.find(tank)), "</new>") + opened - 1;
    ASSERT_GT(opened, 0u);
    const auto folder = FolderWith("check-nesting", {{"constants.xml", ""}, {"levels/level1.xml", level}});
    const CommandResult run = RunCheckArea(folder, "levels");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Occurrences(run.output, "levels/level1.xml: tank: opened on line " + std::to_string(opened) +
                                          " and never closed; the closing tag of \"new\" on line " +
                                          std::to_string(closed) + " ends it"),
              1u)
        << run.output;
    std::filesystem::remove_all(folder);
}

TEST(CheckQuietFaults, ALevelTankHeavierThanItsChassisCarriesIsNamed) {
    std::string level = ShippedText("levels/level1.xml");
    level = std::regex_replace(
        level, std::regex("turret=\"gun1\" armor=\"light\" color=\"Blue\" group=\"A\" number=\"3\""),
        "turret=\"gauss\" armor=\"heavy\" color=\"Blue\" group=\"A\" number=\"3\"");
    const auto folder = FolderWith("check-loads", {{"constants.xml", ""}, {"levels/level1.xml", level}});
    const CommandResult run = RunCheckArea(folder, "levels");
    EXPECT_TRUE(run.output.find("event start/new/tank Blue A3: HeavyArmor (") != std::string::npos)
        << run.output;
    EXPECT_TRUE(run.output.find("more than LightTank carries (") != std::string::npos) << run.output;
    EXPECT_EQ(Occurrences(run.output, "carries ("), 1u) << "only the overloaded tank: " << run.output;
    std::filesystem::remove_all(folder);
}

TEST(CheckQuietFaults, KeyBindingsThatBindNothingAreNamed) {
    const CommandResult shipped = RunCheckArea(SourceDir() / "data", "keys");
    EXPECT_EQ(shipped.exitCode, 0) << shipped.output;
    const auto folder = FolderWith(
        "check-keys", {{"keydef.xml", "<?xml version=\"1.0\"?><pasue key=\"P\"/><pause key=\"VK_PAUS\"/>"
                                      "<pause key=\"P\"/><zoom_in/><zoom_in key=\"VK_ADD\"/>"}});
    const CommandResult run = RunCheckArea(folder, "keys");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(Occurrences(run.output, "\n"), 3u) << run.output;
    EXPECT_TRUE(run.output.find("keydef.xml: pasue: not an action the game asks for") != std::string::npos)
        << run.output;
    EXPECT_TRUE(run.output.find("keydef.xml: pause: \"VK_PAUS\" is not a key name") != std::string::npos)
        << run.output;
    EXPECT_TRUE(run.output.find("keydef.xml: zoom_in: has no \"key\"") != std::string::npos) << run.output;
    std::filesystem::remove_all(folder);
}

TEST(CheckQuietFaults, ALanguageTheTextsLackIsNamed) {
    std::string configuration = ShippedText("config.xml");
    const auto withLanguage = [&](const std::string& language) {
        return std::regex_replace(configuration, std::regex("<language>en</language>"),
                                  "<language>" + language + "</language>");
    };
    const auto folder = FolderWith("check-language", {{"config.xml", withLanguage("de")}, {"texts.xml", ""}});
    EXPECT_EQ(RunCheckArea(folder, "configuration").output, "");
    std::ofstream(folder / "config.xml") << withLanguage("fr");
    const CommandResult run = RunCheckArea(folder, "configuration");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.output.find("texts.xml: fr: no section for the language \"fr\"") != std::string::npos)
        << run.output;
    std::filesystem::remove_all(folder);
}

} // namespace
