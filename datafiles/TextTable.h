// The display texts of the chosen language, from "texts.xml".
#pragma once

#include "datafiles/Node.h"

#include <map>
#include <string>

class TextTable {
public:
    // The text stored under the identifier, or the identifier itself.
    std::string TextOf(const std::string& identifier) const;
    void Store(const std::string& identifier, std::string text) { texts[identifier] = std::move(text); }
    void Clear() { texts.clear(); }
    std::size_t Size() const { return texts.size(); }

private:
    std::map<std::string, std::string> texts;
};

extern TextTable textTable;

// Fills the table from the language section of a "texts.xml" document: one element per text, its name the
// identifier, its character data the text; an empty "tab" element inside stands for a TAB character.
// A later element with the same name replaces the earlier text.
void LoadTexts(TextTable& table, const Brisk::Node& document, const std::string& language);
