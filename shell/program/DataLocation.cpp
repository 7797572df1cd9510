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

} // namespace

std::filesystem::path ChooseDataParent(const std::filesystem::path& workingDirectory,
                                       const std::filesystem::path& executableDirectory) {
    if (HoldsData(workingDirectory) || executableDirectory.empty()) {
        return workingDirectory;
    }
    const std::filesystem::path installed = executableDirectory / ".." / "share" / "sector-clash";
    if (HoldsData(installed)) {
        std::error_code error;
        std::filesystem::path canonical = std::filesystem::weakly_canonical(installed, error);
        return error ? installed : canonical;
    }
    return workingDirectory;
}

bool EnterDataParent() {
    std::error_code error;
    const std::filesystem::path working = std::filesystem::current_path(error);
    if (error) {
        return false;
    }
    const std::filesystem::path chosen = ChooseDataParent(working, ExecutableDirectory());
    if (chosen == working) {
        return true;
    }
    std::filesystem::current_path(chosen, error);
    return !error;
}

} // namespace Zelt
