// The settings: sound volumes, scrolling, zoom limits, the counters, the language, the display, and the
// key bindings (click an action, press a key; a key another action had is swapped; defaults restored
// with one button). Every change applies at once where the game can, else at the next start with a line
// saying so, and is kept in the player's files when the page closes.
#pragma once

#include "menu/MenuDrawing.h"
#include "menu/MenuInput.h"
#include "menu/MenuList.h"
#include "shell/KeyBindingOverrides.h"

#include <string>
#include <vector>

namespace Vorn {

class SettingsPage {
public:
    // Reads the settings in force; call when the page is opened.
    void Open();
    // One frame: takes the input, changes and draws; answers true once the player leaves the page
    // (Escape or Back), with the changes written.
    bool Frame(int screenWidth, int screenHeight);

private:
    void Refill();
    void RefillKeys();
    void Change(const std::string& id, int steps);
    void ChooseKey(const std::string& id);
    bool KeysFrame(const MenuInput& input);
    void Keep();
    std::string ValueOf(const std::string& id) const;

    MenuList rows;
    MenuList keyRows;
    bool keysShown = false;
    // The action waiting for its new key, and which of its keys the new one replaces.
    std::string rebinding;
    std::size_t rebindSlot = 0;
    Zelt::KeyBindings bindings;
    Zelt::KeyBindings shippedBindings;
    std::vector<std::string> languages;
    std::string message;
    bool changed = false;
    MenuPanel panel;
};

} // namespace Vorn
