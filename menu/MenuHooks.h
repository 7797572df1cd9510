// What the menus ask of the parts that keep games on disc (saves and replays) and of the campaign: a
// small surface wired once at start-up, so the screens stay apart from those parts. A hook left empty
// shows its button disabled; the lists fall back to the files of their folders with their dates.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace Vorn {

// One saved game or replay as a list shows it.
struct StoredGameEntry {
    std::string path;
    // The first line: the level's title or the file's name.
    std::string title;
    // The second line: date, game time or length, outcome, as the hook words it.
    std::string details;
};

struct MenuHooks {
    std::function<std::vector<StoredGameEntry>()> listSaves;
    std::function<std::vector<StoredGameEntry>()> listReplays;
    // Each answers false with a one-line reason the screen shows when it could not do it.
    std::function<bool(const std::string& path, std::string& fault)> loadSave;
    std::function<bool(const std::string& path, std::string& fault)> deleteSave;
    std::function<bool(const std::string& path, std::string& fault)> playReplay;
    // Saves the running game under a name the player chose.
    std::function<bool(const std::string& name, std::string& fault)> saveGame;
    // Called as the start screen starts a new game from a level, so no replay or save of an earlier
    // choice carries over into it.
    std::function<void()> beforeNewGame;
    // The campaign's levels in order, each with its state ("won", "open", "locked" in the details), and
    // playing one (its number from 1 as the path); empty: the start screen has no campaign entry.
    std::function<std::vector<StoredGameEntry>()> listCampaign;
    std::function<bool(const std::string& number, std::string& fault)> playCampaignLevel;
};

extern MenuHooks menuHooks;

// The files of a folder with the extension (".save"), newest first, titled by their names and
// described by their modification dates: the lists until the hooks say more.
std::vector<StoredGameEntry> ListStoredFiles(const std::string& folder, const std::string& extension);

} // namespace Vorn
