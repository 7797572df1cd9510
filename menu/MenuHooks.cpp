// The menus' hooks and the plain file lists they fall back to.
#include "menu/MenuHooks.h"

#include "shell/UserFolders.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>

namespace Vorn {

namespace {

std::vector<StoredGameEntry> ListSaveFolder() {
    return ListStoredFiles(Zelt::UserDataSubfolder("saves"), ".save");
}

std::vector<StoredGameEntry> ListReplayFolder() {
    return ListStoredFiles(Zelt::UserDataSubfolder("replays"), ".replay");
}

bool DeleteFile(const std::string& path, std::string& fault) {
    std::error_code error;
    if (std::filesystem::remove(path, error))
        return true;
    fault = path + ": " + (error ? error.message() : std::string("is gone already"));
    return false;
}

std::string DateOf(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0)
        return {};
    std::tm local{};
    localtime_r(&status.st_mtime, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

} // namespace

MenuHooks menuHooks{ListSaveFolder, ListReplayFolder, {}, DeleteFile, {}, {}, {}, {}, {}};

std::vector<StoredGameEntry> ListStoredFiles(const std::string& folder, const std::string& extension) {
    std::vector<StoredGameEntry> entries;
    std::error_code error;
    if (folder.empty())
        return entries;
    for (const auto& item : std::filesystem::directory_iterator(folder, error))
        if (item.is_regular_file(error) && item.path().extension() == extension)
            entries.push_back(
                {item.path().string(), item.path().stem().string(), DateOf(item.path().string())});
    // The dates sort as text; the newest game is the one a player looks for first.
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.details != b.details ? a.details > b.details : a.title < b.title;
    });
    return entries;
}

} // namespace Vorn
