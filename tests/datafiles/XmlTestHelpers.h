// Small helpers for the XML tests: parsing a literal and reaching into the tree.
#pragma once

#include "datafiles/Node.h"

#include <string>

namespace xml_test {

inline Brisk::Node Parse(const std::string& text) {
    Brisk::Node document;
    document.LoadText(text.c_str());
    return document;
}

inline const Brisk::Node& Only(const Brisk::Node& node) {
    return node.children.at(0);
}

} // namespace xml_test
