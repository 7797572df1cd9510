// Writing XML documents back to files, in the exact form the reader reads or pretty-printed.
#include "datafiles/Writer.h"

#include "datafiles/Escaping.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace Brisk {

namespace {

bool HasContent(const Node& element) {
    return !element.children.empty() || !element.text.empty();
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
    std::size_t written = 0;
};

void WriteTextUpTo(std::string& out, ExactFrame& frame, std::size_t end) {
    for (; frame.written < end; ++frame.written) {
        AppendEscaped(out, frame.node->text[frame.written]);
    }
}

struct PrettyFrame {
    const Node* node;
    std::size_t nextChild = 0;
    std::size_t depth = 0;
};

void WritePrettyElement(std::string& out, const Node& element, std::size_t depth,
                        std::vector<PrettyFrame>& frames) {
    out.append(depth, '\t');
    WriteStartTag(out, element, true);
    if (!element.children.empty()) {
        out += ">\n";
        frames.push_back({&element, 0, depth + 1});
        return;
    }
    if (!element.text.empty()) {
        out += '>';
        AppendEscaped(out, element.text);
        WriteEndTag(out, element);
    } else {
        WriteEmptyEnd(out, element);
    }
    out += '\n';
}

int WriteToFile(const std::string& content, const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "w");
    if (file == nullptr) {
        return 1;
    }
    std::fwrite(content.data(), 1, content.size(), file);
    std::fclose(file);
    return 0;
}

} // namespace

std::string WriteExact(const Node& node) {
    std::string out;
    std::vector<ExactFrame> frames{{&node}};
    while (!frames.empty()) {
        ExactFrame& frame = frames.back();
        const Node& current = *frame.node;
        if (frame.nextChild < current.children.size()) {
            WriteTextUpTo(out, frame, ChildPosition(current, frame.nextChild, frame.written));
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
    std::vector<PrettyFrame> frames{{&node, 0, 0}};
    while (!frames.empty()) {
        PrettyFrame& frame = frames.back();
        const Node& current = *frame.node;
        if (frame.nextChild < current.children.size()) {
            std::size_t depth = frame.depth;
            const Node& child = current.children[frame.nextChild++];
            WritePrettyElement(out, child, depth, frames);
            continue;
        }
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
    return WriteToFile(WriteExact(node), path);
}

int SavePretty(const Node& node, const std::string& path) {
    return WriteToFile(WritePretty(node), path);
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
