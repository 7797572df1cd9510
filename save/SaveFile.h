// Writing and reading save files (docs/saves.md). The reader takes every file as hostile: the first fault
// refuses the whole file with one line naming the file and the reason, and the SavedGame is left empty.
#pragma once

#include "save/SavedGame.h"

#include <string>
#include <string_view>

namespace Vorn {

// The whole file. The same game saved twice gives the same bytes: the file holds no time of writing.
std::string SaveBytes(const SavedGame& saved);
// Written to a temporary name beside the path and renamed over it; false (errno says why) leaves the path
// as it was.
bool WriteSaveFile(const std::string& path, const SavedGame& saved);

// `name` is the file's name for the fault, given as "NAME: reason".
bool ParseSave(std::string_view bytes, const std::string& name, SavedGame& saved, std::string& fault);
// The whole file, refused beyond SaveLimits::maxFileBytes before it is read; the fault names the path.
bool ReadSaveBytes(const std::string& path, std::string& bytes, std::string& fault);
// Refuses a file larger than SaveLimits::maxFileBytes before reading it.
bool ReadSaveFile(const std::string& path, SavedGame& saved, std::string& fault);

} // namespace Vorn
