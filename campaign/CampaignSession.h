// The campaign as one player plays it: the list of levels, their progress file, which level to play and
// what happens when one is won. The command line (and the start screen) choose through it; the game mode
// tells it of each win.
//
//   CampaignSession session = CampaignSession::Open(dataArchive.ReadDocument("campaign.xml"),
//                                                   CampaignProgressPath());
//   for (const std::string& line : session.Problems()) std::fprintf(stderr, "%s\n", line.c_str());
//   std::string level, why;
//   if (session.Choose(std::nullopt, level, why)) play level ...
//   session.RecordWin(level);   // writes the progress file at once
#pragma once

#include "campaign/CampaignProgress.h"

#include <optional>
#include <string>
#include <vector>

namespace Vorn {

class CampaignSession {
public:
    static CampaignSession Open(const Brisk::Node& campaignDocument, std::string progressPath);

    const Campaign& Levels() const { return campaign; }
    const CampaignProgress& Progress() const { return progress; }
    // What went wrong reading the list and the progress, one line each.
    const std::vector<std::string>& Problems() const { return problems; }

    // The level to play: level `number` (counted from 1) when it is unlocked, or without a number the first
    // one not yet won (the last one once all are). False with the reason when there is none to play.
    bool Choose(std::optional<int> number, std::string& level, std::string& reason) const;
    // Marks the level won and writes the progress; false with the reason when the file cannot be written
    // (the win still counts for this session).
    bool RecordWin(const std::string& level, std::string& error);
    // The level after this one in the campaign, when there is one and it is now unlocked.
    std::optional<std::string> NextAfter(const std::string& level) const;
    // One line per level for a terminal: its number, file and whether it is won, open or locked.
    std::vector<std::string> Listing() const;

private:
    Campaign campaign;
    CampaignProgress progress;
    std::string progressPath;
    std::vector<std::string> problems;
};

} // namespace Vorn
