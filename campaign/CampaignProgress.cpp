#include "campaign/CampaignProgress.h"

#include "datafiles/Escaping.h"
#include "datafiles/NestingRepair.h"
#include "datafiles/ReplaceFile.h"
#include "shell/UserFolders.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace Vorn {

namespace {

constexpr const char* rootElement = "progress";
constexpr const char* finishedElement = "finished";

ProgressReading Broken(const std::string& path, const std::string& reason) {
    return {{}, path + ": " + reason + "; the campaign starts from its first level"};
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The whole file when it can be read and is no larger than a progress file can be.
std::optional<std::string> ReadSmallFile(const std::string& path, std::string& reason) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        reason = std::strerror(errno);
        return std::nullopt;
    }
    std::string content;
    char buffer[4096];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        content.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (content.size() > maxProgressFileBytes) {
            reason = "larger than " + std::to_string(maxProgressFileBytes) + " bytes";
            return std::nullopt;
        }
    }
    if (file.bad()) {
        reason = "cannot be read";
        return std::nullopt;
    }
    return content;
}

} // namespace

std::string CampaignProgressPath() {
    const std::string folder = Zelt::UserDataFolder();
    return folder.empty() ? std::string() : folder + "/campaign.xml";
}

ProgressReading ReadCampaignProgress(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error)
        return {};
    std::string reason;
    const std::optional<std::string> content = ReadSmallFile(path, reason);
    if (!content)
        return Broken(path, reason);
    return ParseCampaignProgress(*content, path);
}

ProgressReading ParseCampaignProgress(std::string_view content, const std::string& name) {
    if (content.size() > maxProgressFileBytes)
        return Broken(name, "larger than " + std::to_string(maxProgressFileBytes) + " bytes");
    if (content.find('\0') != std::string_view::npos)
        return Broken(name, "holds a NUL byte, so it is no text");
    const std::string text(content);
    Brisk::Node document;
    std::vector<Brisk::NestingRepair> repairs;
    document.LoadText(text.c_str(), repairs);
    if (!repairs.empty())
        return Broken(name, "its elements are not properly nested");
    const Brisk::Node* root = document.FindChild(rootElement);
    if (root == nullptr)
        return Broken(name, std::string("no \"") + rootElement + "\" element");
    ProgressReading reading;
    for (const Brisk::Node& element : root->children) {
        if (element.name != finishedElement)
            continue;
        if (std::string level = Trimmed(element.text); !level.empty())
            reading.progress.finished.insert(std::move(level));
    }
    return reading;
}

std::string CampaignProgressText(const CampaignProgress& progress) {
    std::string text = std::string("<") + rootElement + ">\n";
    for (const std::string& level : progress.finished) {
        text += std::string("\t<") + finishedElement + ">";
        Brisk::AppendEscaped(text, level);
        text += std::string("</") + finishedElement + ">\n";
    }
    text += std::string("</") + rootElement + ">\n";
    return text;
}

bool WriteCampaignProgress(const std::string& path, const CampaignProgress& progress, std::string& error) {
    if (path.empty()) {
        error = "no folder for the player's files (neither XDG_DATA_HOME nor HOME is set)";
        return false;
    }
    const std::string folder = std::filesystem::path(path).parent_path().string();
    if (!folder.empty() && !Zelt::MakeUserFolder(folder)) {
        error = folder + ": " + std::strerror(errno);
        return false;
    }
    if (!Brisk::ReplaceFile(path, CampaignProgressText(progress))) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool IsFinished(const Campaign& campaign, const CampaignProgress& progress, std::size_t index) {
    return index < campaign.levels.size() && progress.finished.count(campaign.levels[index]) > 0;
}

bool IsUnlocked(const Campaign& campaign, const CampaignProgress& progress, std::size_t index) {
    if (index >= campaign.levels.size())
        return false;
    return index == 0 || IsFinished(campaign, progress, index - 1) || IsFinished(campaign, progress, index);
}

std::optional<std::size_t> FirstUnfinished(const Campaign& campaign, const CampaignProgress& progress) {
    for (std::size_t index = 0; index < campaign.levels.size(); ++index)
        if (!IsFinished(campaign, progress, index))
            return index;
    return std::nullopt;
}

void RecordWin(CampaignProgress& progress, const std::string& levelFile) {
    progress.finished.insert(levelFile);
}

} // namespace Vorn
