// Where the tests find the source tree, the built programs and a scratch folder.
#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

inline std::filesystem::path SourceDir() {
    return SECTOR_CLASH_SOURCE_DIR;
}
inline std::filesystem::path BinDir() {
    return SECTOR_CLASH_BIN_DIR;
}
// A fresh empty folder for one test, removed by the caller or left in /tmp.
std::filesystem::path ScratchDir(const std::string& name);

} // namespace testing_support
