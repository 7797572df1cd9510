// The key actions, cursors, drawings, colours and texts the map overlay asks for by name, kept in one
// place so the data checks and the overlay cannot drift apart.
#pragma once

#include <array>
#include <string_view>

namespace Vorn::OverlayNames {

// Modifiers held while clicking.
inline constexpr std::string_view disperseModifier = "move_disperse_mod";
inline constexpr std::string_view gatherModifier = "move_gather_mod";
inline constexpr std::string_view queueModifier = "next_waypoint_mod";
inline constexpr std::string_view showTrackModifier = "show_track_modifier";
inline constexpr std::string_view toggleModifier = "select_toggle_mod";
inline constexpr std::string_view storeGroupModifier = "group_store_mod";
// Keys pressed on their own.
inline constexpr std::string_view stop = "stop";
inline constexpr std::array<std::string_view, 10> groups = {"group_0", "group_1", "group_2", "group_3",
                                                            "group_4", "group_5", "group_6", "group_7",
                                                            "group_8", "group_9"};

// Cursors.
inline constexpr std::string_view cursorDefault = "default";
inline constexpr std::string_view cursorSelect = "select";
inline constexpr std::string_view cursorMove = "move";
inline constexpr std::string_view cursorAttack = "attack";

// Drawings.
inline constexpr std::string_view infoFrame = "InfoFrame";
inline constexpr std::string_view buildingShadow = "BuildingShadow";
inline constexpr std::string_view waypoint = "Waypoint";
inline constexpr std::array<std::string_view, 3> experienceLevels = {"ExpLevel1", "ExpLevel2", "ExpLevel3"};

// Colours.
inline constexpr std::string_view waypointNewColour = "waypoint_new";
inline constexpr std::string_view rallyColour = "waypoint";
inline constexpr std::string_view selectionBackground = "selection_bg";
inline constexpr std::string_view selectionFrame = "selection_frame";
inline constexpr std::string_view shadowAllowed = "buildshadow_ok";
inline constexpr std::string_view shadowRefused = "buildshadow_unable";

// Why a placement is refused, by placement status 1 to 6.
inline constexpr std::array<std::string_view, 6> refusalTexts = {
    "placement_unexplored",      "placement_occupied",    "placement_enemy_near",
    "placement_no_headquarters", "placement_not_secured", "placement_no_deposit"};
// The font the refusal is written in beside the shadow.
inline constexpr std::string_view refusalFont = "default";

} // namespace Vorn::OverlayNames
