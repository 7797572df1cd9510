// Comments kept by a load that asks for them: the tree the game reads is the same, and the writers put
// every comment back where it stood.
#include "datafiles/Writer.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

Brisk::Node ParseKeeping(const std::string& text) {
    Brisk::Node document;
    document.LoadText(text.c_str(), Brisk::CommentHandling::keep);
    return document;
}

std::size_t CountComments(const Brisk::Node& node) {
    std::size_t count = node.comments.size();
    for (const Brisk::Node& child : node.children) {
        count += CountComments(child);
    }
    return count;
}

void RemoveComments(Brisk::Node& node) {
    node.comments.clear();
    for (Brisk::Node& child : node.children) {
        RemoveComments(child);
    }
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

} // namespace

TEST(XmlComments, ShippedDataFilesReadTheSameWithCommentsKeptAndKeepEveryOneWhenWritten) {
    std::size_t comments = 0;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(testing_support::SourceDir() / "data")) {
        if (entry.path().extension() != ".xml") {
            continue;
        }
        SCOPED_TRACE(entry.path().string());
        std::stringstream file;
        file << std::ifstream(entry.path(), std::ios::binary).rdbuf();
        Brisk::Node asTheGameReadsIt;
        Brisk::Node kept;
        ASSERT_EQ(asTheGameReadsIt.LoadFile(entry.path().string()), 0);
        ASSERT_EQ(kept.LoadFile(entry.path().string(), Brisk::CommentHandling::keep), 0);
        EXPECT_EQ(CountComments(kept), Occurrences(file.str(), "<!--"));
        comments += CountComments(kept);

        Brisk::Node reread = ParseKeeping(Brisk::WriteExact(kept));
        reread.name = kept.name;
        EXPECT_TRUE(Brisk::SameTree(kept, reread));
        RemoveComments(kept);
        EXPECT_TRUE(Brisk::SameTree(kept, asTheGameReadsIt));
    }
    EXPECT_GE(comments, 10u);
}

TEST(XmlComments, ACommentStaysWhereItStoodOrRightAfterTheTagItInterrupts) {
    const struct {
        const char* read;
        const char* written;
    } cases[] = {
        {"<!-- a --><a>x<!--b-->y<b/><!--c--></a>\n<!--d-->",
         "<!-- a --><a>x<!--b-->y<b/><!--c--></a>\n<!--d-->"},
        // Both come out after the tag, where nothing stands between them: they are written as one.
        {"<a v=\"1<!--in value-->2\" <!--in tag-->/>z", "<a v=\"12\" /><!--in value in tag-->z"},
        // The reader reads these twice: after a reference that is not one, and a closing tag for an outer
        // element.
        {"<a>&<!--c-->zz;</a>", "<a>&amp;<!--c-->zz;</a>"},
        {"<a><b></<!--x-->a>", "<a><b/><!--x--></a>"},
        {"<a><!-- never closed", "<a><!-- never closed--></a>"},
    };
    for (const auto& example : cases) {
        SCOPED_TRACE(example.read);
        const Brisk::Node document = ParseKeeping(example.read);
        EXPECT_EQ(Brisk::WriteExact(document), example.written);
        EXPECT_TRUE(Brisk::SameTree(ParseKeeping(Brisk::WriteExact(document)), document));
    }
}

TEST(XmlComments, ThePrettyWriterGivesCommentsBetweenElementsALineAndKeepsThoseInTextsInPlace) {
    const Brisk::Node document =
        ParseKeeping("<!-- head --><root>\n  <!-- first --><a>te<!--mid-->xt</a>\n  <b/>  <!-- last -->\n"
                     "</root><c><!--alone--></c>");
    EXPECT_EQ(Brisk::WritePretty(document), "<!-- head -->\n"
                                            "<root>\n"
                                            "\t<!-- first -->\n"
                                            "\t<a>te<!--mid-->xt</a>\n"
                                            "\t<b/>\n"
                                            "\t<!-- last -->\n"
                                            "</root>\n"
                                            "<c><!--alone--></c>\n");
}
