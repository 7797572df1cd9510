// Every texture the code asks for by a literal name is declared in the game's "textures.xml".
#include "datafiles/Node.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

TEST(TextureNames, EveryNameTheCodeLooksUpIsDeclared) {
    const auto root = testing_support::SourceDir();
    Brisk::Node textures;
    ASSERT_EQ(textures.LoadFile((root / "data/textures.xml").string()), 0);
    std::set<std::string> declared;
    for (const Brisk::Node& entry : textures.children) {
        declared.insert(entry.name);
    }
    const std::regex lookup(R"re(FindTexture\(\s*"([^"]*)"\s*\))re");
    int lookups = 0;
    for (const char* folder : {"shell", "game", "graphics", "interface", "world"}) {
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
            for (std::sregex_iterator it(source.begin(), source.end(), lookup), end; it != end; ++it) {
                ++lookups;
                EXPECT_TRUE(declared.count((*it)[1].str())) << (*it)[1].str() << " in " << file.path();
            }
        }
    }
    RecordProperty("lookups", lookups);
}
