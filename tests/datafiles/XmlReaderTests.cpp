// The tolerant XML reader: characters, names and values, references, markers, nesting and termination.
#include "datafiles/Node.h"
#include "tests/datafiles/XmlTestHelpers.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <fstream>

using xml_test::Only;
using xml_test::Parse;

namespace {

std::vector<std::pair<std::string, std::string>> AttributesOf(const Brisk::Node& node) {
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const Brisk::Attribute& attribute : node.attributes) {
        pairs.emplace_back(attribute.name, attribute.value);
    }
    return pairs;
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

} // namespace

TEST(XmlAttributes, NamesWithoutValueReadAsTrue) {
    EXPECT_EQ(AttributesOf(Only(Parse("<a x y=5>"))), (Pairs{{"x", "true"}, {"y", "5"}}));
}

TEST(XmlAttributes, SpacesAroundEqualsMakeSeparateAttributes) {
    EXPECT_EQ(AttributesOf(Only(Parse("<a x = 5>"))), (Pairs{{"x", "true"}, {"5", "true"}}));
}

TEST(XmlAttributes, UnquotedValuesAreNameCharactersWithReferences) {
    EXPECT_EQ(AttributesOf(Only(Parse("<b v=ab&amp;cd w=1.5>"))),
              (Pairs{{"v", "ab&cd"}, {"w", "1"}, {"5", "true"}}));
    EXPECT_EQ(AttributesOf(Only(Parse("<a x= y>"))), (Pairs{{"x", ""}, {"y", "true"}}));
}

TEST(XmlAttributes, QuotedValuesEndAtTheMatchingQuoteOrANonValueCharacter) {
    EXPECT_EQ(AttributesOf(Only(Parse("<a v='say \"hi\"' w=\"it's\">"))),
              (Pairs{{"v", "say \"hi\""}, {"w", "it's"}}));
    // A line break ends the value; what follows is read as further attributes.
    EXPECT_EQ(AttributesOf(Only(Parse("<a v=\"1\n2\">"))), (Pairs{{"v", "1"}, {"2", "true"}}));
    EXPECT_EQ(AttributesOf(Only(Parse("<a v=\"x&lt;y\">"))), (Pairs{{"v", "x<y"}}));
}

TEST(XmlAttributes, DuplicatesStayInSourceOrder) {
    Brisk::Node element = Only(Parse("<a k=1 k=2/>"));
    EXPECT_EQ(AttributesOf(element), (Pairs{{"k", "1"}, {"k", "2"}}));
    EXPECT_EQ(element.FindAttribute("k")->value, "1");
    EXPECT_EQ(element.FindAttribute("K"), nullptr);
}

TEST(XmlReferences, NamedEntitiesIgnoreCase) {
    EXPECT_EQ(Parse("&AMP;&lt;&Gt;&quot;").text, "&<>\"");
    EXPECT_EQ(Parse("&brvbar;&brkbar;&tm;&nbsp;").text, "||\x99\xA0");
}

TEST(XmlReferences, NumericReferencesAreTakenModulo256) {
    EXPECT_EQ(Parse("&#65;&#x41;&#x141;&#x4a;").text, "AAAJ");
    // Without ';' the first non-digit stays text.
    EXPECT_EQ(Parse("&#65b").text, "Ab");
}

TEST(XmlReferences, UnknownOrMalformedReferencesStayLiteral) {
    EXPECT_EQ(Parse("&foo;").text, "&foo;");
    EXPECT_EQ(Parse("&#;&#x;&#q").text, "&#;&#x;&#q");
    EXPECT_EQ(Parse("a & b").text, "a & b");
    EXPECT_EQ(Parse("tail&").text, "tail&");
}

TEST(XmlReferences, TheCharacterEndingANameIsConsumed) {
    EXPECT_EQ(Parse("&amp x").text, "&x");
}

TEST(XmlCharacters, CarriageReturnsVanishAndControlBytesReadAsSpaces) {
    EXPECT_EQ(Parse("a\r\nb\r\r\nc").text, "a\nb\nc");
    EXPECT_EQ(Parse("a\x01\x7f\tb\xE9").text, "a  \tb\xE9");
}

TEST(XmlCharacters, CommentsVanishEvenInsideTags) {
    Brisk::Node document = Parse("x<!-- note -->y<a <!-- c --> v=\"1\">t</a>");
    EXPECT_EQ(document.text, "xy");
    EXPECT_EQ(AttributesOf(Only(document)), (Pairs{{"v", "1"}}));
    EXPECT_EQ(Parse("a<!-- never closed").text, "a");
    // The dashes of the opening count towards the closing.
    EXPECT_EQ(Parse("a<!-->b<!--->c").text, "abc");
    // The byte right after a comment is taken as it is, so a comment directly behind another stays.
    EXPECT_EQ(Parse("<!--a--><!--b-->").children.at(0).openKind, Brisk::bang);
}

TEST(XmlElements, TextAroundChildrenKeepsTheirPositions) {
    Brisk::Node a = Only(Parse("<a>one<b/>two</a>"));
    EXPECT_EQ(a.text, "onetwo");
    ASSERT_EQ(a.children.size(), 1u);
    EXPECT_EQ(a.positions, std::vector<unsigned>{3});
    EXPECT_EQ(a.children[0].name, "b");
    EXPECT_EQ(a.children[0].closeKind, Brisk::plain);
}

TEST(XmlElements, MarkersGiveOpeningAndClosingKinds) {
    Brisk::Node declaration = Only(Parse("<?xml version=\"1.0\"?>"));
    EXPECT_EQ(declaration.name, "xml");
    EXPECT_EQ(declaration.openKind, Brisk::question);
    EXPECT_EQ(declaration.closeKind, Brisk::question);
    Brisk::Node document = Parse("<!a!><#b&><%c~>");
    ASSERT_EQ(document.children.size(), 3u);
    EXPECT_EQ(document.children[0].openKind, Brisk::bang);
    EXPECT_EQ(document.children[1].openKind, Brisk::hash);
    EXPECT_EQ(document.children[1].closeKind, Brisk::ampersand);
    EXPECT_EQ(document.children[2].openKind, Brisk::plain); // unknown markers are plain
    EXPECT_EQ(document.children[2].closeKind, Brisk::tilde);
}

TEST(XmlElements, SeveralTopLevelElementsAreChildrenOfTheDocument) {
    Brisk::Node document = Parse("<a/>\n<b/>");
    ASSERT_EQ(document.children.size(), 2u);
    EXPECT_EQ(document.positions, (std::vector<unsigned>{0, 1}));
    EXPECT_EQ(document.text, "\n");
    EXPECT_EQ(document.name, "mem");
}

TEST(XmlNesting, MissingClosingTagsAreImplied) {
    Brisk::Node a = Only(Parse("<a><b></a>after"));
    ASSERT_EQ(a.children.size(), 1u);
    EXPECT_EQ(a.children[0].name, "b");
    EXPECT_EQ(Parse("<a><b></a>after").text, "after");
    Brisk::Node open = Only(Parse("<x><y>text"));
    EXPECT_EQ(open.children.at(0).text, "text");
}

TEST(XmlNesting, AnUnmatchedClosingTagClosesUpToTheElementItNames) {
    Brisk::Node document = Parse("<x><y><z></y>tail</x>rest");
    Brisk::Node x = Only(document);
    EXPECT_EQ(x.text, "tail");
    EXPECT_EQ(x.children.at(0).children.at(0).name, "z");
    EXPECT_EQ(document.text, "rest");
}

TEST(XmlNesting, AnUnmatchedClosingTagAtTheTopEndsTheParse) {
    Brisk::Node document = Parse("<a/>before</q><b/>after");
    EXPECT_EQ(document.text, "before");
    EXPECT_EQ(document.children.size(), 1u);
}

namespace {

using Kind = Brisk::NestingRepair::Kind;

// The repairs reading the text needs, as "kind element line closer closerLine" each; the tree read
// must be the one read without asking for them.
std::vector<std::string> RepairsOf(const std::string& text) {
    std::vector<Brisk::NestingRepair> repairs;
    Brisk::Node document;
    document.LoadText(text.c_str(), repairs);
    EXPECT_TRUE(Brisk::SameTree(document, Parse(text))) << text;
    std::vector<std::string> lines;
    for (const Brisk::NestingRepair& repair : repairs) {
        lines.push_back(std::to_string(static_cast<int>(repair.kind)) + " " + repair.element + " " +
                        std::to_string(repair.line) + " " + repair.closer + " " +
                        std::to_string(repair.closerLine));
    }
    return lines;
}

std::string Repair(Kind kind, const std::string& element, unsigned line, const std::string& closer = "",
                   unsigned closerLine = 0) {
    return std::to_string(static_cast<int>(kind)) + " " + element + " " + std::to_string(line) + " " +
           closer + " " + std::to_string(closerLine);
}

} // namespace

TEST(XmlNesting, EveryRepairIsReportedWithItsLines) {
    using Lines = std::vector<std::string>;
    EXPECT_EQ(RepairsOf("<?xml version=\"1.0\"?>\r\n<a x=\"1\"><b/><!-- </c> --></a>\n<d>t</d>"), Lines{});
    // One "/>" written as ">": the closing tag further out ends the element, two lines down.
    EXPECT_EQ(RepairsOf("<new>\r\n  <tank x=\"1\">\n  <tank/>\n</new>"),
              Lines{Repair(Kind::closedByOuterTag, "tank", 2, "new", 4)});
    EXPECT_EQ(RepairsOf("<x>\n<y>\n<z>\n</x>"), (Lines{Repair(Kind::closedByOuterTag, "z", 3, "x", 4),
                                                       Repair(Kind::closedByOuterTag, "y", 2, "x", 4)}));
    EXPECT_EQ(RepairsOf("<a>\n<b>text"),
              (Lines{Repair(Kind::closedByEnd, "b", 2), Repair(Kind::closedByEnd, "a", 1)}));
    EXPECT_EQ(RepairsOf("<a/>\n\n</q><b/>"), Lines{Repair(Kind::strayClosingTag, "q", 3)});
    EXPECT_EQ(RepairsOf("<a/>\n<b x=\"1"), Lines{Repair(Kind::unfinishedTag, "b", 2)});
}

TEST(XmlTermination, AnUnterminatedTagAtTheEndIsDiscarded) {
    for (const char* text : {"<a", "<a ", "<a x", "<a x=", "<a x=\"1", "<a/", "<", "text<", "<a></"}) {
        Brisk::Node document = Parse(text);
        EXPECT_TRUE(document.children.empty() || document.children[0].children.empty()) << text;
    }
    EXPECT_EQ(Parse("text<a x").text, "text");
}

TEST(XmlTermination, TheLastCharacterIsKeptAndNeverReadTwice) {
    EXPECT_EQ(Parse("abc").text, "abc");
    EXPECT_EQ(Parse("abc\r").text, "abc");
    EXPECT_EQ(Only(Parse("<a>x")).text, "x");
}

TEST(XmlTermination, DeepNestingDoesNotExhaustTheStack) {
    std::string text;
    const int depth = 100000;
    for (int level = 0; level < depth; ++level) {
        text += "<e>";
    }
    Brisk::Node document = Parse(text);
    Brisk::Node copy = document;
    int levels = 0;
    for (const Brisk::Node* node = &copy; !node->children.empty(); node = &node->children[0]) {
        ++levels;
    }
    EXPECT_EQ(levels, depth);
}

TEST(XmlLoad, FileAndTextOfTheSameBytesGiveTheSameTree) {
    // Ends in text: memory and file alike keep its last character.
    const std::string text = "<?xml?>\r\n<c y=&#65;<a x=\"1\">one<!-- c --><b/>&amp;tail";
    std::filesystem::path path = testing_support::ScratchDir("xml_load") / "same.xml";
    std::ofstream(path, std::ios::binary) << text;
    Brisk::Node fromFile;
    ASSERT_EQ(fromFile.LoadFile(path.string()), 0);
    EXPECT_EQ(fromFile.name, path.string());
    Brisk::Node fromText = Parse(text);
    fromText.name = fromFile.name;
    EXPECT_TRUE(Brisk::SameTree(fromFile, fromText));
    EXPECT_EQ(fromFile.children.back().text, "one&tail");
}

TEST(XmlLoad, AMissingFileAnswersOneAndLeavesTheNodeAlone) {
    Brisk::Node node = Parse("<keep/>");
    EXPECT_EQ(node.LoadFile("no/such/file.xml"), 1);
    EXPECT_EQ(node.name, "mem");
    EXPECT_EQ(node.children.size(), 1u);
}

TEST(XmlLoad, ALoadReplacesContentButKeepsTheKinds) {
    Brisk::Node node = Parse("<old/>old");
    node.openKind = Brisk::star;
    node.LoadText("<new/>");
    EXPECT_EQ(node.text, "");
    EXPECT_EQ(Only(node).name, "new");
    EXPECT_EQ(node.openKind, Brisk::star);
}

TEST(XmlConversions, ToBoolFollowsZeroAndFalse) {
    for (const char* value : {"False", "false", "0", "0.0", "-0", "", " 0x"}) {
        EXPECT_FALSE(Brisk::ToBool({"b", value})) << value;
    }
    for (const char* value : {"yes", "1", "abc", "true", "on", "0.5"}) {
        EXPECT_TRUE(Brisk::ToBool({"b", value})) << value;
    }
}

TEST(XmlConversions, NumbersIgnoreTrailingCharacters) {
    EXPECT_EQ(Brisk::ToInt({"n", "  42px"}), 42);
    EXPECT_EQ(Brisk::ToInt({"n", "x42"}), 0);
    EXPECT_EQ(Brisk::ToInt({"n", "99999999999"}), 2147483647);
    EXPECT_DOUBLE_EQ(Brisk::ToFloat({"f", "2.5e1m"}), 25.0);
    EXPECT_DOUBLE_EQ(Brisk::ToFloat({"f", "abc"}), 0.0);
}
