// Where the game finds its "data/" folder: the working directory first, then the installed data.
#include "shell/program/DataLocation.h"

namespace Zelt {

namespace {

bool HoldsData(const std::filesystem::path& folder) {
    std::error_code error;
    return std::filesystem::is_directory(folder / "data", error);
}

// The program's own folder, from the link the kernel keeps to the running executable.
std::filesystem::path ExecutableDirectory() {
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path{} : executable.parent_path();
}

std::filesystem::path Tidy(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(folder, error);
    return error ? folder : canonical;
}

std::string Searched(const std::vector<std::filesystem::path>& candidates) {
    std::string list;
    for (const std::filesystem::path& candidate : candidates) {
        list += (list.empty() ? "" : " and ") + (candidate / "data").string();
    }
    return list;
}

} // namespace

std::vector<std::filesystem::path> DataParentCandidates(const std::filesystem::path& workingDirectory,
                                                        const std::filesystem::path& executableDirectory) {
    std::vector<std::filesystem::path> candidates = {workingDirectory};
    if (!executableDirectory.empty()) {
        candidates.push_back(Tidy(executableDirectory / ".." / "share" / "sector-clash"));
    }
    return candidates;
}

std::filesystem::path ChooseDataParent(const std::filesystem::path& workingDirectory,
                                       const std::filesystem::path& executableDirectory) {
    for (const std::filesystem::path& candidate :
         DataParentCandidates(workingDirectory, executableDirectory)) {
        if (HoldsData(candidate)) {
            return candidate;
        }
    }
    return workingDirectory;
}

DataSearch EnterDataParent() {
    std::error_code error;
    const std::filesystem::path working = std::filesystem::current_path(error);
    if (error) {
        return {false, "cannot read the working directory: " + error.message()};
    }
    const std::filesystem::path executable = ExecutableDirectory();
    const std::filesystem::path chosen = ChooseDataParent(working, executable);
    if (!HoldsData(chosen)) {
        return {false, "no data folder: looked for " + Searched(DataParentCandidates(working, executable))};
    }
    std::filesystem::current_path(chosen, error);
    if (error) {
        return {false, "cannot enter " + chosen.string() + ": " + error.message()};
    }
    return {true, {}};
}

} // namespace Zelt
