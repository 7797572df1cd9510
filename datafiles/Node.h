// One element of an XML document; a document is a node whose children are the file's top-level elements.
//
//   Brisk::Node document = dataArchive.ReadDocument("config.xml");
//   if (const Brisk::Node* screen = document.FindChild("screen")) {
//       if (const Brisk::Attribute* width = screen->FindAttribute("width")) {
//           int pixels = Brisk::ToInt(*width);
//       }
//   }
#pragma once

#include "datafiles/Attribute.h"
#include "datafiles/Comment.h"
#include "datafiles/NestingRepair.h"
#include "datafiles/NodeKind.h"

#include <string>
#include <vector>

namespace Brisk {

class Node {
public:
    std::string name = "Mark";
    // All character data directly inside the element, references replaced, white space between
    // children kept.
    std::string text;
    int openKind = plain;
    int closeKind = plain;
    std::vector<Node> children;
    // One per child: how many characters of text came before it. Same length as children.
    std::vector<unsigned> positions;
    std::vector<Attribute> attributes;
    // Only a load that keeps comments fills this, in the order they were read; only the writers read it.
    std::vector<Comment> comments;

    Node() = default;
    // Deep copies and destruction work without recursion, so a file of deeply nested elements is
    // handled like any other.
    Node(const Node& other);
    Node(Node&& other) noexcept = default;
    Node& operator=(const Node& other);
    Node& operator=(Node&& other) noexcept;
    ~Node();

    // Parses the file at path into this node (named after the path). 0 after parsing; 1 when the file
    // cannot be opened, leaving the node untouched.
    int LoadFile(const std::string& path, CommentHandling handling = CommentHandling::drop);
    // Parses a NUL-terminated text into this node (named "mem"). Always 0.
    int LoadText(const char* text, CommentHandling handling = CommentHandling::drop);
    // The same, appending every repair of the nesting the reader made (for the data checker).
    int LoadFile(const std::string& path, std::vector<NestingRepair>& repairs);
    int LoadText(const char* text, std::vector<NestingRepair>& repairs);

    // The first child or attribute with exactly this name, or null.
    const Node* FindChild(const std::string& childName) const;
    Node* FindChild(const std::string& childName);
    const Attribute* FindAttribute(const std::string& attributeName) const;
    Attribute* FindAttribute(const std::string& attributeName);

    // Appends a child at the current end of the text.
    void AppendChild(Node child);

private:
    void ReleaseChildren() noexcept;
};

// Structural equality of whole trees (names, texts, kinds, attributes, positions, children, comments).
bool SameTree(const Node& left, const Node& right);

} // namespace Brisk
