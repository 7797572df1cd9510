// A document tree as JSON, one object per node, for data authors and for comparing readers.
#pragma once

#include "datafiles/Node.h"

#include <string>

// {"name": ..., "text": ..., "open": k, "close": k, "attributes": [[name, value], ...], "positions": [...],
//  "children": [...]}. Every byte of a string is one character: bytes 128-255 become U+0080-U+00FF.
std::string DumpJson(const Brisk::Node& node);
