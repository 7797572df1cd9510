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
    // A framed window of windowWidth x windowHeight instead of covering the display; it never switches
    // the display's mode.
    bool windowed = false;
    int windowWidth = 1280;
    int windowHeight = 720;
    // The display the game opens on, 0 the first.
    int display = 0;
    float viewportScrollX = 512.0f;
    float viewportScrollY = 512.0f;
    float rotationSensitivity = 0.0f;
    float zoomSensitivity = 0.0f;
    float zoomMin = 0.0f;
    float zoomMax = 0.0f;
    // The cursor at a screen edge scrolls the view.
    bool edgeScrolling = true;
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
// The settings as the data folder ships them, before the player's own file: what the player's changes
// are measured against when they are written back.
extern Configuration shippedConfiguration;

// Reads "config.xml" over the defaults (desktop size, no display switch), then the player's own
// "config.xml" of the configuration folder over that, entry by entry. Answers false only when the
// shipped file is there but cannot be read; the player's file never fails the load.
bool LoadConfiguration();
// The load itself: resets every field (the screen to the given desktop size), then reads the document.
void ReadConfiguration(const Brisk::Node& document, int desktopWidth, int desktopHeight);
// Reads the document over the configuration as it stands: only what the document names changes.
void ApplyConfiguration(const Brisk::Node& document, int desktopWidth, int desktopHeight);

// The smallest window the game's panels fit in.
inline constexpr int smallestWindowWidth = 800;
inline constexpr int smallestWindowHeight = 600;
// Makes the screen size the one the game will have on the chosen display of the given size, once every
// file has been read: a window's size brought within the display (and no mode switch), else the display's
// size unless the mode is switched.
void SettleScreenSize(Configuration& chosen, int displayWidth, int displayHeight);

} // namespace Zelt
