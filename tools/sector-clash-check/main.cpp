// sector-clash-check: reports, one line each, what the game's tolerant loaders would silently accept in a
// data folder.
#include "tools/sector-clash-check/CheckAreas.h"
#include "tools/shared/CommandLine.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr const char* program = "sector-clash-check";

// The usage with the list of areas, which the checks themselves name.
std::string Usage() {
    std::string usage =
        "usage: sector-clash-check [--only AREA] DATA_FOLDER\n"
        "Checks the game's data files in DATA_FOLDER (normally \"data\") and prints one line per problem,\n"
        "\"FILE: ELEMENT: message\". Exits 0 when there is none, 1 when there is any, 2 on bad usage.\n"
        "The files are read straight from DATA_FOLDER, which may be any copy (for example one in /tmp);\n"
        "the working directory does not matter.\n"
        "Areas:";
    // An area may have several checks, one after the other in the list.
    std::string previous;
    for (const check::Area& area : check::areaChecks) {
        if (area.name != previous)
            usage += std::string(" ") + area.name;
        previous = area.name;
    }
    return usage + "\n";
}

struct Options {
    std::string folder;
    std::string onlyArea;
};

bool IsKnownArea(const std::string& name) {
    for (const check::Area& area : check::areaChecks) {
        if (name == area.name)
            return true;
    }
    return false;
}

bool ParseOptions(int argc, char** argv, Options& options, std::string& fault) {
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument == "--only" && index + 1 >= argc)
            fault = toolkit::MissingValue(argument);
        else if (argument == "--only" && !IsKnownArea(argv[index + 1]))
            fault = toolkit::WrongValue(argument, argv[index + 1], "an area named below");
        else if (argument == "--only")
            options.onlyArea = argv[++index];
        else if (argument.starts_with("-"))
            fault = toolkit::UnknownOption(argument);
        else if (!options.folder.empty())
            fault = "one DATA_FOLDER at a time, not \"" + options.folder + "\" and \"" + argument + "\"";
        else
            options.folder = argument;
        if (!fault.empty())
            return false;
    }
    if (options.folder.empty())
        fault = "no DATA_FOLDER given";
    return fault.empty();
}

} // namespace

int main(int argc, char** argv) {
    if (toolkit::AsksForHelp(argc, argv))
        return toolkit::ShowUsage(Usage().c_str());
    if (toolkit::AsksForVersion(argc, argv))
        return toolkit::ShowVersion(program);
    Options options;
    if (std::string fault; !ParseOptions(argc, argv, options, fault))
        return toolkit::RefuseUsage(program, fault, Usage().c_str());
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
