// The data archive and the shipped data files: every name the code looks up is defined.
#include "datafiles/CallsignTable.h"
#include "datafiles/ColourTable.h"
#include "datafiles/DataArchive.h"
#include "datafiles/DataNames.h"
#include "datafiles/SideNames.h"
#include "datafiles/TextTable.h"

#include <gtest/gtest.h>

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

TEST(ShippedData, EveryColourTheCodeUsesIsDefined) {
    ColourTable table;
    LoadColours(table, dataArchive.ReadDocument("colordef.xml"));
    for (std::string_view name : RequiredColourNames()) {
        EXPECT_TRUE(table.Contains(std::string(name))) << name;
    }
}

TEST(ShippedData, EveryTextKeyIsDefinedInEveryLanguage) {
    for (const char* language : {"en", "de"}) {
        TextTable table;
        LoadTexts(table, dataArchive.ReadDocument("texts.xml"), language);
        for (std::string_view key : RequiredTextKeys()) {
            EXPECT_NE(table.TextOf(std::string(key)), "") << language << " " << key;
            EXPECT_EQ(table.Size(), RequiredTextKeys().size()) << language;
        }
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
