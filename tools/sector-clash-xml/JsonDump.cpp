// A document tree as JSON, one object per node.
#include "tools/sector-clash-xml/JsonDump.h"

#include "tools/shared/JsonText.h"

#include <vector>

namespace {

using toolkit::AppendJsonString;

void AppendNodeHead(std::string& out, const Brisk::Node& node) {
    out += "{\"name\": ";
    AppendJsonString(out, node.name);
    out += ", \"text\": ";
    AppendJsonString(out, node.text);
    out += ", \"open\": " + std::to_string(node.openKind);
    out += ", \"close\": " + std::to_string(node.closeKind);
    out += ", \"attributes\": [";
    for (std::size_t index = 0; index < node.attributes.size(); ++index) {
        out += index == 0 ? "[" : ", [";
        AppendJsonString(out, node.attributes[index].name);
        out += ", ";
        AppendJsonString(out, node.attributes[index].value);
        out += ']';
    }
    out += "], \"positions\": [";
    for (std::size_t index = 0; index < node.positions.size(); ++index) {
        out += (index == 0 ? "" : ", ") + std::to_string(node.positions[index]);
    }
    out += "], \"children\": [";
}

struct Frame {
    const Brisk::Node* node;
    std::size_t nextChild = 0;
};

} // namespace

std::string DumpJson(const Brisk::Node& root) {
    std::string out;
    AppendNodeHead(out, root);
    // Iterative, so that deeply nested files dump like any other.
    std::vector<Frame> frames{{&root}};
    while (!frames.empty()) {
        Frame& frame = frames.back();
        if (frame.nextChild < frame.node->children.size()) {
            const Brisk::Node& child = frame.node->children[frame.nextChild];
            out += frame.nextChild++ == 0 ? "" : ", ";
            AppendNodeHead(out, child);
            frames.push_back({&child});
            continue;
        }
        out += "]}";
        frames.pop_back();
    }
    return out;
}
