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
    return Zelt::NoDataFolderMessage();
}

bool EnterGameData(const char* program) {
    const Zelt::DataSearch search = Zelt::EnterDataParent();
    if (!search.entered)
        std::fprintf(stderr, "%s: %s\n", program, search.refusal.c_str());
    return search.entered;
}

} // namespace toolkit
