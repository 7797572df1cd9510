// The interface's layout numbers, read from "interface.xml" as "element.attribute" keys.
#pragma once

#include "datafiles/Node.h"

#include <map>
#include <string>

namespace Vorn {

class InterfaceValues {
public:
    // Every attribute of every top-level element becomes element + "." + attribute, read as a real; a key
    // met again keeps the last value.
    void Load(const Brisk::Node& document);
    // The value, or 0 for a key the file does not give.
    double ValueOf(const std::string& key) const;
    bool Contains(const std::string& key) const { return values.count(key) != 0; }
    void Set(const std::string& key, double value) { values[key] = value; }
    const std::map<std::string, double>& Values() const { return values; }

private:
    std::map<std::string, double> values;
};

} // namespace Vorn
