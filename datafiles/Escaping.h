// How the writers escape characters of texts and attribute values.
#pragma once

#include <string>

namespace Brisk {

// Appends the character, or its escape: "&amp;", "&lt;", "&gt;", and a decimal reference for 127 and
// control bytes other than TAB and LF. Other bytes (quotes and bytes of 128 and above) go out unchanged.
void AppendEscaped(std::string& out, char character);
void AppendEscaped(std::string& out, const std::string& text);

// "&#%d;" and "&#x%02X;" of a byte, from a table built on first use.
const char* DecimalReference(unsigned char byte);
const char* HexadecimalReference(unsigned char byte);

} // namespace Brisk
