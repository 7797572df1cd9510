// How the writers escape characters of texts and attribute values.
#include "datafiles/Escaping.h"

#include <cstdio>

namespace Brisk {

namespace {

struct ReferenceTable {
    char decimal[256][8];
    char hexadecimal[256][8];

    ReferenceTable() {
        for (int byte = 0; byte < 256; ++byte) {
            std::snprintf(decimal[byte], sizeof decimal[byte], "&#%d;", byte);
            std::snprintf(hexadecimal[byte], sizeof hexadecimal[byte], "&#x%02X;", byte);
        }
    }
};

const ReferenceTable& References() {
    static const ReferenceTable table;
    return table;
}

} // namespace

const char* DecimalReference(unsigned char byte) {
    return References().decimal[byte];
}
const char* HexadecimalReference(unsigned char byte) {
    return References().hexadecimal[byte];
}

void AppendEscaped(std::string& out, char character) {
    unsigned char byte = static_cast<unsigned char>(character);
    if (byte == '&') {
        out += "&amp;";
    } else if (byte == '<') {
        out += "&lt;";
    } else if (byte == '>') {
        out += "&gt;";
    } else if (byte == 127 || (byte < 32 && byte != '\t' && byte != '\n')) {
        out += DecimalReference(byte);
    } else {
        out += character;
    }
}

void AppendEscaped(std::string& out, const std::string& text) {
    for (char character : text) {
        AppendEscaped(out, character);
    }
}

} // namespace Brisk
