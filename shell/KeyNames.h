// The names "keydef.xml" uses for keys: the digits, the capital letters and the Windows virtual-key
// constant names, each with its virtual-key code.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace Zelt::C {

using KeyName = std::pair<std::string_view, std::uint8_t>;

// Every name, in the order of the codes.
const std::vector<KeyName>& KeyNameTable();

// The code of a key name (matched exactly, case-sensitive); 0, which no key produces, for an unknown name.
std::uint8_t KeyCodeOfName(std::string_view name);

// The first name of a code in the table (several names share a few codes); empty for a code without one,
// 0 among them.
std::string_view KeyNameOfCode(std::uint8_t code);

} // namespace Zelt::C
