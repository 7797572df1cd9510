// One element of an XML document: copying, loading and the look-ups loaders use.
#include "datafiles/Node.h"

#include "datafiles/ContentReader.h"
#include "datafiles/Parser.h"

#include <algorithm>
#include <utility>

namespace Brisk {

namespace {

Node CopyWithoutChildren(const Node& source) {
    Node copy;
    copy.name = source.name;
    copy.text = source.text;
    copy.openKind = source.openKind;
    copy.closeKind = source.closeKind;
    copy.positions = source.positions;
    copy.attributes = source.attributes;
    copy.comments = source.comments;
    return copy;
}

void PrepareForLoad(Node& node, std::string name) {
    Node emptied;
    emptied.name = std::move(name);
    emptied.openKind = node.openKind;
    emptied.closeKind = node.closeKind;
    node = std::move(emptied);
}

int LoadFileInto(Node& node, const std::string& path, std::vector<NestingRepair>* repairs,
                 CommentHandling handling) {
    try {
        Parser parser(path);
        parser.skipComments = true;
        parser.keepComments = handling == CommentHandling::keep;
        PrepareForLoad(node, path);
        ReadContent(parser, node, repairs);
    } catch (const Parser::FileOpenError&) {
        return 1;
    }
    return 0;
}

int LoadTextInto(Node& node, const char* source, std::vector<NestingRepair>* repairs,
                 CommentHandling handling) {
    Parser parser(source);
    parser.skipComments = true;
    parser.keepComments = handling == CommentHandling::keep;
    PrepareForLoad(node, "mem");
    ReadContent(parser, node, repairs);
    return 0;
}

} // namespace

Node::Node(const Node& other)
    : name(other.name), text(other.text), openKind(other.openKind), closeKind(other.closeKind),
      positions(other.positions), attributes(other.attributes), comments(other.comments) {
    // Each copied level is reserved to its final size before its children are filled, so the
    // destinations on the work list stay put.
    std::vector<std::pair<const Node*, Node*>> work{{&other, this}};
    while (!work.empty()) {
        auto [source, destination] = work.back();
        work.pop_back();
        destination->children.reserve(source->children.size());
        for (const Node& child : source->children) {
            destination->children.push_back(CopyWithoutChildren(child));
        }
        for (std::size_t index = 0; index < source->children.size(); ++index) {
            work.emplace_back(&source->children[index], &destination->children[index]);
        }
    }
}

Node& Node::operator=(const Node& other) {
    if (this != &other) {
        *this = Node(other);
    }
    return *this;
}

Node& Node::operator=(Node&& other) noexcept {
    if (this != &other) {
        // other may live inside this tree: take it out before letting go of our children.
        Node taken(std::move(other));
        ReleaseChildren();
        name = std::move(taken.name);
        text = std::move(taken.text);
        openKind = taken.openKind;
        closeKind = taken.closeKind;
        children = std::move(taken.children);
        positions = std::move(taken.positions);
        attributes = std::move(taken.attributes);
        comments = std::move(taken.comments);
    }
    return *this;
}

Node::~Node() {
    ReleaseChildren();
}

void Node::ReleaseChildren() noexcept {
    if (children.empty()) {
        return;
    }
    // Flattens the tree so that no destructor ever sees a child with children of its own.
    std::vector<Node> pending = std::move(children);
    children.clear();
    while (!pending.empty()) {
        Node last = std::move(pending.back());
        pending.pop_back();
        for (Node& child : last.children) {
            pending.push_back(std::move(child));
        }
        last.children.clear();
    }
}

int Node::LoadFile(const std::string& path, CommentHandling handling) {
    return LoadFileInto(*this, path, nullptr, handling);
}

int Node::LoadFile(const std::string& path, std::vector<NestingRepair>& repairs) {
    return LoadFileInto(*this, path, &repairs, CommentHandling::drop);
}

int Node::LoadText(const char* source, CommentHandling handling) {
    return LoadTextInto(*this, source, nullptr, handling);
}

int Node::LoadText(const char* source, std::vector<NestingRepair>& repairs) {
    return LoadTextInto(*this, source, &repairs, CommentHandling::drop);
}

const Node* Node::FindChild(const std::string& childName) const {
    for (const Node& child : children) {
        if (child.name == childName) {
            return &child;
        }
    }
    return nullptr;
}

Node* Node::FindChild(const std::string& childName) {
    return const_cast<Node*>(std::as_const(*this).FindChild(childName));
}

const Attribute* Node::FindAttribute(const std::string& attributeName) const {
    for (const Attribute& attribute : attributes) {
        if (attribute.name == attributeName) {
            return &attribute;
        }
    }
    return nullptr;
}

Attribute* Node::FindAttribute(const std::string& attributeName) {
    return const_cast<Attribute*>(std::as_const(*this).FindAttribute(attributeName));
}

void Node::AppendChild(Node child) {
    positions.push_back(static_cast<unsigned>(text.size()));
    children.push_back(std::move(child));
}

namespace {

bool SameAttributes(const std::vector<Attribute>& left, const std::vector<Attribute>& right) {
    if (left.size() != right.size()) {
        return false;
    }
    for (std::size_t index = 0; index < left.size(); ++index) {
        if (left[index].name != right[index].name || left[index].value != right[index].value) {
            return false;
        }
    }
    return true;
}

bool SameComments(const std::vector<Comment>& left, const std::vector<Comment>& right) {
    return std::equal(
        left.begin(), left.end(), right.begin(), right.end(), [](const Comment& a, const Comment& b) {
            return a.position == b.position && a.childrenBefore == b.childrenBefore && a.body == b.body;
        });
}

bool SameElement(const Node& left, const Node& right) {
    return left.name == right.name && left.text == right.text && left.openKind == right.openKind &&
           left.closeKind == right.closeKind && left.positions == right.positions &&
           left.children.size() == right.children.size() &&
           SameAttributes(left.attributes, right.attributes) && SameComments(left.comments, right.comments);
}

} // namespace

bool SameTree(const Node& left, const Node& right) {
    std::vector<std::pair<const Node*, const Node*>> work{{&left, &right}};
    while (!work.empty()) {
        auto [a, b] = work.back();
        work.pop_back();
        if (!SameElement(*a, *b)) {
            return false;
        }
        for (std::size_t index = 0; index < a->children.size(); ++index) {
            work.emplace_back(&a->children[index], &b->children[index]);
        }
    }
    return true;
}

} // namespace Brisk
