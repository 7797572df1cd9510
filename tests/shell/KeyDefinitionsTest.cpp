// The shipped "keydef.xml" and the key name table: every action the game asks for is bound to a real key.
#include "shell/KeyNames.h"
#include "shell/Keyboard.h"

#include "datafiles/DataArchive.h"
#include "interface/OverlayNames.h"
#include "platform/VirtualKeyCodes.h"
#include "tests/shell/InputTestClock.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

namespace vk = platform::vk;

TEST(KeyNames, NamesTheDigitsLettersAndVirtualKeys) {
    EXPECT_EQ(Zelt::C::KeyCodeOfName("0"), '0');
    EXPECT_EQ(Zelt::C::KeyCodeOfName("9"), '9');
    EXPECT_EQ(Zelt::C::KeyCodeOfName("A"), 'A');
    EXPECT_EQ(Zelt::C::KeyCodeOfName("Z"), 'Z');
    EXPECT_EQ(Zelt::C::KeyCodeOfName("VK_F24"), 0x87);
    EXPECT_EQ(Zelt::C::KeyCodeOfName("VK_NUMPAD9"), 0x69);
    EXPECT_EQ(Zelt::C::KeyCodeOfName("VK_HANGUL"), Zelt::C::KeyCodeOfName("VK_KANA"));
    EXPECT_EQ(Zelt::C::KeyCodeOfName("VK_OEM_CLEAR"), 0xFE);
    EXPECT_EQ(Zelt::C::KeyCodeOfName("VK_RMENU"), vk::RightMenu);
    // Mouse-button codes and lower-case names are not keys.
    EXPECT_EQ(Zelt::C::KeyCodeOfName("VK_LBUTTON"), 0);
    EXPECT_EQ(Zelt::C::KeyCodeOfName("a"), 0);
    EXPECT_EQ(Zelt::C::KeyCodeOfName("vk_up"), 0);
    EXPECT_EQ(Zelt::C::KeyCodeOfName(""), 0);
}

TEST(KeyNames, EveryNameIsUniqueAndNoneIsZero) {
    std::set<std::string_view> names;
    for (const auto& [name, code] : Zelt::C::KeyNameTable()) {
        EXPECT_TRUE(names.insert(name).second) << name;
        EXPECT_NE(code, 0) << name;
    }
    EXPECT_EQ(names.size(), 167u);
}

TEST(KeyDefinitions, EveryActionTheGameAsksForIsBound) {
    Zelt::C::Keyboard keyboard(dataArchive.ReadDocument("keydef.xml"), true,
                               std::make_shared<testing_support::SteppedInputClock>());
    const auto& bindings = keyboard.Bindings();
    for (const char* action : {"switch_fps",
                               "pause",
                               "scroll_lock",
                               "mute",
                               "switch_interface",
                               "switch_minimap",
                               "switch_infobox",
                               "message_log",
                               "zoom_in",
                               "zoom_out",
                               "up",
                               "left",
                               "down",
                               "right",
                               "reset_zoom",
                               "reset_rotation",
                               "move_disperse_mod",
                               "move_gather_mod",
                               "next_waypoint_mod",
                               "show_track_modifier",
                               "restart",
                               "quit"}) {
        auto found = bindings.find(action);
        ASSERT_NE(found, bindings.end()) << action;
        for (std::uint8_t code : found->second) {
            EXPECT_NE(code, 0) << action << " names a key that does not exist";
        }
    }
    std::vector<std::string_view> selectionActions = {
        Vorn::OverlayNames::toggleModifier, Vorn::OverlayNames::storeGroupModifier, Vorn::OverlayNames::stop};
    selectionActions.insert(selectionActions.end(), Vorn::OverlayNames::groups.begin(),
                            Vorn::OverlayNames::groups.end());
    for (std::string_view action : selectionActions) {
        auto found = bindings.find(std::string(action));
        ASSERT_NE(found, bindings.end()) << action;
        EXPECT_NE(found->second.front(), 0) << action;
    }
    // Every binding in the file is one the game asks for: a misspelt action would silently do nothing.
    EXPECT_EQ(bindings.size(), 45u) << "the game's, the quick save's, the help's, the message log's and the five replay speeds";
}

TEST(KeyDefinitions, ScrollingAndPauseUseTheKeysPlayersExpect) {
    Zelt::C::Keyboard keyboard(dataArchive.ReadDocument("keydef.xml"), true,
                               std::make_shared<testing_support::SteppedInputClock>());
    EXPECT_EQ(keyboard.Bindings().at("up").front(), vk::Up);
    EXPECT_EQ(keyboard.Bindings().at("left").front(), vk::Left);
    EXPECT_EQ(keyboard.Bindings().at("down").front(), vk::Down);
    EXPECT_EQ(keyboard.Bindings().at("right").front(), vk::Right);
    EXPECT_EQ(keyboard.Bindings().at("pause").front(), 'P');
    // The main row's and the keypad's + and - both zoom.
    EXPECT_EQ(keyboard.Bindings().at("zoom_in"), (std::vector<std::uint8_t>{vk::OemPlus, vk::Add}));
    EXPECT_EQ(keyboard.Bindings().at("zoom_out"), (std::vector<std::uint8_t>{vk::OemMinus, vk::Subtract}));
}

} // namespace
