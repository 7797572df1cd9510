// The data archive and the shipped data files: every name the code looks up is defined.
#include "datafiles/CallsignTable.h"
#include "datafiles/ColourTable.h"
#include "datafiles/DataArchive.h"
#include "datafiles/DataNames.h"
#include "datafiles/SideNames.h"
#include "datafiles/TextTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

TEST(DataArchive, AMissingDocumentIsAFreshNode) {
    Brisk::Node document = dataArchive.ReadDocument("no_such_document.xml");
    EXPECT_EQ(document.name, "Mark");
    EXPECT_TRUE(document.children.empty());
}

TEST(DataArchive, DocumentsAreNamedAfterTheirPathAndNeverShared) {
    Brisk::Node first = dataArchive.ReadDocument("colordef.xml");
    EXPECT_EQ(first.name, "data/colordef.xml");
    first.children.clear();
    EXPECT_FALSE(dataArchive.ReadDocument("colordef.xml").children.empty());
}

// A file the loaders go on without is told once, by kind; the quiet read, a good file and a file of
// comments alone tell nothing.
TEST(DataArchive, ReportsEachMissingOrEmptyFileOnce) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "sector-clash-archive-test";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "empty.xml") << "  just words, no markup\n";
    std::ofstream(folder / "good.xml") << "<entry a=\"1\"/>";
    std::ofstream(folder / "comments.xml") << "<!-- a drawing of nothing -->";
    DataArchive archive;
    archive.SetFolder(folder.string());
    std::vector<std::pair<std::string, DataArchive::Fault>> told;
    archive.SetFaultReport(
        [&](const std::string& path, DataArchive::Fault fault) { told.emplace_back(path, fault); });
    for (int pass = 0; pass < 2; ++pass) {
        archive.ReadDocument("gone.xml");
        archive.ReadDocument("empty.xml");
        archive.ReadDocument("good.xml");
        archive.ReadDocument("comments.xml");
    }
    archive.ReadDocumentQuietly("quiet.xml");
    const std::string prefix = folder.string() + "/";
    EXPECT_EQ(told, (std::vector<std::pair<std::string, DataArchive::Fault>>{
                        {prefix + "gone.xml", DataArchive::Fault::missing},
                        {prefix + "empty.xml", DataArchive::Fault::empty}}));
    std::filesystem::remove_all(folder);
}

TEST(ShippedData, EveryColourTheCodeUsesIsDefined) {
    ColourTable table;
    LoadColours(table, dataArchive.ReadDocument("colordef.xml"));
    for (std::string_view name : RequiredColourNames()) {
        EXPECT_TRUE(table.Contains(std::string(name))) << name;
    }
}

// The menus, levels and campaign name many more texts than the fixed list; every language gives as many
// texts as the first, so none is missing in one of them (the checker names which).
TEST(ShippedData, EveryTextKeyIsDefinedInEveryLanguage) {
    std::size_t firstLanguageSize = 0;
    for (const char* language : {"en", "de"}) {
        TextTable table;
        LoadTexts(table, dataArchive.ReadDocument("texts.xml"), language);
        for (std::string_view key : RequiredTextKeys()) {
            EXPECT_NE(table.TextOf(std::string(key)), "") << language << " " << key;
        }
        if (firstLanguageSize == 0)
            firstLanguageSize = table.Size();
        EXPECT_EQ(table.Size(), firstLanguageSize) << language;
        EXPECT_GE(table.Size(), RequiredTextKeys().size()) << language;
    }
    for (std::string_view side : sideNames) {
        EXPECT_NE(std::find(RequiredTextKeys().begin(), RequiredTextKeys().end(), side),
                  RequiredTextKeys().end());
    }
}

TEST(ShippedData, TheSecondLanguageIsSelectable) {
    TextTable english;
    TextTable german;
    LoadTexts(english, dataArchive.ReadDocument("texts.xml"), "en");
    LoadTexts(german, dataArchive.ReadDocument("texts.xml"), "de");
    EXPECT_EQ(english.TextOf("Green"), "Green");
    EXPECT_EQ(german.TextOf("Green"), "Gr\xFCn");
}

TEST(ShippedData, EveryLetterHasACallsignWord) {
    CallsignTable table;
    LoadCallsigns(table, dataArchive.ReadDocument("callsigns.xml"), "en");
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        EXPECT_NE(table.CallsignWord(letter), "_Undefined") << letter;
        EXPECT_NE(table.CallsignWord(static_cast<char>(letter - 'A' + 'a')), "_Undefined") << letter;
    }
}
