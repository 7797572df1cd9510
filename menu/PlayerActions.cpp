// The player's actions for the help and the key settings.
#include "menu/PlayerActions.h"

#include "datafiles/TextTable.h"
#include "shell/KeyNames.h"

#include <array>

namespace Vorn {

namespace {

constexpr std::array<std::string_view, 45> actions = {"pause",
                                                      "help",
                                                      "quick_save",
                                                      "quick_load",
                                                      "message_log",
                                                      "show_health_bars",
                                                      "switch_interface",
                                                      "switch_minimap",
                                                      "switch_infobox",
                                                      "scroll_lock",
                                                      "mute",
                                                      "switch_counters",
                                                      "switch_fps",
                                                      "up",
                                                      "down",
                                                      "left",
                                                      "right",
                                                      "zoom_in",
                                                      "zoom_out",
                                                      "reset_zoom",
                                                      "reset_rotation",
                                                      "stop",
                                                      "select_toggle_mod",
                                                      "group_store_mod",
                                                      "group_1",
                                                      "group_2",
                                                      "group_3",
                                                      "group_4",
                                                      "group_5",
                                                      "group_6",
                                                      "group_7",
                                                      "group_8",
                                                      "group_9",
                                                      "group_0",
                                                      "next_waypoint_mod",
                                                      "show_track_modifier",
                                                      "move_disperse_mod",
                                                      "move_gather_mod",
                                                      "restart",
                                                      "quit",
                                                      "replay_speed_1",
                                                      "replay_speed_2",
                                                      "replay_speed_4",
                                                      "replay_speed_8",
                                                      "replay_speed_max"};

} // namespace

std::span<const std::string_view> PlayerActions() {
    return actions;
}

std::string ActionLabel(std::string_view action) {
    return textTable.TextOf("menu_action_" + std::string(action));
}

std::string KeyLabel(std::uint8_t code) {
    std::string name(Zelt::C::KeyNameOfCode(code));
    if (name.rfind("VK_", 0) == 0)
        name.erase(0, 3);
    return name;
}

} // namespace Vorn
