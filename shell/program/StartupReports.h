// The data faults the game goes on with but names on the error stream at start, one line each, so a
// modder learns why a key does nothing or a text is in another language.
#pragma once

#include <string>

namespace Brisk {
class Node;
}

namespace Zelt {

// Bindings of "keydef.xml" that bind nothing.
void ReportKeyDefinitions(const Brisk::Node& keyDefinitions);
// A language chosen in "config.xml" that "texts.xml" has no section for.
void ReportMissingLanguage(const Brisk::Node& texts, const std::string& language);

} // namespace Zelt
