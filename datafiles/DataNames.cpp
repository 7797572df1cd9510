// The colour names and text keys the game looks up.
#include "datafiles/DataNames.h"

namespace {

constexpr std::string_view colourNames[] = {
    "black", "white",
    // side names double as their colour names
    "Neutral", "Red", "Green", "Blue", "Yellow", "Aqua", "Magenta",
    // loading bar
    "loading_bar_1", "loading_bar_2", "loading_bar_3", "loading_bar_4", "loading_frame_1", "loading_frame_2",
    "loading_frame_3", "loading_frame_4",
    // map overlay
    "waypoint", "waypoint_line", "waypoint_new", "selection_bg", "selection_frame", "buildshadow_ok",
    "buildshadow_unable",
    // minimap
    "minimap_texture", "minimap_frame", "minimap_view", "minimap_view_frame",
    // main panel background
    "background_bg1", "background_bg2", "background_bg3", "background_bg4", "background_grid",
    "background_grid1", "background_grid2", "background_frame",
    // armory status lights
    "status_enabled", "status_enabled_frame", "status_disabled", "status_disabled_frame"};

constexpr std::string_view textKeys[] = {
    // sides
    "Neutral", "Red", "Green", "Blue", "Yellow", "Aqua", "Magenta",
    // buildings in callsigns
    "Base", "Outpost", "Defense", "Factory", "Repair", "Armory", "Power", "Mine", "Recycler", "Building",
    "Tower",
    // headquarters and defences toolbars
    "Outpost_short", "Defense_short", "Factory_short", "Repair_short", "Armory_short", "Power_short",
    "Mine_short", "Recycler_short", "SurveilanceTower_short", "SupportTower_short", "DefenseTower_short",
    "SmallMine", "LargeMine", "ConcreteBlock", "AntitankBlock",
    // turret toolbars
    "Gun1_short", "Gun2_short", "Gun3_short", "Razor1_short", "Razor2_short", "Cannon1_short",
    "Cannon2_short", "Rockets1_short", "Rockets2_short", "RocketsL_short", "Grenade_short", "Gauss_short",
    "Radar_short", "Repairer_short", "Razor2R_short", "Cannon2R_short", "Rockets2R_short",
    // armory and factory toolbars
    "GunBullet", "RazorBullet", "TankBullet", "Rocket", "RocketL", "GrenadeBullet", "NewTank",
    "BuildSetGroup", "BuildCancel", "BuildEmpty", "ScoutTank_short", "LightTank_short", "MediumTank_short",
    "HeavyTank_short", "NoArmor_short", "LightArmor_short", "AdvancedArmor_short", "HeavyArmor_short",
    // placing and prices
    "Price", "Cancel", "Place", "Working",
    // tooltips of the panel's buttons, its news line and the build info box
    "tip_no_power", "tip_no_money", "tip_turret", "tip_too_heavy", "tip_back", "tip_cancel_order",
    "tip_place", "tip_line_on", "tip_line_off", "tip_queued", "tip_group", "tip_no_group", "tip_load",
    "tip_NewTank", "tip_BuildSetGroup", "tip_BuildCancel", "tip_BuildEmpty", "msg_ready", "msg_no_money",
    "msg_destroy_confirm", "msg_units_lost", "msg_unit_lost", "msg_cannot_place", "buildinfo_price", "buildinfo_progress",
    "buildinfo_time_left", "buildinfo_ready",
    // why a place is refused
    "placement_unexplored", "placement_occupied", "placement_enemy_near", "placement_no_headquarters",
    "placement_not_secured", "placement_no_deposit",
    // info box formats
    "infobox_global_money", "infobox_global_energy", "infobox_global_ammo", "infobox_global_points",
    "infobox_unit_armor", "infobox_unit_ammo", "infobox_unit_status", "infobox_unit_status_power",
    "infobox_unit_status_nopower", "infobox_armory_status", "infobox_group_platoon", "infobox_group_group",
    "infobox_group_number", "infobox_group_armor", "infobox_group_ammo",
    // the outcome of a finished level
    "outcome_won", "outcome_lost", "outcome_time", "outcome_destroyed", "outcome_lost_units", "outcome_keys"};

} // namespace

std::span<const std::string_view> RequiredColourNames() {
    return colourNames;
}
std::span<const std::string_view> RequiredTextKeys() {
    return textKeys;
}
