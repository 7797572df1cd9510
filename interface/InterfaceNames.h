// The names the interface reads from "interface.xml", in one place for the game and the data checker.
#pragma once

#include <span>
#include <string_view>

namespace Vorn::InterfaceNames {

inline constexpr const char* interfaceFile = "interface.xml";

inline constexpr const char* minimapSize = "minimap.size";
inline constexpr const char* minimapOffset = "minimap.offset";
inline constexpr const char* minimapTextureSize = "minimap.texture_size";
inline constexpr const char* minimapTankSize = "minimap.tank_size";
inline constexpr const char* minimapTowerSize = "minimap.tower_size";
inline constexpr const char* minimapBuildingSize = "minimap.building_size";

inline constexpr const char* infoboxSize = "infobox.size";
inline constexpr const char* infoboxTitleX = "infobox.title_x";
inline constexpr const char* infoboxTitleY = "infobox.title_y";
// Line n (1 to 4) of the info box sits at infoboxLineX[n - 1], infoboxLineY[n - 1].
inline constexpr const char* infoboxLineX[4] = {"infobox.line1_x", "infobox.line2_x", "infobox.line3_x",
                                                "infobox.line4_x"};
inline constexpr const char* infoboxLineY[4] = {"infobox.line1_y", "infobox.line2_y", "infobox.line3_y",
                                                "infobox.line4_y"};

inline constexpr const char* buildinfoTitleX = "buildinfo.title_x";
inline constexpr const char* buildinfoTitleY = "buildinfo.title_y";
// Line n (1 to 3) of the build info panel.
inline constexpr const char* buildinfoLineX[3] = {"buildinfo.line1_x", "buildinfo.line2_x",
                                                  "buildinfo.line3_x"};
inline constexpr const char* buildinfoLineY[3] = {"buildinfo.line1_y", "buildinfo.line2_y",
                                                  "buildinfo.line3_y"};

// The key actions that slide the three panels out and back.
inline constexpr const char* switchInterface = "switch_interface";
inline constexpr const char* switchMinimap = "switch_minimap";
inline constexpr const char* switchInfobox = "switch_infobox";
// Held: a health bar over every unit in sight, not only the damaged ones.
inline constexpr const char* showHealthBars = "show_health_bars";
// Shows the level's messages so far over the map while toggled on.
inline constexpr const char* switchMessageLog = "message_log";
// How far above the main panel the info box reaches; the objectives stand on top of it.
inline constexpr float infoBoxHeight = 100.0f;

// The drawings the interface shows.
inline constexpr const char* infoFrameDrawing = "InfoFrame";
inline constexpr const char* infoBoxDrawing = "InfoBox";
inline constexpr const char* buildInfoDrawing = "BuildInfo";

// Every key the interface reads; a missing one reads as 0.
std::span<const std::string_view> RequiredKeys();

} // namespace Vorn::InterfaceNames
