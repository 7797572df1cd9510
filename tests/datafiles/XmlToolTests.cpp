// The data authors' tool: the JSON form of a parsed document and the written copies.
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::filesystem::path Tool() {
    return testing_support::BinDir() / "sector-clash-xml";
}

std::string RunTool(const std::string& arguments, int& status) {
    std::string command = Tool().string() + " " + arguments;
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    std::array<char, 4096> buffer{};
    while (std::size_t count = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
        output.append(buffer.data(), count);
    }
    status = pclose(pipe);
    return output;
}

std::filesystem::path WriteInput(const std::string& content) {
    std::filesystem::path path = testing_support::ScratchDir("xml_tool") / "in.xml";
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

} // namespace

TEST(XmlTool, DumpGivesOneObjectPerNodeWithBytesAsLatin1) {
    if (!std::filesystem::exists(Tool())) {
        GTEST_SKIP() << "sector-clash-xml is not built";
    }
    std::filesystem::path input = WriteInput("<a x=\"q\\\">t\xE9\x01<b/></a>\n");
    int status = 0;
    std::string json = RunTool("dump " + input.string(), status);
    EXPECT_EQ(status, 0);
    std::string name = input.string();
    EXPECT_EQ(
        json,
        "{\"name\": \"" + name +
            "\", \"text\": \"\\n\", \"open\": 0, \"close\": 0, \"attributes\": [], \"positions\": [0], "
            "\"children\": [{\"name\": \"a\", \"text\": \"t\xC3\xA9 \", \"open\": 0, \"close\": 0, "
            "\"attributes\": [[\"x\", \"q\\\\\"]], \"positions\": [3], \"children\": [{\"name\": \"b\", "
            "\"text\": \"\", \"open\": 0, \"close\": 0, \"attributes\": [], \"positions\": [], "
            "\"children\": []}]}]}\n");
}

TEST(XmlTool, SaveAndPrettyWriteTheParsedDocumentWithItsComments) {
    if (!std::filesystem::exists(Tool())) {
        GTEST_SKIP() << "sector-clash-xml is not built";
    }
    std::filesystem::path input = WriteInput("<a>x<!-- kept --><b k=v/></a>");
    std::filesystem::path output = input.parent_path() / "out.xml";
    int status = 0;
    RunTool("save " + input.string() + " " + output.string(), status);
    EXPECT_EQ(status, 0);
    std::stringstream saved;
    saved << std::ifstream(output).rdbuf();
    EXPECT_EQ(saved.str(), "<a>x<!-- kept --><b k=\"v\" /></a>");
    RunTool("pretty " + input.string() + " " + input.string(), status);
    EXPECT_EQ(status, 0);
    std::stringstream pretty;
    pretty << std::ifstream(input).rdbuf();
    EXPECT_EQ(pretty.str(), "<a>\n\t<!-- kept -->\n\t<b k=\"v\" />\n</a>\n") << "a file rewritten in place";
    RunTool("dump /no/such/file.xml 2>/dev/null", status);
    EXPECT_NE(status, 0);
    std::string message =
        RunTool("save " + input.string() + " " + input.parent_path().string() + " 2>&1", status);
    EXPECT_NE(status, 0);
    EXPECT_EQ(message, input.parent_path().string() + ": cannot be written (Is a directory)\n");
}
