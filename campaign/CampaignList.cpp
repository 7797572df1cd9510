#include "campaign/CampaignList.h"

#include <algorithm>

namespace Vorn {

namespace {

// A name the data folder holds: relative and never stepping out of it.
bool StaysInDataFolder(const std::string& name) {
    if (name.empty() || name.front() == '/' || name.find('\\') != std::string::npos)
        return false;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        if (name.compare(start, end - start, "..") == 0 && end - start == 2)
            return false;
        start = end + 1;
    }
    return true;
}

std::string Entry(std::size_t index) {
    return "campaign.xml: level " + std::to_string(index + 1) + ": ";
}

} // namespace

CampaignReading ReadCampaign(const Brisk::Node& document) {
    CampaignReading reading;
    std::vector<std::string>& levels = reading.campaign.levels;
    std::size_t index = 0;
    for (const Brisk::Node& element : document.children) {
        if (element.name != CampaignNames::levelElement)
            continue;
        const std::string where = Entry(index++);
        if (levels.size() >= maxCampaignLevels) {
            reading.problems.push_back(where + "beyond the " + std::to_string(maxCampaignLevels) +
                                       " levels a campaign holds; left out");
            continue;
        }
        const Brisk::Attribute* file = element.FindAttribute(CampaignNames::fileAttribute);
        if (file == nullptr || file->value.empty())
            reading.problems.push_back(where + "no \"file\"; left out");
        else if (file->value.size() > maxCampaignNameLength)
            reading.problems.push_back(where + "a file name longer than " +
                                       std::to_string(maxCampaignNameLength) + " characters; left out");
        else if (!StaysInDataFolder(file->value))
            reading.problems.push_back(where + "\"" + file->value +
                                       "\" is not a file of the data folder; left out");
        else if (std::find(levels.begin(), levels.end(), file->value) != levels.end())
            reading.problems.push_back(where + "\"" + file->value +
                                       "\" is already in the campaign; left out");
        else
            levels.push_back(file->value);
    }
    return reading;
}

} // namespace Vorn
