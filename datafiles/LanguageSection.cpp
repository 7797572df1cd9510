// Picks the section of a text or callsign document that belongs to the configured language.
#include "datafiles/LanguageSection.h"

const Brisk::Node* FindLanguageSection(const Brisk::Node& document, const std::string& language) {
    if (const Brisk::Node* section = document.FindChild(language)) {
        return section;
    }
    return document.FindChild("en");
}

std::string MissingLanguageProblem(const Brisk::Node& document, const std::string& language) {
    if (language.empty() || document.FindChild(language) != nullptr) {
        return {};
    }
    const std::string shown = document.FindChild("en") != nullptr ? "the texts of \"en\" are shown instead"
                                                                  : "every text shows its identifier instead";
    return "no section for the language \"" + language + "\" that config.xml chooses: " + shown;
}
