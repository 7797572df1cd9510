// Switching the monitor to the configured resolution for the game, and back to the desktop's.
#include "shell/DisplayMode.h"

#include "platform/DisplaySettings.h"

namespace Zelt {

DisplayMode displayMode;

platform::DisplaySettings DisplayMode::Request(int width, int height, int bitsPerPixel, int frequency) {
    platform::DisplaySettings settings;
    settings.fields = platform::DM_PELSWIDTH | platform::DM_PELSHEIGHT;
    settings.width = width;
    settings.height = height;
    if (bitsPerPixel != 0) {
        settings.fields |= platform::DM_BITSPERPEL;
        settings.bitsPerPixel = bitsPerPixel;
    }
    if (frequency != 0) {
        settings.fields |= platform::DM_DISPLAYFREQUENCY;
        settings.frequency = frequency;
    }
    return settings;
}

void DisplayMode::Change(int width, int height, int bitsPerPixel, int frequency) {
    platform::DisplaySettings settings = Request(width, height, bitsPerPixel, frequency);
    changed = platform::ChangeDisplaySettings(&settings, platform::CDS_FULLSCREEN) ==
              platform::DISP_CHANGE_SUCCESSFUL;
}

bool DisplayMode::Restore() {
    if (!changed) {
        return false;
    }
    changed = false;
    return platform::ChangeDisplaySettings(nullptr, 0) == platform::DISP_CHANGE_SUCCESSFUL;
}

bool DisplayMode::Test(int width, int height, int bitsPerPixel, int frequency) const {
    platform::DisplaySettings settings = Request(width, height, bitsPerPixel, frequency);
    return platform::ChangeDisplaySettings(&settings, platform::CDS_TEST | platform::CDS_FULLSCREEN) ==
           platform::DISP_CHANGE_SUCCESSFUL;
}

bool DisplayMode::Enumerate(int index, int& width, int& height, int& bitsPerPixel, int& frequency) {
    platform::DisplaySettings settings;
    bool found = platform::EnumDisplaySettings(index, settings);
    width = settings.width;
    height = settings.height;
    bitsPerPixel = settings.bitsPerPixel;
    frequency = settings.frequency;
    return found;
}

} // namespace Zelt
