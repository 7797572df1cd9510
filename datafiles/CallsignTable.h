// The callsign words that turn a unit's letter into a spoken-style name, from "callsigns.xml".
#pragma once

#include "datafiles/Node.h"

#include <array>
#include <string>

class CallsignTable {
public:
    CallsignTable() { Clear(); }
    // The word of an upper- or lower-case letter; any other character gives the word of 'U'.
    const std::string& CallsignWord(char letter) const;
    // Every slot back to "_Undefined".
    void Clear();
    void SetWord(char letter, std::string word);

private:
    std::array<std::string, 26> upperWords;
    std::array<std::string, 26> lowerWords;
};

extern CallsignTable callsignTable;

// Resets every word, then fills them from the language section of a "callsigns.xml" document: each element
// with an attribute text gives the word of the letter its name begins with (an element named Alpha fills
// the slot of 'A'); other elements are ignored.
void LoadCallsigns(CallsignTable& table, const Brisk::Node& document, const std::string& language);
