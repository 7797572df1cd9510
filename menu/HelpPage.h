// The help: the controls as the bindings in force have them (a rebound key shows as rebound) and a short
// page on how a game is played. Shown from the start screen and with F1 in a game.
#pragma once

#include "menu/MenuDrawing.h"
#include "shell/KeyBindingOverrides.h"

#include <string>
#include <utility>
#include <vector>

namespace Vorn {

// One line per action the player uses: the action's text and its keys' names joined, in the order of
// keydef.xml's groups; actions without a key are shown as unbound.
std::vector<std::pair<std::string, std::string>> ControlLines(const Zelt::KeyBindings& bindings);

class HelpPage {
public:
    // Draws the page over the whole screen; answers true once the player closes it (Escape, Enter, a
    // click or F1).
    bool Frame(int screenWidth, int screenHeight);

private:
    MenuPanel panel;
};

} // namespace Vorn
