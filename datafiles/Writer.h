// Writing XML documents back to files, in the exact form the reader reads or pretty-printed.
#pragma once

#include "datafiles/Node.h"

#include <string>

namespace Brisk {

// Writes the node's content (not its own tag): text and children interleaved exactly as they were read,
// nothing added. 0 on success, 1 when the path cannot be opened for writing.
int SaveFile(const Node& node, const std::string& path);
// Writes the node's children one element per line, indented by tabs. Character data is written for
// elements without children only (so "texts.xml" keeps its texts); between elements it is dropped.
int SavePretty(const Node& node, const std::string& path);
// Turns the node into the library's declaration element, written as
// <?Brisk version="1.0" encoding="utf-8" access="public" standalone="yes" ?>
void MakeDeclaration(Node& node);

// The text SaveFile would write, for callers that want it in memory.
std::string WriteExact(const Node& node);
std::string WritePretty(const Node& node);

} // namespace Brisk
