// "commander.xml" as hostile input: the shipped file reads clean, and every broken value is one line naming
// the file and the element while the value keeps its default.
#include "commander/CommanderBook.h"
#include "datafiles/DataArchive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Vorn;

namespace {

CommanderBook ReadText(const std::string& text, std::vector<std::string>& faults) {
    Brisk::Node document;
    document.LoadText(text.c_str());
    return CommanderBook::Read(document, "commander.xml", faults);
}

bool AnyFaultHas(const std::vector<std::string>& faults, const std::string& part) {
    for (const std::string& fault : faults)
        if (fault.find(part) != std::string::npos)
            return true;
    return false;
}

} // namespace

TEST(CommanderBook, TheShippedFileHasEasyNormalAndHardWithoutFaults) {
    dataArchive.SetFolder("data");
    std::vector<std::string> faults;
    const CommanderBook book = LoadCommanderBook(faults);
    EXPECT_TRUE(faults.empty()) << faults.front();
    for (const char* name : {"easy", "normal", "hard"})
        EXPECT_TRUE(book.Has(name)) << name;
    EXPECT_LT(book.Find("easy").attack.margin, book.Find("hard").attack.margin);
    EXPECT_EQ(book.Find("easy").defence.mostTowers, 0) << "easy builds no towers, not even when attacked";
}

TEST(CommanderBook, BrokenValuesAreReportedOnceEachAndKeepTheirDefaults) {
    std::vector<std::string> faults;
    const CommanderBook book = ReadText("<difficulty name=\"normal\">"
                                        "<attack group=\"-3\" margin=\"nan\" retreat=\"0.4\"/>"
                                        "<think economy=\"1e30\"/>"
                                        "<design role=\"line\" chassis=\"hovercraft\"/>"
                                        "<design role=\"sniper\"/>"
                                        "<weather rain=\"1\"/>"
                                        "</difficulty><difficulty/><difficulty name=\"normal\"/>",
                                        faults);
    const Difficulty defaults;
    const Difficulty& normal = book.Find("normal");
    EXPECT_EQ(normal.attack.groupSize, defaults.attack.groupSize);
    EXPECT_EQ(normal.attack.margin, defaults.attack.margin);
    EXPECT_FLOAT_EQ(normal.attack.retreatBelow, 0.4f) << "a good value beside a bad one is kept";
    EXPECT_EQ(normal.think.economyMs, defaults.think.economyMs);
    EXPECT_EQ(faults.size(), 8u);
    for (const char* part : {"<attack>: group=\"-3\"", "<attack>: margin=\"nan\"",
                             "<think>: economy=", "<design>: chassis=\"hovercraft\"",
                             "<design>: needs a role", "<weather>: unknown", "needs a name", "named twice"})
        EXPECT_TRUE(AnyFaultHas(faults, part)) << part;
    for (const std::string& fault : faults)
        EXPECT_EQ(fault.rfind("commander.xml: ", 0), 0u) << fault;
}

TEST(CommanderBook, AnUnknownDifficultyPlaysNormalAndALongBuildOrderIsCut) {
    std::string order;
    for (int i = 0; i < 100; ++i)
        order += "<building type=\"power\"/>";
    std::vector<std::string> faults;
    const CommanderBook book = ReadText("<difficulty name=\"normal\"><build_order>" + order +
                                            "<building type=\"castle\"/></build_order></difficulty>",
                                        faults);
    EXPECT_EQ(&book.Find("impossible"), &book.Find("normal"));
    EXPECT_EQ(book.Find("normal").economy.buildOrder.size(), CommanderLimits::maxBuildOrder);
    EXPECT_EQ(faults.size(), 1u);
    std::vector<std::string> none;
    EXPECT_EQ(ReadText("", none).Find("normal").name, "normal") << "no file still gives a commander";
}
