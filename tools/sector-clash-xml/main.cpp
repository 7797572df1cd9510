// sector-clash-xml: shows how the game reads an XML data file and writes it back.
//
//   sector-clash-xml dump FILE         the parsed document as JSON, one object per node, as the game reads
//                                      it (without comments)
//   sector-clash-xml save FILE OUT     the parsed document written back exactly, comments kept
//   sector-clash-xml pretty FILE OUT   the parsed document written one element per line, comments kept
#include "datafiles/Node.h"
#include "datafiles/Writer.h"
#include "tools/sector-clash-xml/JsonDump.h"
#include "tools/shared/CommandLine.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* usage = "usage: sector-clash-xml dump FILE | save FILE OUT | pretty FILE OUT\n";

// What is wrong with the command line, in one line.
std::string UsageFault(int argc, char** argv) {
    for (int index = 1; index < argc; ++index)
        if (argv[index][0] == '-')
            return toolkit::UnknownOption(argv[index]);
    if (argc < 2)
        return "a command is needed (dump, save or pretty)";
    const std::string command = argv[1];
    if (command != "dump" && command != "save" && command != "pretty")
        return "unknown command \"" + command + "\" (dump, save or pretty)";
    return command + (command == "dump" ? " takes FILE" : " takes FILE OUT");
}

int Usage(int argc, char** argv) {
    return toolkit::RefuseUsage("sector-clash-xml", UsageFault(argc, argv), usage);
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
    if (toolkit::AsksForHelp(argc, argv)) {
        return toolkit::ShowUsage(usage);
    }
    if (toolkit::AsksForVersion(argc, argv)) {
        return toolkit::ShowVersion("sector-clash-xml");
    }
    if (argc < 3) {
        return Usage(argc, argv);
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
    return Usage(argc, argv);
}
