// The user's settings from "config.xml": screen, window, camera, language, interface scrolling and sound
// volumes.
#pragma once

#include <string>

namespace Brisk {
class Node;
}

namespace Zelt {

struct Configuration {
    bool topmost = false;
    bool fastclose = false;
    bool screenSwitch = false;
    int screenWidth = 0;
    int screenHeight = 0;
    int screenBpp = 0;
    int screenFrequency = 0;
    float viewportScrollX = 512.0f;
    float viewportScrollY = 512.0f;
    float rotationSensitivity = 0.0f;
    float zoomSensitivity = 0.0f;
    float zoomMin = 0.0f;
    float zoomMax = 0.0f;
    std::string language;
    float interfaceScrollX = 0.0f;
    // The developers' counters over the map, until their key switches them.
    bool countersShown = false;
    // Sound volumes, 0 (silent) to 1 (full): everything, then the battle's sounds and the interface's.
    float soundMaster = 1.0f;
    float soundEffects = 1.0f;
    float soundInterface = 1.0f;
};

extern Configuration configuration;

// Reads "config.xml" over the defaults (desktop size, no display switch). Answers true in every case,
// a missing file included.
bool LoadConfiguration();
// The load itself: resets every field (the screen to the given desktop size), then reads the document.
void ReadConfiguration(const Brisk::Node& document, int desktopWidth, int desktopHeight);

} // namespace Zelt
