// The named colours of the interface and the effects, from "colordef.xml".
#pragma once

#include "datafiles/Node.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>

class ColourTable {
public:
    using Colour = std::array<std::uint8_t, 4>; // red, green, blue, alpha

    // The four bytes (red, green, blue, alpha) stored under the name, or opaque magenta. The pointer
    // stays valid until the table is cleared.
    const std::uint8_t* ColourOf(const std::string& name) const;
    bool Contains(const std::string& name) const { return colours.count(name) != 0; }
    void Store(const std::string& name, Colour colour) { colours[name] = colour; }
    void Clear() { colours.clear(); }
    const std::map<std::string, Colour>& Colours() const { return colours; }

private:
    std::map<std::string, Colour> colours;
};

extern ColourTable colourTable;

// Stores every top-level element with attributes r, g and b under its name; each component is the low byte
// of its integer, a missing a gives alpha 0. A later element with the same name replaces the earlier one.
void LoadColours(ColourTable& table, const Brisk::Node& document);
