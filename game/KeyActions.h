// Every action the game asks the keyboard for, by the name "keydef.xml" binds it under. A binding to any
// other name does nothing, so the start-up and the data checker report such names from this list.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace Vorn::KeyActions {

// Toggles.
inline constexpr std::string_view switchFps = "switch_fps";
// The two lines of counters over the map (units, bullets, effects; what was drawn): for developers.
inline constexpr std::string_view switchCounters = "switch_counters";
inline constexpr std::string_view pause = "pause";
inline constexpr std::string_view scrollLock = "scroll_lock";
// Silences every sound while toggled on.
inline constexpr std::string_view mute = "mute";
// The camera: held keys scroll and zoom, one press resets.
inline constexpr std::string_view zoomIn = "zoom_in";
inline constexpr std::string_view zoomOut = "zoom_out";
inline constexpr std::array<std::string_view, 4> scrolls = {"up", "left", "down", "right"};
inline constexpr std::string_view resetZoom = "reset_zoom";
inline constexpr std::string_view resetRotation = "reset_rotation";
// A finished level.
inline constexpr std::string_view restart = "restart";
// In a battle: opens the pause menu; on a finished level: back to the start screen.
inline constexpr std::string_view quit = "quit";
// The help with the controls in force.
inline constexpr std::string_view help = "help";
// The quick save and its load.
inline constexpr std::string_view quickSave = "quick_save";
inline constexpr std::string_view quickLoad = "quick_load";

// A replay being watched: plays at 1x, 2x, 4x, 8x or as fast as it goes (the order of ReplaySpeed).
inline constexpr std::array<std::string_view, 5> replaySpeeds = {
    "replay_speed_1", "replay_speed_2", "replay_speed_4", "replay_speed_8", "replay_speed_max"};

// These, the interface's panel switches and the map overlay's keys.
std::span<const std::string_view> All();
bool IsAction(std::string_view name);

} // namespace Vorn::KeyActions
