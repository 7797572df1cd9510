// sector-clash-xml: shows how the game reads an XML data file and writes it back.
//
//   sector-clash-xml dump FILE         the parsed document as JSON, one object per node, as the game reads
//                                      it (without comments)
//   sector-clash-xml save FILE OUT     the parsed document written back exactly, comments kept
//   sector-clash-xml pretty FILE OUT   the parsed document written one element per line, comments kept
#include "datafiles/Node.h"
#include "datafiles/Writer.h"
#include "tools/sector-clash-xml/JsonDump.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: sector-clash-xml dump FILE | save FILE OUT | pretty FILE OUT\n");
    return 2;
}

bool Load(Brisk::Node& document, const std::string& path, Brisk::CommentHandling comments) {
    if (document.LoadFile(path, comments) != 0) {
        std::fprintf(stderr, "%s: cannot be opened\n", path.c_str());
        return false;
    }
    return true;
}

int Write(const Brisk::Node& document, const std::string& path, bool pretty) {
    int status = pretty ? Brisk::SavePretty(document, path) : Brisk::SaveFile(document, path);
    if (status != 0) {
        std::fprintf(stderr, "%s: cannot be written (%s)\n", path.c_str(), std::strerror(errno));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return Usage();
    }
    std::string command = argv[1];
    Brisk::Node document;
    if (command == "dump" && argc == 3) {
        if (!Load(document, argv[2], Brisk::CommentHandling::drop)) {
            return 1;
        }
        std::string json = DumpJson(document);
        json += '\n';
        std::fwrite(json.data(), 1, json.size(), stdout);
        return 0;
    }
    if ((command == "save" || command == "pretty") && argc == 4) {
        if (!Load(document, argv[2], Brisk::CommentHandling::keep)) {
            return 1;
        }
        return Write(document, argv[3], command == "pretty");
    }
    return Usage();
}
