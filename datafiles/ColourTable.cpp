// The named colours of the interface and the effects, from "colordef.xml".
#include "datafiles/ColourTable.h"

ColourTable colourTable;

namespace {

constexpr ColourTable::Colour magenta = {255, 0, 255, 255};

std::uint8_t LowByte(const Brisk::Attribute* attribute) {
    return attribute != nullptr ? static_cast<std::uint8_t>(Brisk::ToInt(*attribute) & 0xFF) : 0;
}

} // namespace

const std::uint8_t* ColourTable::ColourOf(const std::string& name) const {
    auto found = colours.find(name);
    return found != colours.end() ? found->second.data() : magenta.data();
}

void LoadColours(ColourTable& table, const Brisk::Node& document) {
    for (const Brisk::Node& element : document.children) {
        const Brisk::Attribute* red = element.FindAttribute("r");
        const Brisk::Attribute* green = element.FindAttribute("g");
        const Brisk::Attribute* blue = element.FindAttribute("b");
        if (red == nullptr || green == nullptr || blue == nullptr) {
            continue;
        }
        table.Store(element.name,
                    {LowByte(red), LowByte(green), LowByte(blue), LowByte(element.FindAttribute("a"))});
    }
}
