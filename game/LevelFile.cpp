// Reading the level a game plays.
#include "game/LevelFile.h"

#include "datafiles/DataArchive.h"
#include "game/LevelNames.h"

#include <filesystem>

namespace Vorn {

bool ReadLevelFile(const std::string& name, Brisk::Node& document, std::string& error) {
    if (dataArchive.Contains(name)) {
        document = dataArchive.ReadDocumentQuietly(name);
    } else if (!std::filesystem::is_regular_file(name) || document.LoadFile(name) != 0) {
        error = "cannot read the level file " + name;
        return false;
    }
    // A tolerant parse of any text succeeds; only the level element says the file is meant as a level.
    if (document.FindChild(std::string(LevelNames::level)) == nullptr) {
        error = "the level file " + name + " has no <" + std::string(LevelNames::level) + "> element";
        return false;
    }
    return true;
}

} // namespace Vorn
