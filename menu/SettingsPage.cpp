// The settings page and its key bindings list.
#include "menu/SettingsPage.h"

#include "datafiles/CallsignTable.h"
#include "datafiles/DataArchive.h"
#include "datafiles/TextTable.h"
#include "menu/PlayerActions.h"
#include "platform/VideoSystem.h"
#include "shell/Configuration.h"
#include "shell/KeyBindingEdit.h"
#include "shell/Keyboard.h"
#include "shell/UserConfigurationWriter.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace Vorn {

namespace {

constexpr int rowHeight = 26;
constexpr int rowGap = 4;
constexpr int rowWidth = 560;

// Volumes move in tenths, scrolling in steps of 128 units a second, zoom limits by a quarter.
constexpr float volumeStep = 0.1f;
constexpr float scrollStep = 128.0f;
constexpr float zoomStep = 0.25f;

std::string Percent(float value) {
    return std::to_string(static_cast<int>(std::lround(value * 100))) + " %";
}

std::string Number(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string OnOff(bool on) {
    return textTable.TextOf(on ? "menu_on" : "menu_off");
}

void Step(float& field, int steps, float step, float low, float high) {
    field = std::clamp(std::round((field + steps * step) / step) * step, low, high);
}

struct WindowSize {
    int width;
    int height;
    bool operator==(const WindowSize&) const = default;
};

// The common sizes that fit the chosen display, and the size chosen now (wherever it came from).
std::vector<WindowSize> WindowSizesOffered(const Zelt::Configuration& c) {
    const platform::DisplayBounds display = platform::DisplayBoundsOf(c.display);
    std::vector<WindowSize> sizes;
    for (const WindowSize size : {WindowSize{1024, 768}, WindowSize{1280, 720}, WindowSize{1600, 900},
                                  WindowSize{1920, 1080}, WindowSize{2560, 1440}})
        if (size.width <= display.width && size.height <= display.height)
            sizes.push_back(size);
    const WindowSize current{c.windowWidth, c.windowHeight};
    if (std::find(sizes.begin(), sizes.end(), current) == sizes.end())
        sizes.push_back(current);
    std::sort(sizes.begin(), sizes.end(), [](WindowSize a, WindowSize b) { return a.width < b.width; });
    return sizes;
}

int Cycled(int index, int steps, int count) {
    return count > 0 ? ((index + steps) % count + count) % count : 0;
}

// The display modes in the order the row steps through them.
enum class DisplayChoice { desktop, window, switched };

DisplayChoice DisplayChoiceOf(const Zelt::Configuration& c) {
    return c.windowed       ? DisplayChoice::window
           : c.screenSwitch ? DisplayChoice::switched
                            : DisplayChoice::desktop;
}

std::vector<std::string> LanguagesOfTexts() {
    std::vector<std::string> languages;
    for (const Brisk::Node& language : dataArchive.ReadDocument("texts.xml").children)
        if (!language.name.empty() && language.name != "Mark")
            languages.push_back(language.name);
    return languages;
}

} // namespace

void SettingsPage::Open() {
    languages = LanguagesOfTexts();
    shippedBindings = Zelt::BindingsOf(Zelt::ShippedKeyDefinitions());
    bindings = Zelt::keyboard ? Zelt::keyboard->Bindings() : shippedBindings;
    keysShown = false;
    rebinding.clear();
    message.clear();
    changed = false;
    Refill();
}

void SettingsPage::Refill() {
    const int focus = rows.FocusedIndex();
    std::vector<MenuItem> items;
    for (const char* id : {"volume_master", "volume_effects", "volume_interface", "scroll_speed",
                           "edge_scrolling", "zoom_in_limit", "zoom_out_limit", "counters", "language",
                           "display", "window_size", "screen_display", "keys", "back"})
        items.push_back({id, textTable.TextOf(std::string("menu_setting_") + id) + "   " + ValueOf(id)});
    rows.SetItems(std::move(items));
    rows.FocusIndex(focus);
}

std::string SettingsPage::ValueOf(const std::string& id) const {
    const Zelt::Configuration& c = Zelt::configuration;
    if (id == "volume_master")
        return Percent(c.soundMaster);
    if (id == "volume_effects")
        return Percent(c.soundEffects);
    if (id == "volume_interface")
        return Percent(c.soundInterface);
    if (id == "scroll_speed")
        return Number(c.viewportScrollX);
    if (id == "edge_scrolling")
        return OnOff(c.edgeScrolling);
    if (id == "zoom_in_limit")
        return Number(c.zoomMin);
    if (id == "zoom_out_limit")
        return Number(c.zoomMax);
    if (id == "counters")
        return OnOff(c.countersShown);
    if (id == "language")
        return c.language;
    if (id == "display")
        return c.windowed       ? textTable.TextOf("menu_display_window")
               : c.screenSwitch ? textTable.TextOf("menu_display_switched") + " " +
                                      std::to_string(c.screenWidth) + " x " + std::to_string(c.screenHeight)
                                : textTable.TextOf("menu_display_desktop");
    if (id == "window_size")
        return std::to_string(c.windowWidth) + " x " + std::to_string(c.windowHeight);
    if (id == "screen_display") {
        const std::string name = platform::DisplayName(c.display);
        return std::to_string(c.display + 1) + (name.empty() ? "" : "   " + name);
    }
    return {};
}

// Zoom "min" is the largest zoom and "max" the smallest: the limits keep that order.
void SettingsPage::Change(const std::string& id, int steps) {
    Zelt::Configuration& c = Zelt::configuration;
    if (id == "volume_master")
        Step(c.soundMaster, steps, volumeStep, 0, 1);
    else if (id == "volume_effects")
        Step(c.soundEffects, steps, volumeStep, 0, 1);
    else if (id == "volume_interface")
        Step(c.soundInterface, steps, volumeStep, 0, 1);
    else if (id == "scroll_speed") {
        Step(c.viewportScrollX, steps, scrollStep, scrollStep, 4096);
        c.viewportScrollY = c.viewportScrollX;
    } else if (id == "edge_scrolling")
        c.edgeScrolling = !c.edgeScrolling;
    else if (id == "zoom_in_limit")
        Step(c.zoomMin, steps, zoomStep, std::max(c.zoomMax, zoomStep), 8);
    else if (id == "zoom_out_limit")
        Step(c.zoomMax, steps, zoomStep, zoomStep, std::min(c.zoomMin, 8.0f));
    else if (id == "counters")
        c.countersShown = !c.countersShown;
    else if (id == "language" && !languages.empty()) {
        auto at = std::find(languages.begin(), languages.end(), c.language);
        const auto index = at == languages.end() ? 0 : static_cast<long>(at - languages.begin());
        const auto count = static_cast<long>(languages.size());
        c.language = languages[static_cast<std::size_t>(((index + steps) % count + count) % count)];
        // The units' callsign words are the language's too.
        LoadTexts(textTable, dataArchive.ReadDocument("texts.xml"), c.language);
        LoadCallsigns(callsignTable, dataArchive.ReadDocument("callsigns.xml"), c.language);
    } else if (id == "display") {
        const auto choice =
            static_cast<DisplayChoice>(Cycled(static_cast<int>(DisplayChoiceOf(c)), steps, 3));
        c.windowed = choice == DisplayChoice::window;
        c.screenSwitch = choice == DisplayChoice::switched;
        message = textTable.TextOf("menu_next_start");
    } else if (id == "window_size") {
        const std::vector<WindowSize> sizes = WindowSizesOffered(c);
        const auto at = std::find(sizes.begin(), sizes.end(), WindowSize{c.windowWidth, c.windowHeight});
        const WindowSize chosen = sizes[static_cast<std::size_t>(
            Cycled(static_cast<int>(at - sizes.begin()), steps, static_cast<int>(sizes.size())))];
        c.windowWidth = chosen.width;
        c.windowHeight = chosen.height;
        message = textTable.TextOf("menu_next_start");
    } else if (id == "screen_display") {
        c.display = Cycled(c.display, steps, std::max(platform::DisplayCount(), 1));
        message = textTable.TextOf("menu_next_start");
    } else
        return;
    changed = true;
    Refill();
}

void SettingsPage::Keep() {
    std::string fault;
    if (changed && !Zelt::SaveUserConfiguration(fault))
        std::fprintf(stderr, "sector-clash: %s\n", fault.c_str());
    if (!Zelt::SaveUserKeyDefinitions(bindings, shippedBindings, fault))
        std::fprintf(stderr, "sector-clash: %s\n", fault.c_str());
    changed = false;
}

bool SettingsPage::Frame(int screenWidth, int screenHeight) {
    const MenuInput input = TakeMenuInput(screenHeight, !rebinding.empty());
    const MenuBox box = PageBox(screenWidth, screenHeight);
    bool leave = false;
    if (keysShown) {
        keyRows.Lay(box.left + 24, box.bottom + box.height - 70, (box.width - 72) / 3, rowHeight - 4, rowGap,
                    box.bottom + 40);
        keysShown = !KeysFrame(input);
    } else {
        rows.Lay(box.left + 24, box.bottom + box.height - 70, rowWidth, rowHeight, rowGap);
        rows.MoveFocus(input.down - input.up);
        const int hovered = rows.ItemAt(input.cursorX, input.cursorY);
        if (hovered >= 0 && input.clicked)
            rows.FocusIndex(hovered);
        const std::string id = rows.Focused() ? rows.Focused()->id : "";
        // A click on the row's right half raises the value, on its left half lowers it.
        const int clickSteps =
            hovered >= 0 && input.clicked ? (input.cursorX >= box.left + 24 + rowWidth / 2 ? 1 : -1) : 0;
        if (id == "back" && (input.enter || clickSteps != 0))
            leave = true;
        else if (id == "keys" && (input.enter || clickSteps != 0)) {
            keysShown = true;
            RefillKeys();
        } else if (input.right - input.left + clickSteps != 0 || input.enter)
            Change(id, input.enter ? 1 : input.right - input.left + clickSteps);
        leave = leave || input.escape;
    }
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f);
    panel.Draw(box);
    DrawMenuText("info_title", box.left + 24, box.bottom + box.height - 40,
                 textTable.TextOf(keysShown ? "menu_keys" : "menu_settings"));
    DrawMenuButtons(keysShown ? keyRows : rows);
    DrawMenuText("default", box.left + 24, box.bottom + 16,
                 message.empty() ? textTable.TextOf(keysShown ? "menu_keys_hint" : "menu_settings_hint")
                                 : message);
    if (leave)
        Keep();
    return leave;
}

void SettingsPage::RefillKeys() {
    const int focus = keyRows.FocusedIndex();
    std::vector<MenuItem> items;
    for (const std::string_view action : PlayerActions()) {
        const std::string name(action);
        std::string keys;
        for (const std::uint8_t code : bindings[name])
            if (const std::string label = KeyLabel(code); !label.empty())
                keys += (keys.empty() ? "" : ", ") + label;
        if (name == rebinding)
            keys = textTable.TextOf("menu_press_key");
        else if (keys.empty())
            keys = textTable.TextOf("menu_unbound");
        const bool conflict = !Zelt::ConflictsOf(bindings, name).empty();
        items.push_back({name, ActionLabel(action) + ":   " + keys + (conflict ? "   (!)" : "")});
    }
    items.push_back({"defaults", textTable.TextOf("menu_keys_defaults")});
    items.push_back({"back", textTable.TextOf("menu_back")});
    keyRows.SetItems(std::move(items));
    keyRows.FocusIndex(focus);
}

// The list is long: it is laid out in columns that fill the page from the top.
bool SettingsPage::KeysFrame(const MenuInput& input) {
    if (!rebinding.empty()) {
        if (input.escape) {
            rebinding.clear();
        } else if (input.otherKey != 0) {
            const std::vector<std::string> swapped =
                Zelt::RebindKey(bindings, rebinding, rebindSlot, input.otherKey);
            message = swapped.empty()
                          ? std::string()
                          : textTable.TextOf("menu_key_swapped") + " " + ActionLabel(swapped.front());
            rebinding.clear();
            if (Zelt::keyboard)
                Zelt::keyboard->SetBindings(bindings);
        } else {
            return false;
        }
        RefillKeys();
        return false;
    }
    keyRows.MoveFocus(input.down - input.up);
    const int hovered = keyRows.ItemAt(input.cursorX, input.cursorY);
    if (hovered >= 0 && input.clicked)
        keyRows.FocusIndex(hovered);
    const std::string id = keyRows.Focused() ? keyRows.Focused()->id : "";
    if (input.escape || ((input.enter || (hovered >= 0 && input.clicked)) && id == "back"))
        return true;
    if (input.enter || (hovered >= 0 && input.clicked)) {
        if (id == "defaults") {
            bindings = shippedBindings;
            if (Zelt::keyboard)
                Zelt::keyboard->SetBindings(bindings);
            message = textTable.TextOf("menu_keys_restored");
        } else {
            rebinding = id;
            rebindSlot = 0;
        }
        RefillKeys();
    }
    return false;
}

} // namespace Vorn
