// The named character references the XML reader knows, with their Latin-1 bytes.
#include "datafiles/EntityTable.h"

#include <strings.h>

#include <string>

namespace Brisk {

namespace {

struct Entity {
    const char* name;
    int byte;
};

// Both broken-bar names give '|', and "tm" is the Windows-1252 trade mark.
constexpr Entity entities[] = {
    {"nbsp", 0xA0},   {"quot", 0x22},  {"amp", 0x26},   {"lt", 0x3C},     {"gt", 0x3E},     {"iexcl", 0xA1},
    {"iquest", 0xBF}, {"cent", 0xA2},  {"pound", 0xA3}, {"curren", 0xA4}, {"yen", 0xA5},    {"brvbar", 0x7C},
    {"brkbar", 0x7C}, {"sect", 0xA7},  {"uml", 0xA8},   {"copy", 0xA9},   {"ordf", 0xAA},   {"laquo", 0xAB},
    {"raquo", 0xBB},  {"not", 0xAC},   {"shy", 0xAD},   {"reg", 0xAE},    {"hibar", 0xAF},  {"deg", 0xB0},
    {"plusmn", 0xB1}, {"sup1", 0xB9},  {"sup2", 0xB2},  {"sup3", 0xB3},   {"micro", 0xB5},  {"para", 0xB6},
    {"middot", 0xB7}, {"cedil", 0xB8}, {"ordm", 0xBA},  {"frac14", 0xBC}, {"frac12", 0xBD}, {"frac34", 0xBE},
    {"times", 0xD7},  {"div", 0xF7},   {"mul", 0xD7},   {"tm", 0x99},
};

} // namespace

int EntityByte(std::string_view name) {
    std::string key(name);
    for (const Entity& entity : entities) {
        if (strcasecmp(entity.name, key.c_str()) == 0) {
            return entity.byte;
        }
    }
    return -1;
}

} // namespace Brisk
