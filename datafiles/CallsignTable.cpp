// The callsign words that turn a unit's letter into a spoken-style name, from "callsigns.xml".
#include "datafiles/CallsignTable.h"

#include "datafiles/LanguageSection.h"

CallsignTable callsignTable;

namespace {
const std::string undefinedWord = "_Undefined";
bool IsUpper(char letter) {
    return letter >= 'A' && letter <= 'Z';
}
bool IsLower(char letter) {
    return letter >= 'a' && letter <= 'z';
}
} // namespace

const std::string& CallsignTable::CallsignWord(char letter) const {
    if (IsLower(letter)) {
        return lowerWords[letter - 'a'];
    }
    if (IsUpper(letter)) {
        return upperWords[letter - 'A'];
    }
    return upperWords['U' - 'A'];
}

void CallsignTable::Clear() {
    upperWords.fill(undefinedWord);
    lowerWords.fill(undefinedWord);
}

void CallsignTable::SetWord(char letter, std::string word) {
    if (IsLower(letter)) {
        lowerWords[letter - 'a'] = std::move(word);
    } else if (IsUpper(letter)) {
        upperWords[letter - 'A'] = std::move(word);
    }
}

void LoadCallsigns(CallsignTable& table, const Brisk::Node& document, const std::string& language) {
    table.Clear();
    const Brisk::Node* section = FindLanguageSection(document, language);
    if (section == nullptr) {
        return;
    }
    for (const Brisk::Node& element : section->children) {
        const Brisk::Attribute* word = element.FindAttribute("text");
        if (word != nullptr && !element.name.empty()) {
            table.SetWord(element.name[0], word->value);
        }
    }
}
