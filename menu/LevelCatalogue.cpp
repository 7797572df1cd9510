// The levels of the data folder for the start screen.
#include "menu/LevelCatalogue.h"

#include "campaign/CampaignList.h"

#include "datafiles/DataArchive.h"
#include "datafiles/SideNames.h"
#include "game/LevelFile.h"
#include "game/LevelInfo.h"
#include "game/LevelNames.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace Vorn {

namespace {

int IntAttribute(const Brisk::Node& element, std::string_view name) {
    const Brisk::Attribute* attribute = element.FindAttribute(std::string(name));
    return attribute ? Brisk::ToInt(*attribute) : 0;
}

std::string TextAttribute(const Brisk::Node& element, std::string_view name) {
    const Brisk::Attribute* attribute = element.FindAttribute(std::string(name));
    return attribute ? attribute->value : std::string();
}

// The events whose actions end the level as lost.
std::set<std::string> LosingEvents(const Brisk::Node& document) {
    std::set<std::string> losing;
    for (const Brisk::Node& event : document.children) {
        if (event.name != LevelNames::event)
            continue;
        for (const Brisk::Node& action : event.children) {
            const Brisk::Attribute* status = action.FindAttribute(std::string(LevelNames::status));
            if (action.name == LevelNames::quit && status != nullptr && !Brisk::ToBool(*status))
                losing.insert(TextAttribute(event, LevelNames::name));
        }
    }
    return losing;
}

// The earliest timed request of a losing event: a level lost when its clock runs out.
std::optional<std::uint32_t> TimeLimit(const Brisk::Node& document) {
    const std::set<std::string> losing = LosingEvents(document);
    std::optional<std::uint32_t> limit;
    for (const Brisk::Node& event : document.children) {
        for (const Brisk::Node& action : event.children) {
            if (action.name != LevelNames::request ||
                TextAttribute(action, LevelNames::when) != LevelNames::whenTime ||
                !losing.contains(TextAttribute(action, LevelNames::requestEvent)))
                continue;
            const int value = IntAttribute(action, LevelNames::value);
            if (value > 0 && (!limit || static_cast<std::uint32_t>(value) < *limit))
                limit = static_cast<std::uint32_t>(value);
        }
    }
    return limit;
}

float FloatAttribute(const Brisk::Node& element, std::string_view name) {
    const Brisk::Attribute* attribute = element.FindAttribute(std::string(name));
    return attribute ? static_cast<float>(Brisk::ToFloat(*attribute)) : 0.0f;
}

void AddObjectsOf(const Brisk::Node& element, LevelEntry& entry, std::set<int>& sides) {
    const std::string colour = TextAttribute(element, LevelNames::color);
    const auto found = std::find(sideNames.begin(), sideNames.end(), colour);
    const bool placed = std::find(LevelNames::objects.begin(), LevelNames::objects.end(), element.name) !=
                        LevelNames::objects.end();
    if (placed)
        entry.startObjects.push_back(
            {FloatAttribute(element, LevelNames::x), FloatAttribute(element, LevelNames::y),
             found == sideNames.end() ? 0 : static_cast<int>(found - sideNames.begin())});
    if (element.name == LevelNames::commander && found != sideNames.end() && found != sideNames.begin())
        entry.commanders.push_back(
            {static_cast<int>(found - sideNames.begin()), TextAttribute(element, LevelNames::difficulty)});
    // Neutral stands for the map's own things (deposits, obstacles), not for a side that fights.
    if (found != sideNames.end() && found != sideNames.begin())
        sides.insert(static_cast<int>(found - sideNames.begin()));
    for (const Brisk::Node& child : element.children)
        AddObjectsOf(child, entry, sides);
}

void ReadStart(const Brisk::Node& document, LevelEntry& entry) {
    std::set<int> sides;
    for (const Brisk::Node& event : document.children)
        if (event.name == LevelNames::event &&
            TextAttribute(event, LevelNames::name) == LevelNames::startEvent)
            AddObjectsOf(event, entry, sides);
    entry.sides.assign(sides.begin(), sides.end());
}

} // namespace

LevelEntry DescribeLevel(const Brisk::Node& levelDocument, const std::string& file) {
    LevelEntry entry;
    entry.file = file;
    const LevelInfo info = ReadLevelInfo(levelDocument);
    entry.title = LevelTitleOrFileName(info, file);
    entry.description = info.description;
    if (const Brisk::Node* level = levelDocument.FindChild(std::string(LevelNames::level))) {
        entry.width = IntAttribute(*level, LevelNames::width);
        entry.height = IntAttribute(*level, LevelNames::height);
        entry.skirmish = IntAttribute(*level, LevelNames::skirmish);
    }
    entry.timeLimitMs = TimeLimit(levelDocument);
    ReadStart(levelDocument, entry);
    return entry;
}

std::vector<LevelEntry> ListLevels() {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& item : std::filesystem::directory_iterator(dataArchive.Folder() + "levels", error))
        if (item.is_regular_file(error) && item.path().extension() == ".xml")
            files.push_back("levels/" + item.path().filename().string());
    std::sort(files.begin(), files.end());
    // The campaign's levels are played from its own page, in its order.
    const Campaign campaign = ReadCampaign(dataArchive.ReadDocumentQuietly(CampaignNames::file)).campaign;
    std::erase_if(files, [&](const std::string& file) {
        return std::find(campaign.levels.begin(), campaign.levels.end(), file) != campaign.levels.end();
    });
    std::vector<LevelEntry> levels;
    for (const std::string& file : files) {
        Brisk::Node document;
        if (std::string fault; ReadLevelFile(file, document, fault))
            levels.push_back(DescribeLevel(document, file));
    }
    return levels;
}

} // namespace Vorn
