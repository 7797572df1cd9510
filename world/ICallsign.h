// A unit's name: a letter whose word is spoken and a number (CallsignText forms the text).
#pragma once

#include <cstdint>

namespace Vorn {

class ICallsign {
public:
    char letter = 0;
    std::uint16_t number = 0;

protected:
    ~ICallsign() = default;
};

} // namespace Vorn
