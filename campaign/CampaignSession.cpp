#include "campaign/CampaignSession.h"

#include <algorithm>

namespace Vorn {

CampaignSession CampaignSession::Open(const Brisk::Node& campaignDocument, std::string progressPath) {
    CampaignSession session;
    CampaignReading reading = ReadCampaign(campaignDocument);
    session.campaign = std::move(reading.campaign);
    session.problems = std::move(reading.problems);
    ProgressReading progress = ReadCampaignProgress(progressPath);
    session.progress = std::move(progress.progress);
    if (!progress.problem.empty())
        session.problems.push_back(progress.problem);
    session.progressPath = std::move(progressPath);
    return session;
}

bool CampaignSession::Choose(std::optional<int> number, std::string& level, std::string& reason) const {
    const std::size_t count = campaign.levels.size();
    if (count == 0) {
        reason = "the campaign has no levels (campaign.xml)";
        return false;
    }
    if (!number) {
        level = campaign.levels[FirstUnfinished(campaign, progress).value_or(count - 1)];
        return true;
    }
    if (*number < 1 || static_cast<std::size_t>(*number) > count) {
        reason = "the campaign has levels 1 to " + std::to_string(count) + ", not " + std::to_string(*number);
        return false;
    }
    const auto index = static_cast<std::size_t>(*number - 1);
    if (!IsUnlocked(campaign, progress, index)) {
        reason = "level " + std::to_string(*number) + " is locked: win level " + std::to_string(*number - 1) +
                 " first";
        return false;
    }
    level = campaign.levels[index];
    return true;
}

bool CampaignSession::RecordWin(const std::string& level, std::string& error) {
    Vorn::RecordWin(progress, level);
    return WriteCampaignProgress(progressPath, progress, error);
}

std::optional<std::string> CampaignSession::NextAfter(const std::string& level) const {
    const auto found = std::find(campaign.levels.begin(), campaign.levels.end(), level);
    if (found == campaign.levels.end())
        return std::nullopt;
    const auto next = static_cast<std::size_t>(found - campaign.levels.begin()) + 1;
    if (!IsUnlocked(campaign, progress, next))
        return std::nullopt;
    return campaign.levels[next];
}

std::vector<std::string> CampaignSession::Listing() const {
    std::vector<std::string> lines;
    for (std::size_t index = 0; index < campaign.levels.size(); ++index) {
        const char* state = IsFinished(campaign, progress, index)   ? "won"
                            : IsUnlocked(campaign, progress, index) ? "open"
                                                                    : "locked";
        lines.push_back(std::to_string(index + 1) + "  " + campaign.levels[index] + "  " + state);
    }
    return lines;
}

} // namespace Vorn
