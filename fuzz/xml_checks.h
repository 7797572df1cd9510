// Checks shared by the XML fuzz targets: a parsed tree written back and read again must not change.
#pragma once

#include "datafiles/Node.h"
#include "datafiles/Parser.h"
#include "datafiles/Writer.h"

#include <cstdlib>
#include <vector>

namespace xml_fuzz {

// The writer keeps values as they are, so only values the reader reads back whole can round-trip; and an
// element "<!--x" read right after a comment would be written as a comment.
inline bool WritableTree(const Brisk::Node& root) {
    std::vector<const Brisk::Node*> work{&root};
    while (!work.empty()) {
        const Brisk::Node* node = work.back();
        work.pop_back();
        if (node->openKind == Brisk::bang && node->name.rfind("--", 0) == 0) {
            return false;
        }
        for (const Brisk::Attribute& attribute : node->attributes) {
            for (char character : attribute.value) {
                if (!Brisk::Parser::IsValueCharacter(static_cast<unsigned char>(character)) ||
                    character == '"') {
                    return false;
                }
            }
        }
        for (const Brisk::Node& child : node->children) {
            work.push_back(&child);
        }
    }
    return true;
}

inline void CheckRoundTrip(const Brisk::Node& document) {
    if (!WritableTree(document)) {
        return;
    }
    std::string written = Brisk::WriteExact(document);
    Brisk::Node reread;
    reread.LoadText(written.c_str());
    reread.name = document.name;
    if (!Brisk::SameTree(document, reread)) {
        std::abort();
    }
    Brisk::WritePretty(document);
}

} // namespace xml_fuzz
