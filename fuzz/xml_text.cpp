// Fuzzes the XML reader on text in memory, and checks that what it reads survives writing and re-reading.
#include "fuzz/xml_checks.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    Brisk::Node document;
    document.LoadText(text.c_str());
    xml_fuzz::CheckRoundTrip(document);
    Brisk::Node copy = document;
    if (!Brisk::SameTree(copy, document)) {
        std::abort();
    }
    return 0;
}
