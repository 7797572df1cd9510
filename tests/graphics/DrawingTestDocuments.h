// Drawing documents written inline for the drawing tests.
#pragma once

#include "datafiles/Node.h"

#include <map>
#include <string>

namespace drawing_tests {

inline Brisk::Node Document(const std::string& text) {
    Brisk::Node node;
    node.LoadText(text.c_str());
    return node;
}

// A reader for DrawingStore::Load that serves files from memory; unknown names give an empty document,
// as the data archive does for a missing file.
struct MemoryFiles {
    std::map<std::string, std::string> files;
    Brisk::Node operator()(const std::string& name) const {
        auto found = files.find(name);
        return found != files.end() ? Document(found->second) : Brisk::Node();
    }
};

} // namespace drawing_tests
