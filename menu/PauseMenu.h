// The pause menu over a running battle: Resume, Save, Load, Restart, Settings, Help, Quit to the start
// screen and Quit the game. Escape opens it and closes it again; the battle stands still meanwhile.
#pragma once

#include "game/GameMenu.h"
#include "menu/HelpPage.h"
#include "menu/MenuDrawing.h"
#include "menu/MenuList.h"
#include "menu/SettingsPage.h"

#include <string>

namespace Vorn {

class PauseMenu : public GameMenu {
public:
    enum class Page { buttons, settings, help };

    void Open(bool help) override;
    bool IsOpen() const override { return open; }
    GameMenuChoice Frame(int screenWidth, int screenHeight) override;

    Page CurrentPage() const { return page; }

private:
    GameMenuChoice ButtonsFrame(int screenWidth, int screenHeight);
    void Close();

    bool open = false;
    Page page = Page::buttons;
    MenuList buttons;
    std::string message;
    MenuPanel panel;
    SettingsPage settings;
    HelpPage help;
};

// The one the program gives the game.
extern PauseMenu pauseMenu;

} // namespace Vorn
