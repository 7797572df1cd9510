// Naming, listing, saving and thinning the replay folder.
#include "replay/ReplayFolder.h"

#include "replay/ReplayReader.h"
#include "replay/ReplayWriter.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>

namespace Vorn {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view replayExtension = ".replay";
// "YYYY-MM-DD-HHMMSS-": the part of a name that orders the files in time.
constexpr std::size_t datePrefixLength = 18;
// A level's part of the name stays short enough for any file system.
constexpr std::size_t longestLevelPart = 64;
// A folder full of same-second names is damaged or hostile: give up rather than loop.
constexpr int mostNumberedNames = 1000;

std::string DateText(std::uint64_t date) {
    const auto seconds = static_cast<std::time_t>(date);
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", &parts);
    return text;
}

std::string LevelPart(const std::string& levelPath) {
    std::string stem = fs::path(levelPath).stem().string().substr(0, longestLevelPart);
    for (char& character : stem)
        if (!std::isalnum(static_cast<unsigned char>(character)) && character != '-' && character != '_')
            character = '_';
    return stem.empty() ? "level" : stem;
}

bool IsDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The first name under which nothing stands in the folder: the plain one, else one numbered from 2.
std::optional<fs::path> FreePath(const fs::path& folder, const std::string& name) {
    const std::string stem = name.substr(0, name.size() - replayExtension.size());
    std::error_code error;
    for (int number = 1; number <= mostNumberedNames; ++number) {
        const fs::path path =
            folder /
            (number == 1 ? name : stem + "-" + std::to_string(number) + std::string(replayExtension));
        if (!fs::exists(fs::symlink_status(path, error)))
            return path;
    }
    return std::nullopt;
}

void RemoveBeyond(const std::string& folder, std::size_t keep) {
    const std::vector<std::string> files = ReplayFilesNewestFirst(folder);
    std::error_code error;
    for (std::size_t index = keep; index < files.size(); ++index)
        fs::remove(files[index], error);
}

} // namespace

std::uint64_t SecondsSince1970() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::max<long long>(0, std::chrono::duration_cast<std::chrono::seconds>(now).count()));
}

std::string ReplayFileName(std::uint64_t date, const std::string& levelPath) {
    return DateText(date) + "-" + LevelPart(levelPath) + std::string(replayExtension);
}

bool IsGameReplayName(const std::string& name) {
    const std::string_view text = name;
    if (text.size() <= datePrefixLength + replayExtension.size() || !text.ends_with(replayExtension))
        return false;
    // YYYY-MM-DD-HHMMSS-
    return IsDigits(text.substr(0, 4)) && text[4] == '-' && IsDigits(text.substr(5, 2)) && text[7] == '-' &&
           IsDigits(text.substr(8, 2)) && text[10] == '-' && IsDigits(text.substr(11, 6)) && text[17] == '-';
}

std::vector<std::string> ReplayFilesNewestFirst(const std::string& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
        if (entry->is_regular_file(error) && IsGameReplayName(entry->path().filename().string()))
            files.push_back(entry->path());
    // By date, then by name, so that the order is the same on every system.
    std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) {
        const std::string nameA = a.filename().string();
        const std::string nameB = b.filename().string();
        const int dates = nameA.compare(0, datePrefixLength, nameB, 0, datePrefixLength);
        return dates != 0 ? dates > 0 : nameA > nameB;
    });
    std::vector<std::string> paths;
    paths.reserve(files.size());
    for (const fs::path& file : files)
        paths.push_back(file.string());
    return paths;
}

std::string SaveReplayInFolder(const std::string& folder, const Replay& replay, std::string& fault,
                               std::size_t keep) {
    const std::optional<fs::path> path = FreePath(folder, ReplayFileName(replay.date, replay.levelPath));
    if (!path) {
        fault = folder + ": no free name for the replay " + ReplayFileName(replay.date, replay.levelPath);
        return {};
    }
    if (!WriteReplayFile(path->string(), replay)) {
        fault = path->string() + ": cannot write the replay (" + std::strerror(errno) + ")";
        return {};
    }
    RemoveBeyond(folder, keep);
    return path->string();
}

bool ReadReplaySummary(const std::string& path, ReplaySummary& summary, std::string& fault) {
    Replay replay;
    if (!ReadReplayFile(path, replay, fault))
        return false;
    summary.levelPath = replay.levelPath;
    summary.date = replay.date;
    if (summary.date == 0) {
        std::error_code error;
        const auto written = fs::last_write_time(path, error);
        if (!error)
            summary.date = static_cast<std::uint64_t>(
                std::max<long long>(0, std::chrono::duration_cast<std::chrono::seconds>(
                                           std::chrono::file_clock::to_sys(written).time_since_epoch())
                                           .count()));
    }
    summary.lengthSeconds = static_cast<std::uint64_t>(replay.steps) * replay.stepMs / 1000;
    summary.outcome = replay.outcome;
    summary.startSave = replay.startSave;
    return true;
}

bool ReadReplaySummary(const std::string& path, ReplaySummary& summary) {
    std::string fault;
    return ReadReplaySummary(path, summary, fault);
}

} // namespace Vorn
