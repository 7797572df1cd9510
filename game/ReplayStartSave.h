// Replays that start from a saved game: the save a game was loaded from, named in its replay with the
// hash of its bytes, and the battle a replay of it plays, built again from that very save.
//
//   ReadSaveAndHash(path, saved, hash, fault);           // loading a game to record from
//   replay.startSave = ReplayStartSave{SaveNameInReplay(path), hash};
//   replay.commands = CommandsSinceSave(commands.Applied(), saved.commands.size());
//   ...
//   FindReplayStartSave(*replay.startSave, file, fault);           // before the working folder changes
//   ReadReplayStartSave(replay, file, saved, fault);    // then RestoreBattle(saved, ...)
#pragma once

#include "command/Command.h"
#include "replay/Replay.h"
#include "save/SavedGame.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Vorn {

// Reads a save as ReadSaveFile does, and the hash of the bytes read (HashOfBytes, as a replay keeps it).
bool ReadSaveAndHash(const std::string& path, SavedGame& saved, std::uint64_t& hash, std::string& fault);

// The name a replay gives the save at `path`: relative to the player's saves folder when it lies in it
// (so the replay keeps working when the folder moves with $XDG_DATA_HOME), else the path as given.
std::string SaveNameInReplay(const std::string& path);

// The file a replay's save names, as an absolute path: a relative name is looked for in the player's
// saves folder first, then in the working folder. False with one line naming the replay's save when it
// is in neither, or its bytes are no longer those recorded.
bool FindReplayStartSave(const ReplayStartSave& save, std::string& file, std::string& fault);

// Reads the save from `file` (found by FindReplayStartSave) and checks it against the replay: the same
// bytes, the same level and data, and a replay that goes on from the save's last step rather than
// before it. False with one line naming the file and the reason.
bool ReadReplayStartSave(const Replay& replay, const std::string& file, SavedGame& saved, std::string& fault);

// The commands a game applied after it was loaded from a save of `saveCommands` commands: those the save
// held come first, applied again as the save was built, and are the save's to give.
std::vector<Command> CommandsSinceSave(const std::vector<Command>& applied, std::size_t saveCommands);

} // namespace Vorn
