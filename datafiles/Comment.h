// A comment of an XML file, kept by a load that asks for comments so that a rewritten file keeps them.
#pragma once

#include <cstddef>
#include <string>

namespace Brisk {

// Whether a load keeps the file's comments. The game's loaders drop them; either way the elements,
// texts and attributes read are the same, since comments live beside them in the node.
enum class CommentHandling { drop, keep };

// Where a comment stood among its node's text and children, and what stood between "<!--" and "-->".
// A comment inside a tag or an attribute value is kept right after that tag. An unclosed comment runs to
// the end of the file and is written back closed.
struct Comment {
    // How many characters of the node's text came before it.
    unsigned position = 0;
    // How many of the node's children came before it.
    std::size_t childrenBefore = 0;
    // Never holds "-->" when read; one set by hand would end the written comment early.
    std::string body;
};

} // namespace Brisk
