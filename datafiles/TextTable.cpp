// The display texts of the chosen language, from "texts.xml".
#include "datafiles/TextTable.h"

#include "datafiles/LanguageSection.h"

TextTable textTable;

std::string TextTable::TextOf(const std::string& identifier) const {
    auto found = texts.find(identifier);
    return found != texts.end() ? found->second : identifier;
}

namespace {

// The element's text with a TAB wherever a "tab" child stood.
std::string TextWithTabs(const Brisk::Node& element) {
    std::string text = element.text;
    std::size_t inserted = 0;
    for (std::size_t index = 0; index < element.children.size(); ++index) {
        if (element.children[index].name != "tab") {
            continue;
        }
        std::size_t at = index < element.positions.size() ? element.positions[index] + inserted : text.size();
        text.insert(std::min(at, text.size()), 1, '\t');
        ++inserted;
    }
    return text;
}

} // namespace

void LoadTexts(TextTable& table, const Brisk::Node& document, const std::string& language) {
    const Brisk::Node* section = FindLanguageSection(document, language);
    if (section == nullptr) {
        return;
    }
    for (const Brisk::Node& element : section->children) {
        table.Store(element.name, TextWithTabs(element));
    }
}
