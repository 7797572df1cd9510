// Switching the monitor's resolution for the game and back, and listing the modes it offers.
#pragma once

#include <cstdint>

namespace platform {

inline constexpr std::uint32_t DM_BITSPERPEL = 0x00040000;
inline constexpr std::uint32_t DM_PELSWIDTH = 0x00080000;
inline constexpr std::uint32_t DM_PELSHEIGHT = 0x00100000;
inline constexpr std::uint32_t DM_DISPLAYFREQUENCY = 0x00400000;

inline constexpr std::uint32_t CDS_FULLSCREEN = 0x00000004;
inline constexpr std::uint32_t CDS_TEST = 0x00000002;

inline constexpr int DISP_CHANGE_SUCCESSFUL = 0;
inline constexpr int DISP_CHANGE_FAILED = -1;
inline constexpr int DISP_CHANGE_BADMODE = -2;

// A display mode request; only the fields marked in `fields` are applied.
struct DisplaySettings {
    std::uint32_t fields = 0;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int frequency = 0;
};

// Applies the settings (or, with null, returns to the desktop's mode). With CDS_TEST only answers whether
// the mode is offered. The game window takes the mode as soon as it exists.
int ChangeDisplaySettings(const DisplaySettings* settings, std::uint32_t flags);
// The index-th mode of the main display; false past the last one.
bool EnumDisplaySettings(int index, DisplaySettings& settings);

} // namespace platform
