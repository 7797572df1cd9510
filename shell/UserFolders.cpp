#include "shell/UserFolders.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace Zelt {

namespace {

constexpr const char* gameFolder = "/sector-clash";

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The XDG rules ignore a relative path in these variables, so a stray "XDG_DATA_HOME=data" never makes
// the game write beside its working directory.
std::string BaseFolder(const char* variable, const char* fallbackUnderHome) {
    const std::string value = Environment(variable);
    if (!value.empty() && value.front() == '/')
        return value;
    const std::string home = Environment("HOME");
    if (home.empty())
        return "";
    return home + fallbackUnderHome;
}

std::string GameFolderUnder(const std::string& base) {
    return base.empty() ? "" : base + gameFolder;
}

bool IsFolder(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace

std::string UserConfigFolder() {
    return GameFolderUnder(BaseFolder("XDG_CONFIG_HOME", "/.config"));
}

std::string UserDataFolder() {
    return GameFolderUnder(BaseFolder("XDG_DATA_HOME", "/.local/share"));
}

std::string UserDataSubfolder(const std::string& name) {
    const std::string data = UserDataFolder();
    return data.empty() ? "" : data + "/" + name;
}

bool MakeUserFolder(const std::string& folder) {
    if (folder.empty()) {
        errno = ENOENT;
        return false;
    }
    if (IsFolder(folder))
        return true;
    const auto slash = folder.find_last_of('/');
    if (slash != std::string::npos && slash > 0 && !MakeUserFolder(folder.substr(0, slash)))
        return false;
    if (mkdir(folder.c_str(), 0700) == 0)
        return true;
    return errno == EEXIST && IsFolder(folder);
}

} // namespace Zelt
