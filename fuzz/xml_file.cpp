// Fuzzes the XML reader on files, and checks that a file and the same bytes in memory give the same tree.
#include "fuzz/xml_checks.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

std::string ScratchPath() {
    return "/tmp/fuzz_xml_file_" + std::to_string(getpid()) + ".xml";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = ScratchPath();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    Brisk::Node fromFile;
    if (fromFile.LoadFile(path) != 0) {
        std::abort();
    }
    xml_fuzz::CheckRoundTrip(fromFile);
    // Text in memory ends at its first NUL; a file goes on past it.
    if (std::memchr(data, 0, size) == nullptr) {
        std::string text(reinterpret_cast<const char*>(data), size);
        Brisk::Node fromText;
        fromText.LoadText(text.c_str());
        fromText.name = fromFile.name;
        if (!Brisk::SameTree(fromFile, fromText)) {
            std::abort();
        }
    }
    return 0;
}
