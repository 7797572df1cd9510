// The start screen: the first thing a player sees when the game starts without a level to play. New
// game (a level with its description, the skirmish and the seed), saved games, replays, the settings,
// the help and quitting, with the mouse or with the arrows, Enter and Escape.
#pragma once

#include "menu/HelpPage.h"
#include "menu/LevelCatalogue.h"
#include "menu/MenuDrawing.h"
#include "menu/MenuHooks.h"
#include "menu/MenuInput.h"
#include "menu/MenuList.h"
#include "menu/SettingsPage.h"
#include "shell/Mode.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Vorn::Mode {

class Start : public Zelt::X::Mode {
public:
    using Zelt::X::Mode::Mode;

    enum class Page { main, newGame, campaign, loadGame, replays, settings, help };

    bool Enter() override;
    int Frame(std::uint32_t elapsedMs) override;
    void Leave() override;

    // The skirmish counts a new game offers, the level's own first.
    static constexpr std::array<int, 4> skirmishChoices = {0, 64, 256, 1024};
    // The computer opponents' difficulties a new game offers; "" for none.
    static constexpr std::array<const char*, 4> difficultyChoices = {"", "easy", "normal", "hard"};

    Page CurrentPage() const { return page; }

private:
    void Open(Page newPage);
    int MainFrame(const MenuInput& input);
    void NewGameFrame(const MenuInput& input);
    void StoredGamesFrame(const MenuInput& input);
    void HandleNewGameChoice(const std::string& id, int sideways);
    void StartNewGame();
    void DrawMain();
    void DrawNewGame();
    void DrawStoredGames();
    void DrawLevelDetails(const LevelEntry& level, int left, int top);
    void RefillNewGameButtons();
    void FollowLevelChoices();
    void ChangeOpponent(const std::string& id, int steps);
    const LevelEntry* FocusedLevel() const;
    void RefillStoredGames();
    // The page's list takes arrows, a hovered or clicked button, and Enter; answers the id picked.
    std::string PickFrom(MenuList& list, const MenuInput& input, int& sideways);

    Page page = Page::main;
    MenuList mainList;
    MenuList levelList;
    MenuList newGameButtons;
    MenuList storedList;
    MenuList storedButtons;
    std::vector<LevelEntry> levels;
    std::vector<StoredGameEntry> storedGames;
    // Which list of the new-game page has the keys: the levels, then the buttons beside them.
    bool levelsFocused = true;
    bool storedFocused = true;
    std::size_t skirmishChoice = 0;
    std::uint32_t seed = 0;
    // A computer opponent (or none) for each side of the chosen level but the player's, starting with the
    // level's own.
    std::vector<LevelEntry::Commander> opponents;
    std::string message;
    MenuPanel panel;
    HelpPage help;
    SettingsPage settings;
};

} // namespace Vorn::Mode
