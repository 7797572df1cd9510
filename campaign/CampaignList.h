// The campaign: the levels of "campaign.xml" in the order they are played. Each entry names a level file
// under the data folder; what it is called and what it says before it starts are the level's own (its
// "info"). The file is data a modder may break, so it is read as hostile: one line says what was wrong.
//
//   const CampaignReading reading = ReadCampaign(dataArchive.ReadDocument("campaign.xml"));
//   for (const std::string& level : reading.campaign.levels) ...
#pragma once

#include "datafiles/Node.h"

#include <cstddef>
#include <string>
#include <vector>

namespace Vorn {

namespace CampaignNames {
inline constexpr const char* file = "campaign.xml";
inline constexpr const char* levelElement = "level";
inline constexpr const char* fileAttribute = "file";
} // namespace CampaignNames

// More levels than this are not read: no campaign is that long, and the start screen lists them all.
inline constexpr std::size_t maxCampaignLevels = 100;
// A level file name longer than this is refused.
inline constexpr std::size_t maxCampaignNameLength = 200;

struct Campaign {
    // Level files relative to the data folder ("levels/campaign1.xml"), in the order they are played.
    std::vector<std::string> levels;
};

struct CampaignReading {
    Campaign campaign;
    // One line per entry that was left out, and why; empty when every entry was read.
    std::vector<std::string> problems;
};

// The top-level "level" elements' "file" attributes, in order. An entry without a file, with a name that
// leaves the data folder (absolute, or with a ".." part), a repeat of an earlier one or beyond the
// largest campaign is left out and named in the problems.
CampaignReading ReadCampaign(const Brisk::Node& document);

} // namespace Vorn
