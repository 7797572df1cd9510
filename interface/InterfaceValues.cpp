// The interface's layout numbers.
#include "interface/InterfaceValues.h"

namespace Vorn {

void InterfaceValues::Load(const Brisk::Node& document) {
    for (const Brisk::Node& element : document.children) {
        if (element.openKind != Brisk::plain) {
            continue; // comments and declarations carry no layout
        }
        for (const Brisk::Attribute& attribute : element.attributes) {
            values[element.name + "." + attribute.name] = Brisk::ToFloat(attribute);
        }
    }
}

double InterfaceValues::ValueOf(const std::string& key) const {
    const auto found = values.find(key);
    return found == values.end() ? 0.0 : found->second;
}

} // namespace Vorn
