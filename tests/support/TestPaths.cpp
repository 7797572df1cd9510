// Where the tests find the source tree, the built programs and a scratch folder.
#include "tests/support/TestPaths.h"

#include <unistd.h>

namespace testing_support {

std::filesystem::path ScratchDir(const std::string& name) {
    auto dir = std::filesystem::temp_directory_path() /
               ("sector-clash-test-" + std::to_string(getpid()) + "-" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace testing_support
