// Connects the menus' lists and buttons to saved games and replays: what each list shows of a file, and
// what Load, Save, Delete and Play do to the game mode.
#pragma once

namespace Zelt {

class ModeManager;

// Fills the menus' hooks; the modes must be registered with the manager already.
void ConnectStoredGames(ModeManager& manager);

} // namespace Zelt
