// The menu a running game opens over the map (the pause menu and its help), seen from the game: the
// game stands still while it is open and does what the player chose there. The program provides it, so
// the game knows nothing of how the menus look.
#pragma once

namespace Vorn {

enum class GameMenuChoice { stay, resume, restart, quitToStart, quitGame };

class GameMenu {
public:
    virtual ~GameMenu() = default;
    // Opens the menu, on its help page when asked.
    virtual void Open(bool help) = 0;
    virtual bool IsOpen() const = 0;
    // One frame over the drawn map: takes the menu's input, draws it, and answers what the game does.
    virtual GameMenuChoice Frame(int screenWidth, int screenHeight) = 0;
};

// Null until the program sets it (the game then has no menu, as in tests of the game mode alone).
extern GameMenu* gameMenu;

} // namespace Vorn
