// Strings in the JSON lines the tools print.
#pragma once

#include <string>
#include <string_view>

namespace toolkit {

// Appends the text as a quoted JSON string. Every byte is one character: bytes 128-255 become
// U+0080-U+00FF, so a level's or data file's stray bytes still make valid JSON.
void AppendJsonString(std::string& out, std::string_view text);

} // namespace toolkit
