// Builds the element tree of a document from the character reader.
#pragma once

#include "datafiles/NestingRepair.h"
#include "datafiles/Node.h"
#include "datafiles/Parser.h"

#include <vector>

namespace Brisk {

// Parses everything the parser has left into the children and text of the document node. Open elements
// are kept on an explicit stack, so nesting depth is limited by memory, not by the call stack. Every
// repair of the nesting is appended to `repairs` when it is given; the tree is the same either way.
void ReadContent(Parser& parser, Node& document, std::vector<NestingRepair>* repairs = nullptr);

} // namespace Brisk
