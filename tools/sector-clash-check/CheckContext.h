// What every area check is given: the data folder being checked and a way to read its documents.
#pragma once

#include "datafiles/Node.h"

#include <filesystem>
#include <optional>
#include <string>

namespace check {

// The checker reads the files of the folder it is given directly, by path, and never through the game's
// DataArchive (which always reads "data/" in the working directory), so a copy anywhere can be checked
// without changing directory.
class CheckContext {
public:
    explicit CheckContext(std::filesystem::path dataFolder) : dataFolder(std::move(dataFolder)) {}

    // The path of a data file named as the game names it ("constants.xml", "levels/level0.xml").
    std::filesystem::path PathOf(const std::string& name) const { return dataFolder / name; }
    // The same path as text, for the first column of problem lines.
    std::string FileLabel(const std::string& name) const { return PathOf(name).string(); }

    // The parsed document, parsed exactly as the game would; nothing when the file cannot be opened.
    std::optional<Brisk::Node> ReadDocument(const std::string& name) const;

    const std::filesystem::path& Folder() const { return dataFolder; }

private:
    std::filesystem::path dataFolder;
};

} // namespace check
