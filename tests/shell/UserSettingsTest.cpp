// The player's own settings files over the shipped ones: entry by entry, written back as differences,
// and a file that cannot be read told once and ignored.
#include "datafiles/Node.h"
#include "shell/Configuration.h"
#include "shell/KeyBindingEdit.h"
#include "shell/KeyBindingOverrides.h"
#include "shell/KeyNames.h"
#include "shell/UserConfigurationWriter.h"
#include "shell/UserSettingsFile.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

Brisk::Node Document(const std::string& text) {
    Brisk::Node document;
    document.LoadText(text.c_str());
    return document;
}

constexpr const char* shippedConfig = R"(
<screen switch="false" width="1024" height="768"/>
<viewport><scrolling_speed horizontal="768" vertical="768"/><zoom sensitivity="2" min="2.0" max="0.5"/></viewport>
<game><language>en</language></game>
<interface><counters shown="false"/></interface>
<sound><volume master="80" effects="100" interface="70"/></sound>)";

Zelt::Configuration Shipped() {
    Zelt::ReadConfiguration(Document(shippedConfig), 1920, 1080);
    return Zelt::configuration;
}

// The configuration folder points into a scratch folder for one test, and the working directory holds a
// data folder of its own, so neither the player's real settings nor the shipped data are touched.
class UserSettingsFolder : public testing::Test {
protected:
    void SetUp() override {
        previousDirectory = std::filesystem::current_path();
        scratch = testing_support::ScratchDir("user-settings");
        std::filesystem::create_directories(scratch / "data");
        std::filesystem::current_path(scratch);
        if (const char* old = std::getenv("XDG_CONFIG_HOME"))
            previousConfigHome = old;
        setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
        Zelt::SetUserSettingsReport([this](const std::string& line) { reports.push_back(line); });
    }
    void TearDown() override {
        Zelt::SetUserSettingsReport(nullptr);
        if (previousConfigHome.empty())
            unsetenv("XDG_CONFIG_HOME");
        else
            setenv("XDG_CONFIG_HOME", previousConfigHome.c_str(), 1);
        std::filesystem::current_path(previousDirectory);
        std::filesystem::remove_all(scratch);
        Zelt::configuration = Zelt::Configuration{};
        Zelt::shippedConfiguration = Zelt::Configuration{};
    }
    std::filesystem::path UserFile(const std::string& name) const {
        return scratch / "config/sector-clash" / name;
    }
    void WriteUserFile(const std::string& name, const std::string& text) const {
        std::filesystem::create_directories(UserFile(name).parent_path());
        std::ofstream(UserFile(name)) << text;
    }

    std::filesystem::path previousDirectory;
    std::filesystem::path scratch;
    std::string previousConfigHome;
    std::vector<std::string> reports;
};

TEST(UserConfiguration, ChangesOnlyTheEntriesItNamesAndMayTurnTheDisplaySwitchBothWays) {
    Shipped();
    Zelt::ApplyConfiguration(
        Document("<viewport><zoom min=\"3\"/></viewport><sound><volume effects=\"40\"/></sound>"), 1920,
        1080);
    EXPECT_FLOAT_EQ(Zelt::configuration.zoomMin, 3);
    EXPECT_FLOAT_EQ(Zelt::configuration.zoomMax, 0.5f);
    EXPECT_FLOAT_EQ(Zelt::configuration.zoomSensitivity, 2);
    EXPECT_FLOAT_EQ(Zelt::configuration.soundEffects, 0.4f);
    EXPECT_FLOAT_EQ(Zelt::configuration.soundMaster, 0.8f);
    EXPECT_EQ(Zelt::configuration.language, "en");

    Zelt::ApplyConfiguration(Document("<screen switch=\"true\" width=\"800\"/>"), 1920, 1080);
    EXPECT_TRUE(Zelt::configuration.screenSwitch);
    EXPECT_EQ(Zelt::configuration.screenWidth, 800);
    EXPECT_EQ(Zelt::configuration.screenHeight, 1080);
    EXPECT_EQ(Zelt::configuration.screenFrequency, 60);
    // A later file without the switch changes the mode the earlier one switched to.
    Zelt::ApplyConfiguration(Document("<screen height=\"600\"/>"), 1920, 1080);
    EXPECT_EQ(Zelt::configuration.screenHeight, 600);
    Zelt::ApplyConfiguration(Document("<screen switch=\"false\" width=\"640\"/>"), 1920, 1080);
    EXPECT_FALSE(Zelt::configuration.screenSwitch);
    EXPECT_EQ(Zelt::configuration.screenWidth, 1920);
    EXPECT_EQ(Zelt::configuration.screenHeight, 1080);
}

TEST(UserConfiguration, IsWrittenAsTheDifferencesAndReadsBackAsTheChosenSettings) {
    const Zelt::Configuration shipped = Shipped();
    EXPECT_EQ(Zelt::UserConfigurationText(shipped, shipped).find('<', 4), std::string::npos)
        << "nothing changed, nothing but the comment is written";

    Zelt::Configuration chosen = shipped;
    chosen.viewportScrollY = 1200;
    chosen.zoomMax = 0.25f;
    chosen.countersShown = true;
    chosen.soundInterface = 0.35f;
    chosen.language = "de";
    chosen.screenSwitch = true;
    chosen.screenWidth = 1280;
    chosen.screenHeight = 720;
    const std::string text = Zelt::UserConfigurationText(chosen, shipped);
    EXPECT_EQ(text.find("horizontal"), std::string::npos) << text;
    EXPECT_EQ(text.find("master"), std::string::npos) << text;

    Zelt::configuration = shipped;
    Zelt::ApplyConfiguration(Document(text), 1920, 1080);
    EXPECT_FLOAT_EQ(Zelt::configuration.viewportScrollY, 1200);
    EXPECT_FLOAT_EQ(Zelt::configuration.viewportScrollX, 768);
    EXPECT_FLOAT_EQ(Zelt::configuration.zoomMax, 0.25f);
    EXPECT_TRUE(Zelt::configuration.countersShown);
    EXPECT_FLOAT_EQ(Zelt::configuration.soundInterface, 0.35f);
    EXPECT_EQ(Zelt::configuration.language, "de");
    EXPECT_TRUE(Zelt::configuration.screenSwitch);
    EXPECT_EQ(Zelt::configuration.screenWidth, 1280);
    EXPECT_EQ(Zelt::configuration.screenHeight, 720);
}

// A window is sized within the display it opens on and never switches the display's mode; the choice
// survives the player's file, and leaving the window brings back the display's whole size.
TEST(UserConfiguration, AWindowIsKeptWithinItsDisplayAndReadsBackFromThePlayersFile) {
    const Zelt::Configuration shipped = Shipped();
    Zelt::ApplyConfiguration(Document("<screen switch=\"true\" width=\"800\" height=\"600\" window=\"true\" "
                                      "window_width=\"2560\" window_height=\"300\" display=\"1\"/>"),
                             1920, 1080);
    Zelt::SettleScreenSize(Zelt::configuration, 1920, 1080);
    EXPECT_FALSE(Zelt::configuration.screenSwitch);
    EXPECT_EQ(Zelt::configuration.screenWidth, 1920);
    EXPECT_EQ(Zelt::configuration.screenHeight, Zelt::smallestWindowHeight);
    EXPECT_EQ(Zelt::configuration.display, 1);
    Zelt::configuration.windowed = false;
    Zelt::SettleScreenSize(Zelt::configuration, 2560, 1440);
    EXPECT_EQ(Zelt::configuration.screenWidth, 2560);
    EXPECT_EQ(Zelt::configuration.screenHeight, 1440);

    Zelt::Configuration chosen = shipped;
    chosen.windowed = true;
    chosen.windowWidth = 1600;
    chosen.windowHeight = 900;
    chosen.display = 2;
    const std::string text = Zelt::UserConfigurationText(chosen, shipped);
    Zelt::configuration = shipped;
    Zelt::ApplyConfiguration(Document(text), 1920, 1080);
    Zelt::SettleScreenSize(Zelt::configuration, 1920, 1080);
    EXPECT_TRUE(Zelt::configuration.windowed) << text;
    EXPECT_EQ(Zelt::configuration.screenWidth, 1600) << text;
    EXPECT_EQ(Zelt::configuration.screenHeight, 900) << text;
    EXPECT_EQ(Zelt::configuration.display, 2) << text;
}

TEST_F(UserSettingsFolder, TheGameLoadsThePlayersFileOverTheShippedOneAndWritesItBackSafely) {
    std::ofstream("data/config.xml") << shippedConfig;
    WriteUserFile("config.xml", "<viewport><scrolling_speed vertical=\"99\"/></viewport>");
    ASSERT_TRUE(Zelt::LoadConfiguration());
    EXPECT_FLOAT_EQ(Zelt::configuration.viewportScrollY, 99);
    EXPECT_FLOAT_EQ(Zelt::configuration.viewportScrollX, 768);
    EXPECT_FLOAT_EQ(Zelt::shippedConfiguration.viewportScrollY, 768);

    Zelt::configuration.soundMaster = 0.5f;
    std::string fault;
    ASSERT_TRUE(Zelt::SaveUserConfiguration(fault)) << fault;
    ASSERT_TRUE(Zelt::LoadConfiguration());
    EXPECT_FLOAT_EQ(Zelt::configuration.soundMaster, 0.5f);
    EXPECT_FLOAT_EQ(Zelt::configuration.viewportScrollY, 99);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(UserFile("").parent_path()),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left beside the settings";
    EXPECT_TRUE(reports.empty());
}

TEST_F(UserSettingsFolder, AFileThatCannotBeReadIsToldOnceAndTheShippedSettingsStand) {
    std::ofstream("data/config.xml") << shippedConfig;
    WriteUserFile("config.xml", "scrolling fast please");
    ASSERT_TRUE(Zelt::LoadConfiguration());
    ASSERT_TRUE(Zelt::LoadConfiguration());
    EXPECT_FLOAT_EQ(Zelt::configuration.viewportScrollY, 768);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(UserFile("config.xml").string()), std::string::npos) << reports[0];

    std::filesystem::remove(UserFile("keydef.xml"));
    std::filesystem::create_directories(UserFile("keydef.xml"));
    EXPECT_TRUE(Zelt::ReadUserSettings(UserFile("keydef.xml").string()).children.empty());
    std::filesystem::remove(UserFile("config.xml"));
    std::ofstream(UserFile("config.xml")) << std::string(Zelt::largestUserSettingsFile + 1, ' ');
    EXPECT_NE(Zelt::ReadUserSettingsFile(UserFile("config.xml").string()).fault, "");
    EXPECT_EQ(reports.size(), 2u);

    // A file of comments alone is a player's way of saying nothing, and no fault.
    std::ofstream(UserFile("config.xml")) << "<!-- nothing yet -->";
    EXPECT_EQ(Zelt::ReadUserSettingsFile(UserFile("config.xml").string()).fault, "");
}

TEST(UserKeyBindings, AnActionThePlayerBindsTakesExactlyThePlayersKeysAndTheOthersKeepTheirs) {
    const Brisk::Node shipped =
        Document(R"(<pause key="P"/><pause key="VK_PAUSE"/><quit key="VK_ESCAPE"/><up key="VK_UP"/>)");
    const Brisk::Node user = Document(R"(<pause key="K"/><up key=""/><comment/>)");
    const Zelt::KeyBindings bindings = Zelt::BindingsOf(Zelt::MergeKeyDefinitions(shipped, user));
    EXPECT_EQ(bindings.at("pause"), std::vector<std::uint8_t>{'K'});
    EXPECT_EQ(bindings.at("quit"), std::vector<std::uint8_t>{0x1B});
    EXPECT_EQ(bindings.at("up"), std::vector<std::uint8_t>{0});
    EXPECT_FALSE(bindings.contains("comment"));
}

TEST(UserKeyBindings, AreWrittenAsTheChangedActionsAndReadBackAsChosen) {
    const Brisk::Node shipped = Document(R"(<pause key="P"/><pause key="VK_PAUSE"/><quit key="VK_ESCAPE"/>
        <up key="VK_UP"/><zoom_in key="VK_OEM_PLUS"/>)");
    Zelt::KeyBindings chosen = Zelt::BindingsOf(shipped);
    chosen["pause"] = {'K', 0x13};
    chosen["up"] = {};
    chosen["help"] = {0x70};
    const std::string text = Zelt::UserKeyDefinitionsText(chosen, Zelt::BindingsOf(shipped));
    EXPECT_EQ(text.find("quit"), std::string::npos) << text;
    EXPECT_EQ(text.find("zoom_in"), std::string::npos) << text;
    const Zelt::KeyBindings readBack = Zelt::BindingsOf(Zelt::MergeKeyDefinitions(shipped, Document(text)));
    EXPECT_EQ(readBack.at("pause"), chosen.at("pause"));
    EXPECT_EQ(readBack.at("help"), chosen.at("help"));
    EXPECT_EQ(readBack.at("quit"), chosen.at("quit"));
    EXPECT_EQ(readBack.at("up"), std::vector<std::uint8_t>{0}) << "an unbound action stays unbound";
}

TEST(KeyRebinding, TakesTheKeyFromAnotherActionByGivingItTheOldKey) {
    Zelt::KeyBindings bindings = {{"pause", {'P'}},
                                  {"stop", {'S'}},
                                  {"scroll_lock", {0x91, 'L'}},
                                  {"next_waypoint_mod", {0xA0}},
                                  {"show_track_modifier", {0xA0}}};
    EXPECT_EQ(Zelt::RebindKey(bindings, "pause", 0, 'S'), std::vector<std::string>{"stop"});
    EXPECT_EQ(bindings["pause"], std::vector<std::uint8_t>{'S'});
    EXPECT_EQ(bindings["stop"], std::vector<std::uint8_t>{'P'});
    EXPECT_TRUE(Zelt::ConflictsOf(bindings, "pause").empty());

    // A key added to an action, not replacing one, leaves the other action without it.
    Zelt::RebindKey(bindings, "pause", 1, 'L');
    EXPECT_EQ(bindings["scroll_lock"], std::vector<std::uint8_t>{0x91});
    EXPECT_EQ(bindings["pause"], (std::vector<std::uint8_t>{'S', 'L'}));

    // Modifiers share keys on purpose: neither swapped nor counted as conflicts.
    EXPECT_TRUE(Zelt::RebindKey(bindings, "next_waypoint_mod", 0, 0xA1).empty());
    EXPECT_EQ(bindings["show_track_modifier"], std::vector<std::uint8_t>{0xA0});
    bindings["stop"] = {'S'};
    EXPECT_EQ(Zelt::ConflictsOf(bindings, "stop"), std::vector<std::string>{"pause"});
}

TEST(KeyNames, EveryCodeWithANameIsNamedSoThatTheNameGivesTheCodeBack) {
    for (const auto& [name, code] : Zelt::C::KeyNameTable())
        EXPECT_EQ(Zelt::C::KeyCodeOfName(Zelt::C::KeyNameOfCode(code)), code) << name;
    EXPECT_EQ(Zelt::C::KeyNameOfCode(0), "");
}

} // namespace
