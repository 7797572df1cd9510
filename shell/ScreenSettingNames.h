// The names of config.xml's "screen" entries for the window mode and the display, shared by the game's
// reader, the writer of the player's file and the data checker, so none of them can spell one differently.
#pragma once

namespace Zelt::ScreenSettingNames {

inline constexpr const char* element = "screen";
// "true": a framed window of window_width x window_height; else the game covers the display.
inline constexpr const char* windowed = "window";
inline constexpr const char* windowWidth = "window_width";
inline constexpr const char* windowHeight = "window_height";
// The display the game opens on, counted from 0 as the system counts them.
inline constexpr const char* display = "display";

} // namespace Zelt::ScreenSettingNames
