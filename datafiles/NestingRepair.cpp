// Where the tolerant reader had to repair a document's nesting.
#include "datafiles/NestingRepair.h"

namespace Brisk {

std::string Describe(const NestingRepair& repair) {
    const std::string line = std::to_string(repair.line);
    switch (repair.kind) {
    case NestingRepair::Kind::closedByOuterTag:
        return "opened on line " + line + " and never closed; the closing tag of \"" + repair.closer +
               "\" on line " + std::to_string(repair.closerLine) +
               " ends it, so everything between is read as its content";
    case NestingRepair::Kind::closedByEnd:
        return "opened on line " + line +
               " and never closed, so everything after it to the end of the file is read as its content";
    case NestingRepair::Kind::strayClosingTag:
        return "closing tag on line " + line + " closes no open element: the rest of the file is ignored";
    case NestingRepair::Kind::unfinishedTag:
        return "start tag on line " + line + " runs to the end of the file: the element is dropped";
    }
    return {};
}

} // namespace Brisk
