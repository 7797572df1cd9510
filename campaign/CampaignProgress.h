// The player's progress through the campaign: which levels they have won. It lives in the user's data
// folder ("$XDG_DATA_HOME/sector-clash/campaign.xml"), is written through a temporary file, and is read as
// hostile: a file that cannot be trusted counts as no progress, with one line saying why, and is only
// replaced by the next win.
//
//   ProgressReading reading = ReadCampaignProgress(CampaignProgressPath());
//   if (!reading.problem.empty()) report it;
//   if (IsUnlocked(campaign, reading.progress, 2)) ... play level 3 ...
//   RecordWin(reading.progress, campaign.levels[2]); WriteCampaignProgress(path, reading.progress, error);
#pragma once

#include "campaign/CampaignList.h"

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace Vorn {

// A progress file larger than this is refused before it is read: a real one names a few dozen levels.
inline constexpr std::size_t maxProgressFileBytes = 64 * 1024;

struct CampaignProgress {
    // The level files won, as the campaign names them.
    std::set<std::string> finished;
};

struct ProgressReading {
    CampaignProgress progress;
    // Empty when the file was read or does not exist yet; otherwise one line naming the file and the fault.
    std::string problem;
};

// Where the progress is kept; empty when the user's data folder cannot be found.
std::string CampaignProgressPath();

ProgressReading ReadCampaignProgress(const std::string& path);
// The same for a file's content already in memory; `name` names it in the problem line.
ProgressReading ParseCampaignProgress(std::string_view content, const std::string& name);
// The file's text, as the reader reads it back.
std::string CampaignProgressText(const CampaignProgress& progress);
// Creates the folder when needed and replaces the file whole. False with the reason in `error`.
bool WriteCampaignProgress(const std::string& path, const CampaignProgress& progress, std::string& error);

bool IsFinished(const Campaign& campaign, const CampaignProgress& progress, std::size_t index);
// The first level is always open; each later one once the level before it is won (or itself was won
// before, so that a campaign reordered by an update takes nothing away).
bool IsUnlocked(const Campaign& campaign, const CampaignProgress& progress, std::size_t index);
// The first level not yet won, or nothing when the whole campaign is.
std::optional<std::size_t> FirstUnfinished(const Campaign& campaign, const CampaignProgress& progress);
void RecordWin(CampaignProgress& progress, const std::string& levelFile);

} // namespace Vorn
