// Running the project's programs from tests and collecting what they print.
#include "tests/support/ProgramRun.h"

#include "tests/support/TestPaths.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace testing_support {

CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 4096> buffer;
    while (std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe))
        result.output.append(buffer.data(), read);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

CommandResult RunCheckArea(const std::filesystem::path& folder, const std::string& area) {
    return RunCommand((BinDir() / "sector-clash-check").string() + " --only " + area + " '" + folder.string() +
                      "' 2>/dev/null");
}

} // namespace testing_support
