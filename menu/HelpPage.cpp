// The help page: the controls in force and how a game is played.
#include "menu/HelpPage.h"

#include "datafiles/TextTable.h"
#include "menu/MenuInput.h"
#include "menu/PlayerActions.h"
#include "platform/VirtualKeyCodes.h"
#include "shell/Configuration.h"
#include "shell/KeyNames.h"
#include "shell/Keyboard.h"

#include <GL/gl.h>

namespace Vorn {

namespace {

constexpr int lineHeight = 19;
constexpr int keyColumn = 250;

} // namespace

std::vector<std::pair<std::string, std::string>> ControlLines(const Zelt::KeyBindings& bindings) {
    std::vector<std::pair<std::string, std::string>> lines;
    for (const std::string_view action : PlayerActions()) {
        const auto found = bindings.find(std::string(action));
        std::string keys;
        if (found != bindings.end())
            for (const std::uint8_t code : found->second)
                if (const std::string name = KeyLabel(code); !name.empty())
                    keys += (keys.empty() ? "" : ", ") + name;
        lines.emplace_back(ActionLabel(action), keys.empty() ? textTable.TextOf("menu_unbound") : keys);
    }
    return lines;
}

bool HelpPage::Frame(int screenWidth, int screenHeight) {
    const MenuInput input = TakeMenuInput(screenHeight);
    const MenuBox box = PageBox(screenWidth, screenHeight);
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f);
    panel.Draw(box);
    double y = box.bottom + box.height - 40;
    DrawMenuText("info_title", box.left + 24, y, textTable.TextOf("menu_help"));
    y -= 30;
    const double controlsTop = y;
    const Zelt::KeyBindings none;
    const auto lines = ControlLines(Zelt::keyboard ? Zelt::keyboard->Bindings() : none);
    // Two columns of controls when one does not fit; the game's page beside them.
    const int rowsPerColumn = std::max(1, static_cast<int>((controlsTop - box.bottom - 40) / lineHeight));
    const int columnWidth = keyColumn + 150;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const int column = static_cast<int>(index) / rowsPerColumn;
        const double x = box.left + 24 + column * columnWidth;
        const double row = controlsTop - (static_cast<int>(index) % rowsPerColumn) * lineHeight;
        DrawMenuText("info_text", x, row, lines[index].first);
        DrawMenuText("toolbar_button_text", x + keyColumn, row, lines[index].second);
    }
    const int columns = (static_cast<int>(lines.size()) + rowsPerColumn - 1) / rowsPerColumn;
    const double howLeft = box.left + 24 + columns * columnWidth + 16;
    DrawMenuText("info_title", howLeft, controlsTop, textTable.TextOf("menu_how_title"));
    DrawWrappedText("info_text", howLeft, controlsTop - 28, box.left + box.width - howLeft - 24, lineHeight,
                    textTable.TextOf("menu_how_text"));
    DrawMenuText("default", box.left + 24, box.bottom + 16, textTable.TextOf("menu_help_close"));
    return input.escape || input.enter || input.clicked;
}

} // namespace Vorn
