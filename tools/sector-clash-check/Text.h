// Builds a message from its parts, numbers printed the way the data files write them.
#pragma once

#include <sstream>
#include <string>

namespace check {

template <class... Parts> std::string Text(const Parts&... parts) {
    std::ostringstream out;
    (out << ... << parts);
    return out.str();
}

} // namespace check
