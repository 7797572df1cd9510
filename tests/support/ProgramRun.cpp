// Running the project's programs from tests and collecting what they print.
#include "tests/support/ProgramRun.h"

#include "tests/support/TestPaths.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
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

std::vector<std::string> BuiltPrograms() {
    std::vector<std::string> programs{"sector-clash"};
    for (const auto& entry : std::filesystem::directory_iterator(SourceDir() / "tools")) {
        const std::string program = entry.path().filename().string();
        if (entry.is_directory() && std::filesystem::exists(BinDir() / program))
            programs.push_back(program);
    }
    return programs;
}

CommandResult RunCheckArea(const std::filesystem::path& folder, const std::string& area) {
    return RunCommand((BinDir() / "sector-clash-check").string() + " --only " + area + " '" + folder.string() +
                      "' 2>/dev/null");
}

namespace {

std::string JsonKey(const std::string& name) {
    return "\"" + name + "\": ";
}

// The value whose key starts at `start`: up to the next comma or closing brace.
std::string ValueOfKeyAt(const std::string& output, std::size_t start, const std::string& key) {
    if (start == std::string::npos)
        return "";
    const auto from = start + key.size();
    return output.substr(from, output.find_first_of(",}", from) - from);
}

} // namespace

std::string LastJsonMember(const std::string& output, const std::string& name) {
    const std::string key = JsonKey(name);
    return ValueOfKeyAt(output, output.rfind(key), key);
}

std::string FirstJsonMember(const std::string& output, const std::string& name) {
    const std::string key = JsonKey(name);
    return ValueOfKeyAt(output, output.find(key), key);
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

std::string DigestIn(const std::string& output) {
    std::smatch match;
    return std::regex_search(output, match, std::regex("\"digest\": \"([0-9a-f]{16})\"")) ? match[1].str()
                                                                                          : "";
}

std::string TextOf(const std::filesystem::path& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string ShippedText(const std::string& name) {
    return TextOf(SourceDir() / "data" / name);
}

bool HaveDisplay() {
    return std::getenv("DISPLAY") != nullptr;
}

} // namespace testing_support
