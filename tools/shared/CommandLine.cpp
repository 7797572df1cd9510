// The tools' shared reading of their command lines.
#include "tools/shared/CommandLine.h"

#include "shell/GameVersion.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace toolkit {

namespace {

bool HasArgument(int argc, char** argv, std::initializer_list<std::string_view> names) {
    for (int index = 1; index < argc; ++index)
        for (const std::string_view name : names)
            if (argv[index] == name)
                return true;
    return false;
}

} // namespace

bool AsksForHelp(int argc, char** argv) {
    return HasArgument(argc, argv, {"--help", "-h"});
}

bool AsksForVersion(int argc, char** argv) {
    return HasArgument(argc, argv, {"--version"});
}

int ShowUsage(const char* usage) {
    std::fputs(usage, stdout);
    std::fputs("--help prints this, --version the version.\n", stdout);
    return 0;
}

int ShowVersion(const char* program) {
    const std::string_view version = Zelt::GameVersion();
    std::printf(
        "%s (Sector Clash) %.*s\n"
        "The code is free software under the GNU GPL version 3 or later, the data under CC BY-SA 4.0;\n"
        "there is NO WARRANTY, to the extent permitted by law.\n",
        program, static_cast<int>(version.size()), version.data());
    return 0;
}

int RefuseUsage(const char* program, const std::string& fault, const char* usage) {
    std::fprintf(stderr, "%s: %s\n", program, fault.c_str());
    std::fputs(usage, stderr);
    return 2;
}

std::optional<std::uint64_t> WholeNumber(std::string_view text, std::uint64_t low, std::uint64_t high) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    // from_chars takes no sign and no spaces, and tells an overflow apart from a large value.
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<double> RealNumber(std::string_view text, double low, double high) {
    const std::string copy(text);
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (copy.empty() || end != copy.c_str() + copy.size() || !std::isfinite(value) || value < low ||
        value > high)
        return std::nullopt;
    return value;
}

std::string UnknownOption(std::string_view argument) {
    return "unknown option \"" + std::string(argument) + "\"";
}

std::string MissingValue(std::string_view option) {
    return std::string(option) + " needs a value";
}

std::string WrongWholeNumber(std::string_view option, std::string_view text, std::uint64_t low,
                             std::uint64_t high) {
    return WrongValue(option, text,
                      "a whole number from " + std::to_string(low) + " to " + std::to_string(high));
}

std::string WrongValue(std::string_view option, std::string_view text, std::string_view expected) {
    return std::string(option) + " takes " + std::string(expected) + ", not \"" + std::string(text) + "\"";
}

} // namespace toolkit
