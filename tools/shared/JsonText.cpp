// Strings in the JSON lines the tools print.
#include "tools/shared/JsonText.h"

#include <cstdio>

namespace toolkit {

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (char character : text) {
        unsigned char byte = static_cast<unsigned char>(character);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += character;
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else if (byte < 0x80) {
            out += character;
        } else {
            // The byte taken as a Latin-1 character, encoded as UTF-8.
            out += static_cast<char>(0xC0 | (byte >> 6));
            out += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    out += '"';
}

} // namespace toolkit
