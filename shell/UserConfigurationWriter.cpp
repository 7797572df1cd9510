// The player's "config.xml": the entries that differ from the shipped ones.
#include "shell/UserConfigurationWriter.h"

#include "datafiles/Escaping.h"
#include "datafiles/ReplaceFile.h"
#include "shell/ScreenSettingNames.h"
#include "shell/UserFolders.h"
#include "shell/UserSettingsFile.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <vector>

namespace Zelt {

namespace {

// One attribute of "config.xml": where it stands and how a configuration's value is written.
struct Entry {
    const char* element;
    // Empty for an attribute of the top-level element itself.
    const char* child;
    const char* attribute;
    std::function<std::string(const Configuration&)> value;
};

std::string Flag(bool value) {
    return value ? "true" : "false";
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Percent, as the file and players count volume; whole percents are what a settings screen sets.
std::string Percent(float value) {
    return Number(std::round(value * 1000.0f) / 10.0);
}

const std::vector<Entry>& Entries() {
    static const std::vector<Entry> entries = {
        {"program", "window", "topmost", [](const Configuration& c) { return Flag(c.topmost); }},
        {"program", "window", "fastclose", [](const Configuration& c) { return Flag(c.fastclose); }},
        {"screen", "", "switch", [](const Configuration& c) { return Flag(c.screenSwitch); }},
        {"screen", "", "width", [](const Configuration& c) { return std::to_string(c.screenWidth); }},
        {"screen", "", "height", [](const Configuration& c) { return std::to_string(c.screenHeight); }},
        {"screen", "", "bpp", [](const Configuration& c) { return std::to_string(c.screenBpp); }},
        {"screen", "", "frequency", [](const Configuration& c) { return std::to_string(c.screenFrequency); }},
        {ScreenSettingNames::element, "", ScreenSettingNames::windowed,
         [](const Configuration& c) { return Flag(c.windowed); }},
        {ScreenSettingNames::element, "", ScreenSettingNames::windowWidth,
         [](const Configuration& c) { return std::to_string(c.windowWidth); }},
        {ScreenSettingNames::element, "", ScreenSettingNames::windowHeight,
         [](const Configuration& c) { return std::to_string(c.windowHeight); }},
        {ScreenSettingNames::element, "", ScreenSettingNames::display,
         [](const Configuration& c) { return std::to_string(c.display); }},
        {"viewport", "scrolling_speed", "horizontal",
         [](const Configuration& c) { return Number(c.viewportScrollX); }},
        {"viewport", "scrolling_speed", "vertical",
         [](const Configuration& c) { return Number(c.viewportScrollY); }},
        {"viewport", "rotation", "sensitivity",
         [](const Configuration& c) { return Number(c.rotationSensitivity); }},
        {"viewport", "zoom", "sensitivity", [](const Configuration& c) { return Number(c.zoomSensitivity); }},
        {"viewport", "zoom", "min", [](const Configuration& c) { return Number(c.zoomMin); }},
        {"viewport", "zoom", "max", [](const Configuration& c) { return Number(c.zoomMax); }},
        {"viewport", "edge_scrolling", "enabled",
         [](const Configuration& c) { return Flag(c.edgeScrolling); }},
        {"interface", "scrolling_speed", "horizontal",
         [](const Configuration& c) { return Number(c.interfaceScrollX); }},
        {"interface", "counters", "shown", [](const Configuration& c) { return Flag(c.countersShown); }},
        {"sound", "volume", "master", [](const Configuration& c) { return Percent(c.soundMaster); }},
        {"sound", "volume", "effects", [](const Configuration& c) { return Percent(c.soundEffects); }},
        {"sound", "volume", "interface", [](const Configuration& c) { return Percent(c.soundInterface); }},
    };
    return entries;
}

std::string AttributeText(const char* name, const std::string& value) {
    std::string text = std::string(" ") + name + "=\"";
    for (const char character : value)
        if (character == '"')
            text += "&quot;";
        else
            Brisk::AppendEscaped(text, character);
    return text + "\"";
}

// The screen's mode only means something with its switch; a mode that changed with the switch staying
// on is written with it, so the file reads alone as the player left it.
bool ScreenEntryWanted(const Entry& entry, const Configuration& chosen, const Configuration& shipped) {
    const bool modeEntry =
        std::strcmp(entry.element, ScreenSettingNames::element) == 0 &&
        (std::strcmp(entry.attribute, "switch") == 0 || std::strcmp(entry.attribute, "width") == 0 ||
         std::strcmp(entry.attribute, "height") == 0 || std::strcmp(entry.attribute, "bpp") == 0 ||
         std::strcmp(entry.attribute, "frequency") == 0);
    if (!modeEntry)
        return entry.value(chosen) != entry.value(shipped);
    if (std::strcmp(entry.attribute, "switch") == 0)
        return chosen.screenSwitch != shipped.screenSwitch || chosen.screenSwitch;
    return chosen.screenSwitch && entry.value(chosen) != entry.value(shipped);
}

} // namespace

std::string UserConfigurationText(const Configuration& chosen, const Configuration& shipped) {
    // element -> child -> attributes, in the order of the entries.
    std::vector<std::string> elementOrder;
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> children;
    for (const Entry& entry : Entries()) {
        if (!ScreenEntryWanted(entry, chosen, shipped))
            continue;
        auto& attributes = children[entry.element];
        if (std::find(elementOrder.begin(), elementOrder.end(), entry.element) == elementOrder.end())
            elementOrder.push_back(entry.element);
        const std::string child = entry.child;
        auto line = std::find_if(attributes.begin(), attributes.end(),
                                 [&](const auto& pair) { return pair.first == child; });
        if (line == attributes.end())
            line = attributes.insert(attributes.end(), {child, ""});
        line->second += AttributeText(entry.attribute, entry.value(chosen));
    }
    std::string text = "<!-- Sector Clash: the player's own settings, written by the game. Each entry here "
                       "replaces the\n     same entry of the shipped config.xml; what is not here keeps "
                       "the shipped value. -->\n";
    for (const std::string& element : elementOrder) {
        const auto& lines = children[element];
        if (lines.size() == 1 && lines.front().first.empty()) {
            text += "<" + element + lines.front().second + "/>\n";
            continue;
        }
        text += "<" + element + ">\n";
        for (const auto& [child, attributes] : lines)
            text += "\t<" + child + attributes + "/>\n";
        text += "</" + element + ">\n";
    }
    if (chosen.language != shipped.language) {
        text += "<game>\n\t<language>";
        Brisk::AppendEscaped(text, chosen.language);
        text += "</language>\n</game>\n";
    }
    return text;
}

bool SaveUserConfiguration(std::string& fault) {
    const std::string path = UserSettingsPath("config.xml");
    if (path.empty()) {
        fault = "the settings cannot be kept: no configuration folder (HOME is not set)";
        return false;
    }
    if (!MakeUserFolder(UserConfigFolder()) ||
        !Brisk::ReplaceFile(path, UserConfigurationText(configuration, shippedConfiguration))) {
        fault = path + ": cannot be written: " + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace Zelt
