// Writing XML documents back to files, in the exact form the reader reads or pretty-printed.
#include "datafiles/Writer.h"

#include "datafiles/Escaping.h"
#include "datafiles/ReplaceFile.h"

#include <algorithm>
#include <vector>

namespace Brisk {

namespace {

bool HasContent(const Node& element) {
    return !element.children.empty() || !element.text.empty() || !element.comments.empty();
}

// Two comments with nothing between them would read back as one comment and an element named after the
// second ("<!--a--><!--b-->": the byte after a comment is never taken for the start of another), so the
// second joins the first. commentEnd is where the last comment written ends in out.
void WriteComment(std::string& out, const Comment& comment, std::size_t& commentEnd) {
    if (commentEnd == out.size()) {
        out.resize(out.size() - 3);
        out += ' ';
    } else {
        out += "<!--";
    }
    out += comment.body;
    out += "-->";
    commentEnd = out.size();
}

char OpenMarker(const Node& element, bool pretty) {
    if (element.openKind < 1 || element.openKind > 8 || (pretty && element.openKind > 2)) {
        return '\0';
    }
    return MarkerOfKind(element.openKind);
}

void WriteStartTag(std::string& out, const Node& element, bool pretty) {
    out += '<';
    if (char marker = OpenMarker(element, pretty)) {
        out += marker;
    }
    out += element.name;
    for (const Attribute& attribute : element.attributes) {
        out += ' ';
        out += attribute.name;
        out += "=\"";
        AppendEscaped(out, attribute.value);
        out += '"';
    }
}

void WriteEmptyEnd(std::string& out, const Node& element) {
    if (!element.attributes.empty()) {
        out += ' ';
    }
    out += MarkerOfKind(element.closeKind);
    out += '>';
}

void WriteEndTag(std::string& out, const Node& element) {
    out += "</";
    out += element.name;
    out += '>';
}

// Where child index goes in the text: its recorded position, never before the text already written and
// never past the end, so that no child is lost even if positions were set by hand.
std::size_t ChildPosition(const Node& node, std::size_t index, std::size_t written) {
    std::size_t position = index < node.positions.size() ? node.positions[index] : node.text.size();
    return std::clamp(position, written, node.text.size());
}

struct ExactFrame {
    const Node* node;
    std::size_t nextChild = 0;
    std::size_t nextComment = 0;
    std::size_t written = 0;
};

void WriteTextUpTo(std::string& out, ExactFrame& frame, std::size_t end) {
    for (; frame.written < end; ++frame.written) {
        AppendEscaped(out, frame.node->text[frame.written]);
    }
}

// The comments that stand before child `child` (every one left, for the number of children), each after
// the text up to its position, which goes no further than `limit`.
void WriteCommentsBefore(std::string& out, ExactFrame& frame, std::size_t child, std::size_t limit,
                         std::size_t& commentEnd) {
    const std::vector<Comment>& comments = frame.node->comments;
    while (frame.nextComment < comments.size() && comments[frame.nextComment].childrenBefore <= child) {
        const Comment& comment = comments[frame.nextComment++];
        WriteTextUpTo(out, frame, std::clamp<std::size_t>(comment.position, frame.written, limit));
        WriteComment(out, comment, commentEnd);
    }
}

struct PrettyFrame {
    const Node* node;
    std::size_t nextChild = 0;
    std::size_t nextComment = 0;
    std::size_t depth = 0;
};

// An element without children keeps its text, with its comments where they stood in it.
void WriteLeafContent(std::string& out, const Node& element, std::size_t& commentEnd) {
    std::size_t written = 0;
    for (const Comment& comment : element.comments) {
        const std::size_t at = std::clamp<std::size_t>(comment.position, written, element.text.size());
        AppendEscaped(out, element.text.substr(written, at - written));
        written = at;
        WriteComment(out, comment, commentEnd);
    }
    AppendEscaped(out, element.text.substr(written));
}

// Between elements, a comment takes a line of its own at their depth.
void WriteCommentLinesBefore(std::string& out, PrettyFrame& frame, std::size_t child,
                             std::size_t& commentEnd) {
    const std::vector<Comment>& comments = frame.node->comments;
    while (frame.nextComment < comments.size() && comments[frame.nextComment].childrenBefore <= child) {
        out.append(frame.depth, '\t');
        WriteComment(out, comments[frame.nextComment++], commentEnd);
        out += '\n';
    }
}

void WritePrettyElement(std::string& out, const Node& element, std::size_t depth,
                        std::vector<PrettyFrame>& frames, std::size_t& commentEnd) {
    out.append(depth, '\t');
    WriteStartTag(out, element, true);
    if (!element.children.empty()) {
        out += ">\n";
        frames.push_back({&element, 0, 0, depth + 1});
        return;
    }
    if (HasContent(element)) {
        out += '>';
        WriteLeafContent(out, element, commentEnd);
        WriteEndTag(out, element);
    } else {
        WriteEmptyEnd(out, element);
    }
    out += '\n';
}

} // namespace

std::string WriteExact(const Node& node) {
    std::string out;
    std::size_t commentEnd = std::string::npos;
    std::vector<ExactFrame> frames{{&node}};
    while (!frames.empty()) {
        ExactFrame& frame = frames.back();
        const Node& current = *frame.node;
        if (frame.nextChild < current.children.size()) {
            const std::size_t position = ChildPosition(current, frame.nextChild, frame.written);
            WriteCommentsBefore(out, frame, frame.nextChild, position, commentEnd);
            WriteTextUpTo(out, frame, position);
            const Node& child = current.children[frame.nextChild++];
            WriteStartTag(out, child, false);
            if (HasContent(child)) {
                out += '>';
                frames.push_back({&child}); // frame is not used after this
            } else {
                WriteEmptyEnd(out, child);
            }
            continue;
        }
        WriteCommentsBefore(out, frame, current.children.size(), current.text.size(), commentEnd);
        WriteTextUpTo(out, frame, current.text.size());
        frames.pop_back();
        if (!frames.empty()) {
            WriteEndTag(out, current);
        }
    }
    return out;
}

std::string WritePretty(const Node& node) {
    std::string out;
    std::size_t commentEnd = std::string::npos;
    std::vector<PrettyFrame> frames{{&node, 0, 0, 0}};
    while (!frames.empty()) {
        PrettyFrame& frame = frames.back();
        const Node& current = *frame.node;
        if (frame.nextChild < current.children.size()) {
            WriteCommentLinesBefore(out, frame, frame.nextChild, commentEnd);
            std::size_t depth = frame.depth;
            const Node& child = current.children[frame.nextChild++];
            WritePrettyElement(out, child, depth, frames, commentEnd);
            continue;
        }
        WriteCommentLinesBefore(out, frame, current.children.size(), commentEnd);
        std::size_t depth = frame.depth;
        frames.pop_back();
        if (!frames.empty()) {
            out.append(depth - 1, '\t');
            WriteEndTag(out, current);
            out += '\n';
        }
    }
    return out;
}

int SaveFile(const Node& node, const std::string& path) {
    return ReplaceFile(path, WriteExact(node)) ? 0 : 1;
}

int SavePretty(const Node& node, const std::string& path) {
    return ReplaceFile(path, WritePretty(node)) ? 0 : 1;
}

void MakeDeclaration(Node& node) {
    node = Node{};
    node.name = "Brisk";
    node.openKind = question;
    node.closeKind = question;
    node.attributes = {
        {"version", "1.0"}, {"encoding", "utf-8"}, {"access", "public"}, {"standalone", "yes"}};
}

} // namespace Brisk
