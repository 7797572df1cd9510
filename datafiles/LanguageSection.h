// Picks the section of a text or callsign document that belongs to the configured language.
#pragma once

#include "datafiles/Node.h"

#include <string>

// The first top-level element named after the language, else the first named "en", else null.
const Brisk::Node* FindLanguageSection(const Brisk::Node& document, const std::string& language);
