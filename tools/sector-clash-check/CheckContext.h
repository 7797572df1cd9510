// What every area check is given: the data folder being checked and a way to read its documents.
#pragma once

#include "datafiles/Node.h"
#include "tools/sector-clash-check/Problems.h"

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace check {

// The checker reads the files of the folder it is given directly, by path, and never through the game's
// DataArchive (which always reads "data/" in the working directory), so a copy anywhere can be checked
// without changing directory.
class CheckContext {
public:
    // Problems of a file's nesting go to `problems` as the file is first read.
    CheckContext(std::filesystem::path dataFolder, Problems& problems)
        : dataFolder(std::move(dataFolder)), nestingProblems(problems) {}

    // The path of a data file named as the game names it ("constants.xml", "levels/level0.xml").
    std::filesystem::path PathOf(const std::string& name) const { return dataFolder / name; }
    // The same path as text, for the first column of problem lines.
    std::string FileLabel(const std::string& name) const { return PathOf(name).string(); }

    // The parsed document, parsed exactly as the game would; nothing when the file cannot be opened. The
    // first read of each file reports every repair the tolerant reader made to its nesting, since the
    // game silently reads such a file into another tree than its author meant.
    std::optional<Brisk::Node> ReadDocument(const std::string& name) const;

    const std::filesystem::path& Folder() const { return dataFolder; }

private:
    void ReportRepairs(const std::string& name, const std::vector<Brisk::NestingRepair>& repairs) const;

    std::filesystem::path dataFolder;
    Problems& nestingProblems;
    // The files whose nesting has been reported; the checks read some files several times.
    mutable std::set<std::string> filesRead;
};

} // namespace check
