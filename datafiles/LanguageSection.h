// Picks the section of a text or callsign document that belongs to the configured language.
#pragma once

#include "datafiles/Node.h"

#include <string>

// The first top-level element named after the language, else the first named "en", else null.
const Brisk::Node* FindLanguageSection(const Brisk::Node& document, const std::string& language);

// Empty when the document has a section of the language itself (or no language is chosen); otherwise
// what is shown instead, for the one line the game prints at start and the data checker reports.
std::string MissingLanguageProblem(const Brisk::Node& document, const std::string& language);
