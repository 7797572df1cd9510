// The difficulties of the computer opponent, read from "commander.xml" as hostile input: every value is
// checked against its range before it is used, every fault is one line naming the file and the element,
// and a value at fault keeps its default, so a broken file still gives a commander that plays.
//
//   std::vector<std::string> faults;
//   CommanderBook book = LoadCommanderBook(faults);   // through the data archive
//   const Difficulty& hard = book.Find("hard");       // "normal" for a name the file lacks
#pragma once

#include "commander/Difficulty.h"
#include "datafiles/Node.h"

#include <string>
#include <string_view>
#include <vector>

namespace Vorn {

namespace CommanderLimits {
// More difficulties than a menu could offer are ignored.
inline constexpr std::size_t maxDifficulties = 16;
// A longer build order is cut here: it could never be built within one game.
inline constexpr std::size_t maxBuildOrder = 64;
inline constexpr std::size_t maxNameLength = 32;
} // namespace CommanderLimits

inline constexpr std::string_view commanderFileName = "commander.xml";
inline constexpr std::string_view defaultDifficultyName = "normal";

class CommanderBook {
public:
    // Reads the difficulties of the document. Each fault appends one line "FILE: WHERE: reason".
    static CommanderBook Read(const Brisk::Node& document, std::string_view fileName,
                              std::vector<std::string>& faults);

    // The difficulty of that name; "normal" for an unknown name, and the built-in one when the file has
    // no "normal" either.
    const Difficulty& Find(std::string_view name) const;
    bool Has(std::string_view name) const;
    const std::vector<Difficulty>& Difficulties() const { return difficulties; }

private:
    std::vector<Difficulty> difficulties;
    Difficulty builtIn = BuiltInDifficulty();

    static Difficulty BuiltInDifficulty();
};

// Reads "commander.xml" through the data archive: the faults of its values and the places where its
// nesting was broken, with their lines.
CommanderBook LoadCommanderBook(std::vector<std::string>& faults);

} // namespace Vorn
