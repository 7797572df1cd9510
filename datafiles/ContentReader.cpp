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
// for the enclosing elements, so it closes every open element up to the one it names. Answers whether
// the tag named the open element; `name` is the name it gives.
bool ReadClosingTag(Parser& parser, const std::string& openName, std::string& name) {
    parser.Mark();
    name = parser.ReadName();
    if (name == openName) {
        int character = parser.Read();
        while (character != '>' && character != Parser::endOfInput) {
            character = parser.Read();
        }
        parser.DropMark();
        return true;
    }
    parser.ResetToMark();
    parser.StepBack(2);
    return false;
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

// The elements not yet closed, the document first, each with the offset of its start tag's "<".
struct OpenElements {
    std::vector<Node> nodes;
    std::vector<std::size_t> starts;

    bool AtTopLevel() const { return nodes.size() == 1; }
    void Push(Node element, std::size_t start) {
        nodes.push_back(std::move(element));
        starts.push_back(start);
    }
    // Ends the element on top; false when that is the document itself.
    bool CloseTop() {
        if (AtTopLevel()) {
            return false;
        }
        Node closed = std::move(nodes.back());
        nodes.pop_back();
        starts.pop_back();
        nodes.back().AppendChild(std::move(closed));
        return true;
    }
};

// Notes repairs with their lines when the caller asked for them; lines are only counted then.
class RepairNotes {
public:
    RepairNotes(const Parser& parser, std::vector<NestingRepair>* repairs)
        : parser(parser), repairs(repairs) {}

    void Note(NestingRepair::Kind kind, const std::string& element, std::size_t start,
              const std::string& closer = {}, std::size_t closerStart = 0) const {
        if (repairs == nullptr) {
            return;
        }
        const bool closed = kind == NestingRepair::Kind::closedByOuterTag;
        repairs->push_back(
            {kind, element, parser.LineOf(start), closer, closed ? parser.LineOf(closerStart) : 0});
    }

private:
    const Parser& parser;
    std::vector<NestingRepair>* repairs;
};

// The reader stands right after "</", which begins at `start`. Answers false when the reading ends.
bool CloseElement(Parser& parser, OpenElements& open, std::size_t start, const RepairNotes& notes) {
    std::string name;
    const bool named = ReadClosingTag(parser, open.nodes.back().name, name);
    if (open.AtTopLevel()) {
        notes.Note(NestingRepair::Kind::strayClosingTag, name, start);
    } else if (!named) {
        notes.Note(NestingRepair::Kind::closedByOuterTag, open.nodes.back().name, open.starts.back(), name,
                   start);
    }
    return open.CloseTop();
}

} // namespace

void ReadContent(Parser& parser, Node& document, std::vector<NestingRepair>* repairs) {
    const RepairNotes notes(parser, repairs);
    OpenElements open;
    open.Push(std::move(document), 0);
    for (;;) {
        if (parser.AtEnd()) {
            if (open.AtTopLevel()) {
                break;
            }
            notes.Note(NestingRepair::Kind::closedByEnd, open.nodes.back().name, open.starts.back());
            open.CloseTop();
            continue;
        }
        int character = parser.Read();
        PlaceComments(parser, open.nodes.back());
        if (character != '<') {
            ReadText(parser, open.nodes.back(), character);
            continue;
        }
        const std::size_t start = parser.Position() - 1;
        if (parser.Read() == '/') {
            if (!CloseElement(parser, open, start, notes)) {
                break;
            }
            continue;
        }
        parser.StepBack();
        Node element;
        switch (ReadStartTag(parser, element)) {
        case StartTag::discarded:
            notes.Note(NestingRepair::Kind::unfinishedTag, element.name, start);
            break;
        case StartTag::empty:
            open.nodes.back().AppendChild(std::move(element));
            break;
        case StartTag::open:
            open.Push(std::move(element), start);
            break;
        }
    }
    // What a tag cut off by the end of the input held.
    PlaceComments(parser, open.nodes.front());
    document = std::move(open.nodes.front());
}

} // namespace Brisk
