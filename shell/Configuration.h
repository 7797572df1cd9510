// The user's settings from "config.xml": screen, window, camera, language and interface scrolling.
#pragma once

#include <string>

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
};

extern Configuration configuration;

// Reads "config.xml" over the defaults (desktop size, no display switch). Answers true in every case,
// a missing file included.
bool LoadConfiguration();

} // namespace Zelt
