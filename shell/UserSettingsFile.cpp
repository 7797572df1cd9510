// The player's own settings files: found, size-checked, parsed, and their faults told once.
#include "shell/UserSettingsFile.h"

#include "shell/UserFolders.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>

namespace Zelt {

namespace {

std::mutex reportGuard;
std::set<std::string> reportedPaths;
UserSettingsReport report;

void TellStandardError(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
}

// An empty file or one of comments alone says nothing on purpose; text without any markup is not a
// settings file at all.
bool HoldsTextWithoutMarkup(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    bool text = false;
    char character = 0;
    while (file.get(character)) {
        if (character == '<')
            return false;
        text = text || (character != ' ' && character != '\t' && character != '\n' && character != '\r');
    }
    return text;
}

} // namespace

std::string UserSettingsPath(const std::string& name) {
    const std::string folder = UserConfigFolder();
    return folder.empty() ? "" : folder + "/" + name;
}

UserSettingsRead ReadUserSettingsFile(const std::string& path) {
    UserSettingsRead result;
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found || path.empty())
        return result;
    if (error) {
        result.fault = error.message();
        return result;
    }
    if (status.type() != std::filesystem::file_type::regular) {
        result.fault = "is not a file";
        return result;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > largestUserSettingsFile) {
        result.fault = error ? error.message()
                             : "is " + std::to_string(size) + " bytes, more than a settings file's " +
                                   std::to_string(largestUserSettingsFile);
        return result;
    }
    if (result.document.LoadFile(path) != 0) {
        result.fault = std::strerror(errno != 0 ? errno : EACCES);
        return result;
    }
    if (result.document.children.empty() && HoldsTextWithoutMarkup(path)) {
        result.document = Brisk::Node{};
        result.fault = "holds no settings (not XML)";
    }
    return result;
}

void SetUserSettingsReport(UserSettingsReport newReport) {
    std::lock_guard lock(reportGuard);
    report = std::move(newReport);
    reportedPaths.clear();
}

Brisk::Node ReadUserSettings(const std::string& path) {
    UserSettingsRead read = ReadUserSettingsFile(path);
    if (!read.fault.empty()) {
        std::lock_guard lock(reportGuard);
        if (reportedPaths.insert(path).second)
            (report ? report : TellStandardError)("sector-clash: " + path + ": " + read.fault +
                                                  "; the game goes on with the shipped settings");
    }
    return std::move(read.document);
}

} // namespace Zelt
