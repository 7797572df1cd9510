// Builds the element tree of a document from the character reader.
#pragma once

#include "datafiles/Node.h"
#include "datafiles/Parser.h"

namespace Brisk {

// Parses everything the parser has left into the children and text of the document node. Open elements
// are kept on an explicit stack, so nesting depth is limited by memory, not by the call stack.
void ReadContent(Parser& parser, Node& document);

} // namespace Brisk
