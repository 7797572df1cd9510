// The XML writers: tags, escaping, the declaration, the number setters, and files that read back unchanged.
#include "datafiles/Writer.h"
#include "tests/datafiles/XmlTestHelpers.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

using xml_test::Parse;

namespace {

std::string ReadWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace

TEST(XmlWriter, EmptyElementsGetASpaceBeforeTheMarkerOnlyWithAttributes) {
    EXPECT_EQ(Brisk::WriteExact(Parse("<a/><b x=1/><c!><d y=2 +>")), "<a/><b x=\"1\" /><c!><d y=\"2\" +>");
}

TEST(XmlWriter, EscapesMarkupAndControlBytesButNotQuotesTabsOrHighBytes) {
    Brisk::Node document = Parse("<a v=\"x&amp;y\">1 &lt; 2 &gt; 0 &#13;&#127;\t\"\xE9</a>");
    document.children[0].attributes.push_back({"t", "a\tb"});
    EXPECT_EQ(Brisk::WriteExact(document),
              "<a v=\"x&amp;y\" t=\"a\tb\">1 &lt; 2 &gt; 0 &#13;&#127;\t\"\xE9</a>");
}

TEST(XmlWriter, DeclarationIsTheLibrarysOwn) {
    Brisk::Node document;
    Brisk::Node declaration = Parse("<old>text<x/></old>").children[0];
    Brisk::MakeDeclaration(declaration);
    document.AppendChild(declaration);
    EXPECT_EQ(Brisk::WriteExact(document),
              "<?Brisk version=\"1.0\" encoding=\"utf-8\" access=\"public\" standalone=\"yes\" ?>");
}

TEST(XmlWriter, SettersFormatNumbersAndBooleans) {
    Brisk::Attribute attribute;
    Brisk::SetInt(attribute, -42);
    EXPECT_EQ(attribute.value, "-42");
    Brisk::SetFloat(attribute, 0.5);
    EXPECT_EQ(attribute.value, "5.000000000000000000e-01");
    EXPECT_DOUBLE_EQ(Brisk::ToFloat(attribute), 0.5);
    Brisk::SetBool(attribute, false);
    EXPECT_EQ(attribute.value, "false");
}

TEST(XmlWriter, PrettyWriterIndentsElementsAndKeepsLeafTexts) {
    Brisk::Node document = Parse("<?xml v=1?> <#root>\n  <a>text</a> <b k=v/></root>");
    EXPECT_EQ(Brisk::WritePretty(document),
              "<?xml v=\"1\" ?>\n<root>\n\t<a>text</a>\n\t<b k=\"v\" />\n</root>\n");
}

TEST(XmlWriter, UnwritablePathAnswersOne) {
    EXPECT_EQ(Brisk::SaveFile(Parse("<a/>"), "/no/such/folder/out.xml"), 1);
    EXPECT_EQ(Brisk::SavePretty(Parse("<a/>"), "/no/such/folder/out.xml"), 1);
}

namespace {

// Holds the size of the files this process may write, as a full disk would; writes beyond it fail.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};

} // namespace

// A file is replaced in one step: a save that cannot be finished leaves the old file and nothing else,
// and a link or a file's permissions survive a save through them.
TEST(XmlWriter, SavingReplacesTheFileWholeOrNotAtAllKeepingItsPermissionsAndLinks) {
    namespace fs = std::filesystem;
    const fs::path folder = testing_support::ScratchDir("xml_replace");
    const fs::path real = folder / "real.xml";
    std::ofstream(real) << "<old/>";
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, folder / "link.xml");
    fs::create_directory(folder / "folder.xml");

    ASSERT_EQ(Brisk::SaveFile(Parse("<new/>"), (folder / "link.xml").string()), 0);
    EXPECT_TRUE(fs::is_symlink(folder / "link.xml"));
    EXPECT_EQ(ReadWhole(real), "<new/>");
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    EXPECT_EQ(Brisk::SavePretty(Parse("<new/>"), (folder / "folder.xml").string()), 1);
    {
        const FileSizeLimit diskFull(4096);
        EXPECT_EQ(Brisk::SaveFile(Parse("<big>" + std::string(100000, 'x') + "</big>"), real.string()), 1);
    }
    EXPECT_EQ(ReadWhole(real), "<new/>");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3)
        << "no temporary file is left behind";
}

TEST(XmlWriter, ChildrenWithPositionsPastTheTextAreStillWritten) {
    Brisk::Node document;
    document.text = "ab";
    document.children.resize(2);
    document.children[0].name = "x";
    document.children[1].name = "y";
    document.positions = {1, 7};
    EXPECT_EQ(Brisk::WriteExact(document), "a<x/>b<y/>");
}

// Saving and loading again must give the same tree, positions included.
class XmlRoundTrip : public ::testing::Test {
protected:
    void ExpectRoundTrip(const Brisk::Node& document) {
        std::filesystem::path path = testing_support::ScratchDir("xml_round_trip") / "out.xml";
        ASSERT_EQ(Brisk::SaveFile(document, path.string()), 0);
        Brisk::Node reread;
        ASSERT_EQ(reread.LoadFile(path.string()), 0);
        reread.name = document.name;
        EXPECT_TRUE(Brisk::SameTree(document, reread)) << ReadWhole(path);
    }
};

TEST_F(XmlRoundTrip, ShippedDataFiles) {
    int files = 0;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(testing_support::SourceDir() / "data")) {
        if (entry.path().extension() != ".xml") {
            continue;
        }
        Brisk::Node document;
        ASSERT_EQ(document.LoadFile(entry.path().string()), 0);
        SCOPED_TRACE(entry.path().string());
        ExpectRoundTrip(document);
        ++files;
    }
    EXPECT_GE(files, 4);
}

namespace {

// Trees as the reader can produce them: names of name characters, values of value characters without
// double quotes, texts of any bytes.
class TreeGenerator {
public:
    explicit TreeGenerator(unsigned seed) : random(seed) {}

    Brisk::Node Document() {
        Brisk::Node document;
        Fill(document, 0);
        return document;
    }

private:
    int Below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(random); }

    std::string Name() {
        static const std::string characters = "abcXYZ_-:$019";
        std::string name(1, "abcXYZ_:$"[Below(9)]);
        for (int length = Below(5); length > 0; --length) {
            name += characters[Below(static_cast<int>(characters.size()))];
        }
        return name;
    }

    std::string Value() {
        std::string value;
        for (int length = Below(6); length > 0; --length) {
            char character = static_cast<char>(32 + Below(95));
            if (character != '"' && character != '<' && character != '>') {
                value += character;
            }
        }
        return value;
    }

    std::string Text() {
        std::string text;
        for (int length = Below(4) == 0 ? Below(8) : 0; length > 0; --length) {
            text += static_cast<char>(Below(256));
        }
        return text;
    }

    void Fill(Brisk::Node& node, int depth) {
        node.text = Text();
        for (int count = depth < 5 ? Below(4) : 0; count > 0; --count) {
            Brisk::Node child;
            child.name = Name();
            child.openKind = Below(9);
            for (int attributes = Below(3); attributes > 0; --attributes) {
                child.attributes.push_back({Name(), Value()});
            }
            Fill(child, depth + 1);
            if (child.children.empty() && child.text.empty()) {
                child.closeKind = Below(9);
            }
            node.children.push_back(child);
        }
        // Positions in order within the text.
        for (std::size_t index = 0; index < node.children.size(); ++index) {
            node.positions.push_back(static_cast<unsigned>(Below(static_cast<int>(node.text.size()) + 1)));
        }
        std::sort(node.positions.begin(), node.positions.end());
        // A comment opener would be read as a comment, not as the element "--x" of kind '!'.
        for (Brisk::Node& child : node.children) {
            if (child.openKind == Brisk::bang && child.name.rfind("--", 0) == 0) {
                child.name = "c" + child.name;
            }
        }
    }

    std::mt19937 random;
};

} // namespace

TEST_F(XmlRoundTrip, GeneratedTrees) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        ExpectRoundTrip(TreeGenerator(seed).Document());
    }
}
