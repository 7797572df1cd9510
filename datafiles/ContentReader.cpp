// Builds the element tree of a document: text, start tags with their attributes, implicit closing.
#include "datafiles/ContentReader.h"

#include <cstring>

namespace Brisk {

namespace {

enum class StartTag { discarded, empty, open };

bool IsCloseMarker(int character) {
    return character > 0 && std::strchr("/!?#&*+@~", character) != nullptr;
}

// Character data of the node on top; a reference that ran into the end of the input adds nothing.
void ReadText(Parser& parser, Node& node, int character) {
    char byte = static_cast<char>(character);
    if (character == '&') {
        parser.StepBack();
        byte = parser.ReadReference();
    }
    if (!parser.AtEnd()) {
        node.text += byte;
    }
}

void ReadAttribute(Parser& parser, Node& element) {
    Attribute attribute;
    attribute.name = parser.ReadName();
    if (parser.Read() == '=') {
        attribute.value = parser.ReadAttributeValue();
    } else {
        parser.StepBack();
        attribute.value = "true";
    }
    element.attributes.push_back(std::move(attribute));
}

// The reader stands right after "<". A tag that runs into the end of the input is discarded.
StartTag ReadStartTag(Parser& parser, Node& element) {
    int marker = parser.Read();
    if (Parser::IsNameCharacter(marker)) {
        parser.StepBack();
    } else {
        element.openKind = KindOfMarker(marker);
    }
    element.name = parser.ReadName();
    while (!parser.AtEnd()) {
        int character = parser.Read();
        if (Parser::IsNameCharacter(character)) {
            parser.StepBack();
            ReadAttribute(parser, element);
        } else if (IsCloseMarker(character)) {
            if (parser.Read() == '>') {
                element.closeKind = KindOfMarker(character);
                return StartTag::empty;
            }
            parser.StepBack();
        } else if (character == '>') {
            return StartTag::open;
        }
    }
    return StartTag::discarded;
}

// The reader stands right after "</". A tag naming the open element closes it; any other tag is left
// for the enclosing elements, so it closes every open element up to the one it names.
void ReadClosingTag(Parser& parser, const std::string& openName) {
    parser.Mark();
    if (parser.ReadName() == openName) {
        int character = parser.Read();
        while (character != '>' && character != Parser::endOfInput) {
            character = parser.Read();
        }
        parser.DropMark();
        return;
    }
    parser.ResetToMark();
    parser.StepBack(2);
}

// Comments the reader has passed belong where the node's content has got to: after its text so far and
// its children so far. Two at the same place are one, as the writers would write them.
void PlaceComments(Parser& parser, Node& node) {
    for (std::string& body : parser.keptComments) {
        const auto position = static_cast<unsigned>(node.text.size());
        const std::size_t childrenBefore = node.children.size();
        Comment* last = node.comments.empty() ? nullptr : &node.comments.back();
        if (last != nullptr && last->position == position && last->childrenBefore == childrenBefore) {
            last->body += ' ' + body;
        } else {
            node.comments.push_back({position, childrenBefore, std::move(body)});
        }
    }
    parser.keptComments.clear();
}

// Ends the element on top of the stack; false when that is the document itself.
bool CloseTop(std::vector<Node>& open) {
    if (open.size() == 1) {
        return false;
    }
    Node closed = std::move(open.back());
    open.pop_back();
    open.back().AppendChild(std::move(closed));
    return true;
}

} // namespace

void ReadContent(Parser& parser, Node& document) {
    std::vector<Node> open;
    open.push_back(std::move(document));
    for (;;) {
        if (parser.AtEnd()) {
            if (!CloseTop(open)) {
                break;
            }
            continue;
        }
        int character = parser.Read();
        PlaceComments(parser, open.back());
        if (character != '<') {
            ReadText(parser, open.back(), character);
            continue;
        }
        if (parser.Read() == '/') {
            ReadClosingTag(parser, open.back().name);
            if (!CloseTop(open)) {
                break;
            }
            continue;
        }
        parser.StepBack();
        Node element;
        switch (ReadStartTag(parser, element)) {
        case StartTag::discarded:
            break;
        case StartTag::empty:
            open.back().AppendChild(std::move(element));
            break;
        case StartTag::open:
            open.push_back(std::move(element));
            break;
        }
    }
    // What a tag cut off by the end of the input held.
    PlaceComments(parser, open.front());
    document = std::move(open.front());
}

} // namespace Brisk
