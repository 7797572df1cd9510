// Fuzzes the XML reader on text in memory, and checks that what it reads survives writing and re-reading,
// and that noting the repairs of the nesting reads the same tree and names lines that exist.
#include "fuzz/xml_checks.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void CheckRepairs(const std::string& text, const Brisk::Node& document) {
    std::vector<Brisk::NestingRepair> repairs;
    Brisk::Node noted;
    noted.LoadText(text.c_str(), repairs);
    if (!Brisk::SameTree(noted, document)) {
        std::abort();
    }
    // The reader stops at the first NUL.
    const std::string_view read(text.c_str());
    const auto lines = static_cast<unsigned>(std::count(read.begin(), read.end(), '\n')) + 1;
    for (const Brisk::NestingRepair& repair : repairs) {
        if (repair.line < 1 || repair.line > lines || repair.closerLine > lines) {
            std::abort();
        }
        (void)Brisk::Describe(repair);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    Brisk::Node document;
    document.LoadText(text.c_str());
    xml_fuzz::CheckRoundTrip(document);
    CheckRepairs(text, document);
    Brisk::Node copy = document;
    if (!Brisk::SameTree(copy, document)) {
        std::abort();
    }
    return 0;
}
