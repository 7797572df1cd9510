// Connects the menus' lists and buttons to saved games and replays: what each list shows of a file, and
// what Load, Save, Delete and Play do to the game mode.
#pragma once

#include <optional>
#include <string>

namespace Zelt {

class ModeManager;

// Fills the menus' hooks; the modes must be registered with the manager already.
void ConnectStoredGames(ModeManager& manager);

// Makes the game play the campaign's level `number` (from 1; without one the first not yet won) with its
// briefing, keeping every win in the player's progress file. False with the reason when it is locked or
// there is none. Read once: the campaign's problems are printed on the first call.
bool ChooseCampaignLevel(std::optional<int> number, std::string& reason);

} // namespace Zelt
