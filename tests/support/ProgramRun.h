// Running the project's programs from tests and collecting what they print.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

struct CommandResult {
    int exitCode = -1; // -1 when the command could not be started or did not exit normally
    std::string output; // its standard output
};

// Runs the shell command and waits for it.
CommandResult RunCommand(const std::string& command);

// The game and the programs of tools/ that this build made: what an installation installs.
std::vector<std::string> BuiltPrograms();

// The raw text of a member's value in the last flat JSON line of a program's output that has it (a run
// prints its summary last): up to the next comma or closing brace; empty when no line has it.
std::string LastJsonMember(const std::string& output, const std::string& name);

// The raw text of a member's value in the first flat JSON line of the output that has it.
std::string FirstJsonMember(const std::string& output, const std::string& name);

// How many times `part` stands in the text, overlaps counted.
std::size_t Occurrences(const std::string& text, const std::string& part);

// The 16-digit state digest of a program's JSON summary ("digest": "..."); empty when it printed none.
std::string DigestIn(const std::string& output);

// The whole text of a file; empty when it cannot be read.
std::string TextOf(const std::filesystem::path& path);

// The text of a shipped data file, by its name under data/.
std::string ShippedText(const std::string& name);

// The driver's option for runs whose checks read the game's state rather than its pictures: only every
// hundredth frame and the --shot frames are drawn, the others skip the renderer's fill and nothing else,
// so the digest and the shots are those of a run that draws every frame. Spaces on both sides.
inline const std::string drawFewFrames = " --draw-every 100 ";

// Whether there is an X display for the programs that open a window.
bool HaveDisplay();

// sector-clash-check on the folder, limited to one area, its standard error dropped.
CommandResult RunCheckArea(const std::filesystem::path& folder, const std::string& area);

} // namespace testing_support
