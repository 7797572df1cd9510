// What every program of the project does with its command line alike: "--help" prints the usage and
// "--version" the version, both succeeding; a wrong argument is named in one line before the usage, and
// numbers are read strictly.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace toolkit {

// The random generator takes a 32-bit seed: every tool that seeds it accepts the whole range.
inline constexpr std::uint64_t largestSeed = 4294967295u;

// Whether any argument asks for the usage ("--help" or "-h").
bool AsksForHelp(int argc, char** argv);

// Whether any argument asks for the version ("--version").
bool AsksForVersion(int argc, char** argv);

// The usage on standard output for "--help", with a line on --help and --version; answers the exit code 0.
int ShowUsage(const char* usage);
// "PROGRAM (Sector Clash) VERSION" and the licences in brief on standard output, for "--version"; answers
// the exit code 0.
int ShowVersion(const char* program);
// "PROGRAM: FAULT" and the usage on standard error; answers the exit code of bad usage, 2.
int RefuseUsage(const char* program, const std::string& fault, const char* usage);

// Decimal digits only (no sign, no spaces, no fraction), from low to high; nothing otherwise.
std::optional<std::uint64_t> WholeNumber(std::string_view text, std::uint64_t low, std::uint64_t high);
// A finite decimal number from low to high; nothing otherwise.
std::optional<double> RealNumber(std::string_view text, double low, double high);

// The one-line faults, each naming the option or argument at fault.
std::string UnknownOption(std::string_view argument);
std::string MissingValue(std::string_view option);
std::string WrongWholeNumber(std::string_view option, std::string_view text, std::uint64_t low,
                             std::uint64_t high);
std::string WrongValue(std::string_view option, std::string_view text, std::string_view expected);

// An option that takes a whole number in a range, and where the tool keeps it: a tool lists its options
// in one table, so each range has one home and the fault names the option.
template <typename Options> struct WholeOption {
    std::string_view name;
    std::uint64_t low;
    std::uint64_t high;
    void (*store)(Options& options, std::uint64_t value);
};

// The entry of that name; null when the table has none.
template <typename Options>
const WholeOption<Options>* FindWholeOption(std::span<const WholeOption<Options>> table,
                                            std::string_view name) {
    for (const WholeOption<Options>& option : table)
        if (option.name == name)
            return &option;
    return nullptr;
}

// Stores the value when it is a whole number in the option's range; otherwise the fault says so.
template <typename Options>
bool StoreWholeOption(const WholeOption<Options>& option, std::string_view value, Options& options,
                      std::string& fault) {
    const std::optional<std::uint64_t> number = WholeNumber(value, option.low, option.high);
    if (!number) {
        fault = WrongWholeNumber(option.name, value, option.low, option.high);
        return false;
    }
    option.store(options, *number);
    return true;
}

} // namespace toolkit
