// Where the game finds its "data/" folder: the working directory first, then the installed data.
#include "shell/program/DataLocation.h"

#ifndef SECTOR_CLASH_DATA_FROM_PROGRAMS
#error "SECTOR_CLASH_DATA_FROM_PROGRAMS is the CMake setting of cmake/InstallLayout.cmake"
#endif

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

// Without "bin/.." in it, so that a message names the folder a user would type.
std::filesystem::path InstalledDataParent(const std::filesystem::path& executableDirectory) {
    const std::filesystem::path installed = executableDirectory / InstalledDataFromPrograms();
    std::error_code error;
    std::filesystem::path canonical = std::filesystem::weakly_canonical(installed, error);
    return error ? installed : canonical;
}

} // namespace

std::filesystem::path InstalledDataFromPrograms() {
    return SECTOR_CLASH_DATA_FROM_PROGRAMS;
}

std::vector<std::filesystem::path> DataParentCandidates(const std::filesystem::path& workingDirectory,
                                                        const std::filesystem::path& executableDirectory) {
    std::vector<std::filesystem::path> candidates{workingDirectory};
    if (!executableDirectory.empty()) {
        candidates.push_back(InstalledDataParent(executableDirectory));
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

std::vector<std::filesystem::path> DataParentCandidates() {
    std::error_code error;
    const std::filesystem::path working = std::filesystem::current_path(error);
    return DataParentCandidates(error ? std::filesystem::path(".") : working, ExecutableDirectory());
}

std::optional<std::filesystem::path> FindDataParent() {
    for (const std::filesystem::path& candidate : DataParentCandidates()) {
        if (HoldsData(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

std::string NameAfterEnteringData(const std::string& name) {
    std::error_code error;
    const std::filesystem::path given(name);
    if (given.is_relative() && std::filesystem::is_regular_file(given, error) &&
        !std::filesystem::exists(std::filesystem::path("data") / given, error)) {
        return std::filesystem::absolute(given, error).string();
    }
    return name;
}

std::string NoDataFolderMessage() {
    std::string searched;
    for (const std::filesystem::path& candidate : DataParentCandidates()) {
        searched += (searched.empty() ? "" : " and ") + (candidate / "data").string();
    }
    return "no data folder: looked for " + searched;
}

DataSearch EnterDataParent() {
    const std::optional<std::filesystem::path> chosen = FindDataParent();
    if (!chosen) {
        return {false, NoDataFolderMessage()};
    }
    std::error_code error;
    std::filesystem::current_path(*chosen, error);
    if (error) {
        return {false, "cannot enter " + chosen->string() + ": " + error.message()};
    }
    return {true, {}};
}

} // namespace Zelt
