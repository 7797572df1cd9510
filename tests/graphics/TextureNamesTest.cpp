// Every texture and font the code asks for by a literal name is on the list of names the game needs, and
// the shipped data declares every name on that list.
#include "graphics/TextureNames.h"
#include "datafiles/Node.h"
#include "graphics/FontNames.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <span>
#include <sstream>
#include <string_view>
#include <vector>

namespace {

struct Lookup {
    std::string name;
    std::string file;
};

// The literal first arguments of every call to `function` in the game's own folders.
std::vector<Lookup> LiteralLookups(const std::string& function) {
    const auto root = testing_support::SourceDir();
    const std::regex call(function + R"re(\(\s*"([^"]*)"\s*\))re");
    std::vector<Lookup> lookups;
    for (const char* folder : {"shell", "game", "graphics", "interface", "world", "ai"}) {
        if (!std::filesystem::exists(root / folder)) {
            continue;
        }
        for (const auto& file : std::filesystem::recursive_directory_iterator(root / folder)) {
            if (file.path().extension() != ".cpp" && file.path().extension() != ".h") {
                continue;
            }
            std::stringstream text;
            text << std::ifstream(file.path()).rdbuf();
            const std::string source = text.str();
            for (std::sregex_iterator it(source.begin(), source.end(), call), end; it != end; ++it) {
                lookups.push_back({(*it)[1].str(), file.path().string()});
            }
        }
    }
    return lookups;
}

std::set<std::string> Declared(const char* dataFile) {
    Brisk::Node document;
    EXPECT_EQ(document.LoadFile((testing_support::SourceDir() / "data" / dataFile).string()), 0) << dataFile;
    std::set<std::string> names;
    for (const Brisk::Node& entry : document.children) {
        names.insert(entry.name);
    }
    return names;
}

void ExpectListedAndDeclared(const std::vector<Lookup>& lookups, std::span<const std::string_view> required,
                             const char* dataFile) {
    const std::set<std::string_view> listed(required.begin(), required.end());
    for (const Lookup& lookup : lookups) {
        EXPECT_TRUE(listed.count(lookup.name)) << lookup.name << " in " << lookup.file << " is not listed";
    }
    const std::set<std::string> declared = Declared(dataFile);
    for (std::string_view name : required) {
        EXPECT_TRUE(declared.count(std::string(name))) << name << " is not declared in " << dataFile;
    }
}

TEST(TextureNames, EveryNameTheCodeLooksUpIsDeclared) {
    ExpectListedAndDeclared(LiteralLookups("FindTexture"), Vorn::TextureNames::RequiredTextureNames(),
                            "textures.xml");
}

TEST(FontNames, EveryNameTheCodeLooksUpIsDeclared) {
    const std::vector<Lookup> lookups = LiteralLookups("FindFont");
    ASSERT_FALSE(lookups.empty()) << "the frame-rate overlay asks for \"default\"";
    ExpectListedAndDeclared(lookups, Vorn::FontNames::RequiredFontNames(), "fonts.xml");
}

} // namespace
