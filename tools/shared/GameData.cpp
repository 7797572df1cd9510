// Finding the game's data from a tool.
#include "tools/shared/GameData.h"

#include "shell/program/DataLocation.h"

#include <cstdio>

namespace toolkit {

std::optional<std::filesystem::path> FindGameData() {
    const std::optional<std::filesystem::path> parent = Zelt::FindDataParent();
    return parent ? std::optional(*parent / "data") : std::nullopt;
}

std::string NoGameDataFault() {
    std::string searched;
    for (const std::filesystem::path& candidate : Zelt::DataParentCandidates())
        searched += (searched.empty() ? "" : " or ") + (candidate / "data").string();
    return "no data folder found (looked for " + searched + ")";
}

bool EnterGameData(const char* program) {
    const std::optional<std::filesystem::path> parent = Zelt::FindDataParent();
    if (!parent) {
        std::fprintf(stderr, "%s: %s\n", program, NoGameDataFault().c_str());
        return false;
    }
    std::error_code error;
    std::filesystem::current_path(*parent, error);
    if (error) {
        std::fprintf(stderr, "%s: cannot enter %s: %s\n", program, parent->string().c_str(),
                     error.message().c_str());
        return false;
    }
    return true;
}

} // namespace toolkit
