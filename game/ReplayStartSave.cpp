// Naming, finding and checking the save a replay starts from.
#include "game/ReplayStartSave.h"

#include "replay/ReplayInputs.h"
#include "save/SaveFile.h"
#include "shell/UserFolders.h"

#include <algorithm>
#include <filesystem>

namespace Vorn {

namespace fs = std::filesystem;

namespace {

fs::path SavesFolder() {
    const std::string folder = Zelt::UserDataSubfolder("saves");
    return folder.empty() ? fs::path() : fs::path(folder);
}

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

bool SameBytes(const ReplayStartSave& save, const std::string& file, std::uint64_t hash, std::string& fault) {
    if (hash == save.hash)
        return true;
    fault = file + ": the save differs from the one the replay was recorded from (its hash differs)";
    return false;
}

// The replay's header repeats what the save says of the battle; a replay that says otherwise was not
// recorded from it.
bool SameGame(const Replay& replay, const SavedGame& saved, const std::string& file, std::string& fault) {
    if (saved.levelPath == replay.levelPath && saved.levelHash == replay.levelHash &&
        saved.dataHash == replay.dataHash && saved.skirmish == replay.skirmish &&
        saved.skirmishTanks == replay.skirmishTanks)
        return true;
    fault = file + ": the save holds another level, data or skirmish than the replay names";
    return false;
}

// Steps already run when the save was made cannot be run again: every command and digest of the replay
// lies at or after the save's last step.
bool GoesOnFromTheSave(const Replay& replay, const SavedGame& saved, const std::string& file,
                       std::string& fault) {
    const std::uint64_t savedSteps = saved.steps.Steps();
    std::uint64_t first = replay.steps;
    if (!replay.commands.empty())
        first = std::min<std::uint64_t>(first, replay.commands.front().step);
    if (!replay.seconds.empty())
        first = std::min<std::uint64_t>(first, replay.seconds.front().step);
    if (first >= savedSteps && (replay.seconds.empty() || replay.seconds.front().step > savedSteps))
        return true;
    fault = file + ": the replay has a step before the save's last, " + std::to_string(savedSteps);
    return false;
}

} // namespace

bool ReadSaveAndHash(const std::string& path, SavedGame& saved, std::uint64_t& hash, std::string& fault) {
    saved = SavedGame{};
    std::string bytes;
    if (!ReadSaveBytes(path, bytes, fault))
        return false;
    hash = HashOfBytes(bytes);
    return ParseSave(bytes, path, saved, fault);
}

std::string SaveNameInReplay(const std::string& path) {
    const fs::path folder = SavesFolder();
    if (folder.empty())
        return path;
    std::error_code error;
    const fs::path file = fs::absolute(path, error).lexically_normal();
    const fs::path inFolder = file.lexically_relative(fs::absolute(folder, error).lexically_normal());
    if (error || inFolder.empty() || *inFolder.begin() == "..")
        return path;
    return inFolder.string();
}

bool FindReplayStartSave(const ReplayStartSave& save, std::string& file, std::string& fault) {
    const std::string& name = save.path;
    std::error_code error;
    fs::path found;
    if (const fs::path folder = SavesFolder();
        fs::path(name).is_relative() && !folder.empty() && IsFile(folder / name))
        found = folder / name;
    else if (IsFile(name))
        found = fs::absolute(name, error);
    if (found.empty()) {
        fault = name + ": the save the replay starts from is missing";
        return false;
    }
    file = found.string();
    std::string bytes;
    return ReadSaveBytes(file, bytes, fault) && SameBytes(save, file, HashOfBytes(bytes), fault);
}

// The bytes are compared before they are parsed, so a save rewritten since says so rather than what
// else it may say of itself.
bool ReadReplayStartSave(const Replay& replay, const std::string& file, SavedGame& saved,
                         std::string& fault) {
    saved = SavedGame{};
    std::string bytes;
    if (ReadSaveBytes(file, bytes, fault) && SameBytes(*replay.startSave, file, HashOfBytes(bytes), fault) &&
        ParseSave(bytes, file, saved, fault) && SameGame(replay, saved, file, fault) &&
        GoesOnFromTheSave(replay, saved, file, fault))
        return true;
    saved = SavedGame{};
    return false;
}

std::vector<Command> CommandsSinceSave(const std::vector<Command>& applied, std::size_t saveCommands) {
    const std::size_t fromSave = std::min(applied.size(), saveCommands);
    return {applied.begin() + static_cast<std::ptrdiff_t>(fromSave), applied.end()};
}

} // namespace Vorn
