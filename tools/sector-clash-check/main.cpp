// sector-clash-check: reports, one line each, what the game's tolerant loaders would silently accept in a
// data folder.
#include "tools/sector-clash-check/CheckAreas.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

void PrintUsage() {
    std::fprintf(
        stderr,
        "usage: sector-clash-check [--only AREA] DATA_FOLDER\n"
        "Checks the game's data files in DATA_FOLDER (normally \"data\") and prints one line per problem,\n"
        "\"FILE: ELEMENT: message\". Exits 0 when there is none, 1 when there is any, 2 on bad usage.\n"
        "The files are read straight from DATA_FOLDER, which may be any copy (for example one in /tmp);\n"
        "the working directory does not matter.\n"
        "Areas:");
    // An area may have several checks, one after the other in the list.
    const char* previous = "";
    for (const check::Area& area : check::areaChecks) {
        if (std::strcmp(area.name, previous) != 0)
            std::fprintf(stderr, " %s", area.name);
        previous = area.name;
    }
    std::fprintf(stderr, "\n");
}

struct Options {
    std::string folder;
    std::string onlyArea;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int index = 1; index < argc; ++index) {
        if (std::strcmp(argv[index], "--only") == 0 && index + 1 < argc)
            options.onlyArea = argv[++index];
        else if (argv[index][0] == '-' || !options.folder.empty())
            return false;
        else
            options.folder = argv[index];
    }
    return !options.folder.empty();
}

bool IsKnownArea(const std::string& name) {
    for (const check::Area& area : check::areaChecks) {
        if (name == area.name)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options) || (!options.onlyArea.empty() && !IsKnownArea(options.onlyArea))) {
        PrintUsage();
        return 2;
    }
    if (!std::filesystem::is_directory(options.folder)) {
        std::fprintf(stderr, "sector-clash-check: %s is not a folder\n", options.folder.c_str());
        return 2;
    }

    check::Problems problems;
    check::CheckContext context(options.folder, problems);
    for (const check::Area& area : check::areaChecks) {
        if (options.onlyArea.empty() || options.onlyArea == area.name)
            area.run(context, problems);
    }

    problems.Print(stdout);
    std::fprintf(stderr, "sector-clash-check: %zu problem%s in %s\n", problems.Count(),
                 problems.Count() == 1 ? "" : "s", options.folder.c_str());
    return problems.Empty() ? 0 : 1;
}
