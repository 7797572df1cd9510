#include "game/LevelInfo.h"

#include "game/LevelNames.h"

namespace Vorn {

namespace {

std::string AttributeText(const Brisk::Node& element, std::string_view name) {
    const Brisk::Attribute* attribute = element.FindAttribute(std::string(name));
    return attribute ? attribute->value : std::string();
}

} // namespace

LevelInfo ReadLevelInfo(const Brisk::Node& levelDocument) {
    const Brisk::Node* element = levelDocument.FindChild(std::string(LevelNames::info));
    if (!element)
        return {};
    return {AttributeText(*element, LevelNames::title), AttributeText(*element, LevelNames::description),
            AttributeText(*element, LevelNames::briefing)};
}

std::string LevelTitleOrFileName(const LevelInfo& info, const std::string& levelFile) {
    if (!info.title.empty())
        return info.title;
    const auto slash = levelFile.find_last_of('/');
    std::string name = slash == std::string::npos ? levelFile : levelFile.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

} // namespace Vorn
