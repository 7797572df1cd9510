// Where the tolerant reader had to repair a document's nesting. The game reads on regardless; the data
// checker reports each repair, since one "/>" written as ">" silently swallows every element after it.
#pragma once

#include <string>

namespace Brisk {

struct NestingRepair {
    enum class Kind {
        // The closing tag of an element further out closed it: everything up to that tag became its content.
        closedByOuterTag,
        // Still open at the end of the input: everything after its start tag became its content.
        closedByEnd,
        // A closing tag at the top level: it ends the reading, and the rest of the input is ignored.
        strayClosingTag,
        // A start tag that runs into the end of the input: the element is dropped.
        unfinishedTag,
    };

    Kind kind = Kind::closedByEnd;
    // The element repaired; for a stray closing tag, the name it gives.
    std::string element;
    // Lines count from 1: where the element's start tag (or the stray closing tag) begins.
    unsigned line = 0;
    // For closedByOuterTag: the name in the closing tag that closed it, and the line that tag begins on.
    std::string closer;
    unsigned closerLine = 0;
};

// What the reader did and what it means for the document, in one sentence without the element's name.
std::string Describe(const NestingRepair& repair);

} // namespace Brisk
