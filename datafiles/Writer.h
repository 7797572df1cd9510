// Writing XML documents back to files, in the exact form the reader reads or pretty-printed.
#pragma once

#include "datafiles/Node.h"

#include <string>

namespace Brisk {

// Writes the node's content (not its own tag): text, children and kept comments interleaved exactly as
// they were read, nothing added. 0 on success; 1 when the file could not be written whole, which leaves
// whatever stood at the path as it was.
int SaveFile(const Node& node, const std::string& path);
// Writes the node's children one element per line, indented by tabs, and each kept comment between
// elements on a line of its own. Character data is written for elements without children only (so
// "texts.xml" keeps its texts, with their comments in place); between elements it is dropped. Answers as
// SaveFile.
int SavePretty(const Node& node, const std::string& path);
// Turns the node into the library's declaration element, written as
// <?Brisk version="1.0" encoding="utf-8" access="public" standalone="yes" ?>
void MakeDeclaration(Node& node);

// The text SaveFile would write, for callers that want it in memory.
std::string WriteExact(const Node& node);
std::string WritePretty(const Node& node);

} // namespace Brisk
