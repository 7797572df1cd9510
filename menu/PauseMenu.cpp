// The pause menu's buttons and pages.
#include "menu/PauseMenu.h"

#include "datafiles/TextTable.h"
#include "menu/MenuHooks.h"
#include "menu/MenuInput.h"

#include <GL/gl.h>

#include <ctime>

namespace Vorn {

PauseMenu pauseMenu;

namespace {

constexpr int panelWidth = 360;
constexpr int buttonHeight = 30;
constexpr int buttonGap = 6;

// A save's name until the player can type one: the moment it was made, which sorts and never repeats
// within a minute's play.
std::string SaveName() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", &local);
    return text;
}

} // namespace

void PauseMenu::Open(bool showHelp) {
    // Arrow presses made while scrolling the battle are no choices in the menu.
    TakeMenuInput(0);
    open = true;
    message.clear();
    page = showHelp ? Page::help : Page::buttons;
    buttons.SetItems({{"resume", textTable.TextOf("menu_resume")},
                      {"save", textTable.TextOf("menu_save"), static_cast<bool>(menuHooks.saveGame)},
                      {"load", textTable.TextOf("menu_load_game"), static_cast<bool>(menuHooks.loadSave)},
                      {"restart", textTable.TextOf("menu_restart")},
                      {"settings", textTable.TextOf("menu_settings")},
                      {"help", textTable.TextOf("menu_help")},
                      {"quit_to_start", textTable.TextOf("menu_quit_to_start")},
                      {"quit", textTable.TextOf("menu_quit")}});
}

void PauseMenu::Close() {
    open = false;
    panel.Release();
}

GameMenuChoice PauseMenu::Frame(int screenWidth, int screenHeight) {
    glLoadIdentity();
    glTranslatef(0.375f, 0.375f, 0.0f);
    DrawScreenShade(screenWidth, screenHeight);
    if (page == Page::settings) {
        if (settings.Frame(screenWidth, screenHeight))
            page = Page::buttons;
        return GameMenuChoice::stay;
    }
    if (page == Page::help) {
        if (help.Frame(screenWidth, screenHeight))
            page = Page::buttons;
        return GameMenuChoice::stay;
    }
    return ButtonsFrame(screenWidth, screenHeight);
}

GameMenuChoice PauseMenu::ButtonsFrame(int screenWidth, int screenHeight) {
    const MenuInput input = TakeMenuInput(screenHeight);
    const int count = static_cast<int>(buttons.Items().size());
    const int height = 90 + count * (buttonHeight + buttonGap);
    const MenuBox box{(screenWidth - panelWidth) / 2, (screenHeight - height) / 2, panelWidth, height};
    buttons.Lay(box.left + 20, box.bottom + box.height - 56, panelWidth - 40, buttonHeight, buttonGap);
    buttons.MoveFocus(input.down - input.up);
    std::string picked;
    if (const int clicked = input.clicked ? buttons.ItemAt(input.cursorX, input.cursorY) : -1; clicked >= 0) {
        buttons.FocusIndex(clicked);
        picked = buttons.Focused()->id;
    } else if (input.enter && buttons.Focused()) {
        picked = buttons.Focused()->id;
    }
    panel.Draw(box);
    DrawMenuText("info_title", box.left + 20, box.bottom + box.height - 34, textTable.TextOf("menu_paused"));
    DrawMenuButtons(buttons);
    if (!message.empty())
        DrawMenuText("default", box.left + 20, box.bottom + 12, message);
    std::string fault;
    if (input.escape || picked == "resume") {
        Close();
        return GameMenuChoice::resume;
    }
    if (picked == "save")
        message = menuHooks.saveGame(SaveName(), fault) ? textTable.TextOf("menu_saved") : fault;
    else if (picked == "load" && menuHooks.loadSave) {
        const std::vector<StoredGameEntry> saves =
            menuHooks.listSaves ? menuHooks.listSaves() : std::vector<StoredGameEntry>{};
        if (saves.empty())
            message = textTable.TextOf("menu_no_saves");
        else if (menuHooks.loadSave(saves.front().path, fault))
            Close();
        else
            message = fault;
    } else if (picked == "settings") {
        settings.Open();
        page = Page::settings;
    } else if (picked == "help")
        page = Page::help;
    else if (picked == "restart" || picked == "quit_to_start" || picked == "quit") {
        Close();
        return picked == "restart" ? GameMenuChoice::restart
               : picked == "quit"  ? GameMenuChoice::quitGame
                                   : GameMenuChoice::quitToStart;
    }
    return GameMenuChoice::stay;
}

} // namespace Vorn
