// Writing a whole file so that it is either replaced completely or left as it was.
#pragma once

#include <string>

namespace Brisk {

// Writes the content to a new file beside the path and renames it over the path, so a failed write (a
// full disk, a folder that cannot be written) never leaves a truncated file where the old one stood. A
// file replaced keeps its permissions; a path that is a symbolic link stays one, and the file it points
// to is replaced. False when anything failed, with errno saying why; the path is then untouched and nothing
// is left behind.
bool ReplaceFile(const std::string& path, const std::string& content);

} // namespace Brisk
