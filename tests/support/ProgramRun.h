// Running the project's programs from tests and collecting what they print.
#pragma once

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

// sector-clash-check on the folder, limited to one area, its standard error dropped.
CommandResult RunCheckArea(const std::filesystem::path& folder, const std::string& area);

} // namespace testing_support
