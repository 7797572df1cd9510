// The full callsign of a game object.
#include "world/CallsignText.h"

#include "datafiles/CallsignTable.h"
#include "datafiles/TextTable.h"
#include "rules/TypeCatalogue.h"
#include "world/Building.h"
#include "world/ICallsign.h"
#include "world/Tower.h"

#include <cctype>
#include <cstdio>
#include <optional>

namespace Vorn {

namespace {
constexpr std::size_t bufferSize = 256;

std::optional<std::string> KindOf(const Object* object) {
    if (dynamic_cast<const Tower*>(object))
        return textTable.TextOf("Tower");
    if (const auto* building = dynamic_cast<const Building*>(object))
        return textTable.TextOf(TextKeyOf(building->type));
    return std::nullopt;
}

std::string Formatted(const char* format, const std::string& first, const std::string* second,
                      unsigned number) {
    char buffer[bufferSize];
    if (second)
        std::snprintf(buffer, sizeof buffer, format, first.c_str(), second->c_str(), number);
    else
        std::snprintf(buffer, sizeof buffer, format, first.c_str(), number);
    return buffer;
}
} // namespace

std::string CallsignText(const Object* object) {
    const auto* callsign = dynamic_cast<const ICallsign*>(object);
    if (!callsign)
        return "_ICallsign unimplemented";
    std::optional<std::string> word;
    if (std::isalpha(static_cast<unsigned char>(callsign->letter)))
        word = callsignTable.CallsignWord(callsign->letter);
    const std::optional<std::string> kind = KindOf(object);
    const unsigned number = callsign->number;
    if (kind && word)
        return number != 0 ? Formatted("%s %s %u", *kind, &*word, number)
                           : Formatted("%s %s", *kind, &*word, 0);
    const std::string name = kind ? *kind : word ? *word : callsignTable.CallsignWord('U');
    return number != 0 ? Formatted("%s %u", name, nullptr, number) : Formatted("%s", name, nullptr, 0);
}

} // namespace Vorn
