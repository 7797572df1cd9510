// The user's settings from "config.xml".
#include "shell/Configuration.h"

#include "datafiles/DataArchive.h"
#include "platform/VideoSystem.h"
#include "shell/ScreenSettingNames.h"
#include "shell/UserSettingsFile.h"

#include <algorithm>
#include <cmath>

namespace Zelt {

Configuration configuration;
Configuration shippedConfiguration;

namespace {

const std::string configurationFile = "config.xml";

struct ScreenSize {
    int width = 0;
    int height = 0;
};

void ReadBool(const Brisk::Node& element, const char* name, bool& field) {
    if (const Brisk::Attribute* attribute = element.FindAttribute(name)) {
        field = Brisk::ToBool(*attribute);
    }
}

void ReadInt(const Brisk::Node& element, const char* name, int& field) {
    if (const Brisk::Attribute* attribute = element.FindAttribute(name)) {
        field = Brisk::ToInt(*attribute);
    }
}

void ReadFloat(const Brisk::Node* element, const char* name, float& field) {
    if (element == nullptr) {
        return;
    }
    // "nan" or "inf" would spread through every camera step; such a value keeps the default.
    if (const Brisk::Attribute* attribute = element->FindAttribute(name)) {
        const float value = static_cast<float>(Brisk::ToFloat(*attribute));
        if (std::isfinite(value)) {
            field = value;
        }
    }
}

void ReadProgram(const Brisk::Node& program) {
    if (const Brisk::Node* window = program.FindChild("window")) {
        ReadBool(*window, "topmost", configuration.topmost);
        ReadBool(*window, "fastclose", configuration.fastclose);
    }
}

// Without a switch the game keeps the desktop's mode, so the other attributes mean nothing. A document
// laid over another may turn the switch off (back to the desktop's size) or, leaving it out, change the
// mode the other one switched to.
void ReadScreen(const Brisk::Node& screen, const ScreenSize& desktop) {
    ReadBool(screen, ScreenSettingNames::windowed, configuration.windowed);
    ReadInt(screen, ScreenSettingNames::windowWidth, configuration.windowWidth);
    ReadInt(screen, ScreenSettingNames::windowHeight, configuration.windowHeight);
    ReadInt(screen, ScreenSettingNames::display, configuration.display);
    if (const Brisk::Attribute* switchMode = screen.FindAttribute("switch")) {
        const bool switching = Brisk::ToBool(*switchMode);
        if (!switching) {
            configuration.screenSwitch = false;
            configuration.screenWidth = desktop.width;
            configuration.screenHeight = desktop.height;
            configuration.screenBpp = 0;
            configuration.screenFrequency = 0;
            return;
        }
        if (!configuration.screenSwitch) {
            configuration.screenSwitch = true;
            configuration.screenFrequency = 60;
            configuration.screenBpp = 32;
        }
    }
    if (!configuration.screenSwitch) {
        return;
    }
    ReadInt(screen, "width", configuration.screenWidth);
    ReadInt(screen, "height", configuration.screenHeight);
    ReadInt(screen, "bpp", configuration.screenBpp);
    ReadInt(screen, "frequency", configuration.screenFrequency);
}

void ReadViewport(const Brisk::Node& viewport) {
    const Brisk::Node* scrolling = viewport.FindChild("scrolling_speed");
    ReadFloat(scrolling, "horizontal", configuration.viewportScrollX);
    ReadFloat(scrolling, "vertical", configuration.viewportScrollY);
    ReadFloat(viewport.FindChild("rotation"), "sensitivity", configuration.rotationSensitivity);
    const Brisk::Node* zoom = viewport.FindChild("zoom");
    ReadFloat(zoom, "sensitivity", configuration.zoomSensitivity);
    ReadFloat(zoom, "min", configuration.zoomMin);
    ReadFloat(zoom, "max", configuration.zoomMax);
    if (const Brisk::Node* edges = viewport.FindChild("edge_scrolling"))
        ReadBool(*edges, "enabled", configuration.edgeScrolling);
}

void ReadGame(const Brisk::Node& game) {
    if (const Brisk::Node* language = game.FindChild("language")) {
        configuration.language = language->text;
    }
}

void ReadInterface(const Brisk::Node& interface) {
    ReadFloat(interface.FindChild("scrolling_speed"), "horizontal", configuration.interfaceScrollX);
    if (const Brisk::Node* counters = interface.FindChild("counters"))
        ReadBool(*counters, "shown", configuration.countersShown);
}

// Percent in the file, as players think of volume; a value beyond 0 to 100 is brought to the nearer end.
void ReadVolume(const Brisk::Node* volume, const char* name, float& field) {
    float percent = field * 100.0f;
    ReadFloat(volume, name, percent);
    field = std::clamp(percent, 0.0f, 100.0f) / 100.0f;
}

void ReadSound(const Brisk::Node& sound) {
    const Brisk::Node* volume = sound.FindChild("volume");
    ReadVolume(volume, "master", configuration.soundMaster);
    ReadVolume(volume, "effects", configuration.soundEffects);
    ReadVolume(volume, "interface", configuration.soundInterface);
}

} // namespace

// A missing file means the defaults; a file that is there but gives nothing (unreadable, or no element
// at all) is a failed load. The player's own file only changes what it names, and a fault in it is
// told and ignored: the shipped settings still make a game.
bool LoadConfiguration() {
    platform::ScreenSize desktop = platform::DesktopSize();
    const Brisk::Node document = dataArchive.ReadDocumentQuietly(configurationFile);
    ReadConfiguration(document, desktop.width, desktop.height);
    shippedConfiguration = configuration;
    ApplyConfiguration(ReadUserSettings(UserSettingsPath(configurationFile)), desktop.width, desktop.height);
    const platform::DisplayBounds display = platform::DisplayBoundsOf(configuration.display);
    SettleScreenSize(configuration, display.width, display.height);
    return document.children.size() > 0 || !dataArchive.Contains(configurationFile);
}

void ReadConfiguration(const Brisk::Node& document, int desktopWidth, int desktopHeight) {
    configuration = Configuration{};
    configuration.screenWidth = desktopWidth;
    configuration.screenHeight = desktopHeight;
    ApplyConfiguration(document, desktopWidth, desktopHeight);
}

void SettleScreenSize(Configuration& chosen, int displayWidth, int displayHeight) {
    if (chosen.windowed) {
        chosen.screenSwitch = false;
        chosen.screenWidth =
            std::clamp(chosen.windowWidth, std::min(smallestWindowWidth, displayWidth), displayWidth);
        chosen.screenHeight =
            std::clamp(chosen.windowHeight, std::min(smallestWindowHeight, displayHeight), displayHeight);
    } else if (!chosen.screenSwitch) {
        chosen.screenWidth = displayWidth;
        chosen.screenHeight = displayHeight;
    }
}

void ApplyConfiguration(const Brisk::Node& document, int desktopWidth, int desktopHeight) {
    if (const Brisk::Node* program = document.FindChild("program")) {
        ReadProgram(*program);
    }
    if (const Brisk::Node* screen = document.FindChild(ScreenSettingNames::element)) {
        ReadScreen(*screen, ScreenSize{desktopWidth, desktopHeight});
    }
    if (const Brisk::Node* viewport = document.FindChild("viewport")) {
        ReadViewport(*viewport);
    }
    if (const Brisk::Node* game = document.FindChild("game")) {
        ReadGame(*game);
    }
    if (const Brisk::Node* interface = document.FindChild("interface")) {
        ReadInterface(*interface);
    }
    if (const Brisk::Node* sound = document.FindChild("sound")) {
        ReadSound(*sound);
    }
}

} // namespace Zelt
