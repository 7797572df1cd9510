// Tools that read the game's data find it where the game does (shell/program/DataLocation.h): the
// working directory's "data/", else the installed one beside the program.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace toolkit {

// The "data/" folder the game would read, started where this tool was; nothing when there is none.
std::optional<std::filesystem::path> FindGameData();

// Why there is none: the folders searched, in one line.
std::string NoGameDataFault();

// Makes the folder holding "data/" the working directory, as the game does before it reads anything
// (paths the tool was given must be made absolute first). False, with NoGameDataFault on standard error
// after "PROGRAM: ", when no data folder is found or the folder cannot be entered.
bool EnterGameData(const char* program);

} // namespace toolkit
