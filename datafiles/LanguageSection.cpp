// Picks the section of a text or callsign document that belongs to the configured language.
#include "datafiles/LanguageSection.h"

const Brisk::Node* FindLanguageSection(const Brisk::Node& document, const std::string& language) {
    if (const Brisk::Node* section = document.FindChild(language)) {
        return section;
    }
    return document.FindChild("en");
}
