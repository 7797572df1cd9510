// Makes the game's own font families known to this process: a family that is not installed is added from
// its file in the game's fonts folder, for this process only, and removed again on Release.
#pragma once

#include <string>
#include <vector>

namespace platform {

class FontInstaller {
public:
    // Records the folder the family files are looked up in ("<family>.ttf", then "<family>.otf").
    void Create(const std::string& directory);
    // True when a font of exactly this family name (case-sensitive) is installed or was added now. Nothing
    // is written anywhere: the file is registered with this process's font configuration only.
    bool EnsureFontFamily(const std::string& family);
    // Forgets every file this installer added.
    void Release();

    // Whether any known font (installed or added by this process) carries exactly this family name.
    static bool IsFamilyInstalled(const std::string& family);
    const std::vector<std::string>& RegisteredFiles() const { return registeredFiles; }

private:
    std::string directory;
    std::vector<std::string> registeredFiles;
};

} // namespace platform
