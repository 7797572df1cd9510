// Fuzzes the XML reader with comments kept: the tree the game reads must not change, and the comments the
// writer puts back must read back the same, in the same places.
#include "fuzz/xml_checks.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void RemoveComments(Brisk::Node& root) {
    std::vector<Brisk::Node*> work{&root};
    while (!work.empty()) {
        Brisk::Node* node = work.back();
        work.pop_back();
        node->comments.clear();
        for (Brisk::Node& child : node->children) {
            work.push_back(&child);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Brisk::Node asTheGameReadsIt;
    asTheGameReadsIt.LoadText(text.c_str());
    Brisk::Node kept;
    kept.LoadText(text.c_str(), Brisk::CommentHandling::keep);
    if (xml_fuzz::WritableTree(kept)) {
        Brisk::Node reread;
        reread.LoadText(Brisk::WriteExact(kept).c_str(), Brisk::CommentHandling::keep);
        if (!Brisk::SameTree(kept, reread)) {
            std::abort();
        }
    }
    Brisk::WritePretty(kept);
    RemoveComments(kept);
    if (!Brisk::SameTree(kept, asTheGameReadsIt)) {
        std::abort();
    }
    return 0;
}
