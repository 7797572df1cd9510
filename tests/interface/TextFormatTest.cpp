// Formats from the data are checked against the arguments before anything is formatted.
#include "interface/TextFormat.h"
#include "datafiles/DataArchive.h"
#include "datafiles/TextTable.h"
#include "interface/FormattedTexts.h"

#include <gtest/gtest.h>

namespace {

using Vorn::FormatTakes;
using Vorn::TextFormat;

TEST(FormatTakes, ConversionsMustMatchTheArgumentsInKindAndOrder) {
    EXPECT_TRUE(FormatTakes("Money: %d", "d"));
    EXPECT_TRUE(FormatTakes("Armour: %.0f%% (%d/%d)", "fdd"));
    EXPECT_TRUE(FormatTakes("%-8s|%+05.2e|%i", "sfd"));
    EXPECT_TRUE(FormatTakes("Group", ""));
    EXPECT_TRUE(FormatTakes("100%%", ""));
    EXPECT_FALSE(FormatTakes("Money: %d", ""));
    EXPECT_FALSE(FormatTakes("Money", "d"));
    EXPECT_FALSE(FormatTakes("Money: %s", "d"));
    EXPECT_FALSE(FormatTakes("Energy: %d%%", "f"));
    EXPECT_FALSE(FormatTakes("%d %d", "d"));
    EXPECT_FALSE(FormatTakes("%f %d", "df"));
}

TEST(FormatTakes, RefusesWhatReadsOrWritesBeyondTheArguments) {
    EXPECT_FALSE(FormatTakes("%n", ""));
    EXPECT_FALSE(FormatTakes("%d%n", "d"));
    EXPECT_FALSE(FormatTakes("%*d", "dd"));
    EXPECT_FALSE(FormatTakes("%.*f", "df"));
    EXPECT_FALSE(FormatTakes("%ld", "d"));
    EXPECT_FALSE(FormatTakes("%1$d", "d"));
    EXPECT_FALSE(FormatTakes("%p", "s"));
    EXPECT_FALSE(FormatTakes("50%", ""));
    EXPECT_FALSE(FormatTakes(std::string_view("%\0d", 3), ""));
}

TEST(TextFormat, FormatsOnlyWhatItWasCheckedFor) {
    const TextFormat armour("Armour: %.0f%% (%d/%d)", "fdd");
    EXPECT_TRUE(armour.Valid());
    EXPECT_EQ(armour.Format(63, 37.4, 37, 100), "Armour: 37% (37/100)");
    // Called with other arguments than it was checked for, it shows the text as written.
    EXPECT_EQ(armour.Format(63, 1, 2, 3), "Armour: %.0f%% (%d/%d)");
    EXPECT_EQ(armour.Format(10, 37.4, 37, 100), "Armour: 37");
    const TextFormat broken("Money: %s", "d");
    EXPECT_FALSE(broken.Valid());
    EXPECT_EQ(broken.Format(63, 5), "Money: %s");
}

TEST(TextFormat, WidthsAndPrecisionsAboveTheLimitAreCapped) {
    EXPECT_EQ(Vorn::CapFieldSizes("%2000000000d|%.999999999f|%-0300.0400e|%99999999999999999999s|%.000256G"),
              "%255d|%.255f|%-0255.255e|%255s|%.255G");
    const std::string_view modest = "%255d %.255f %5.2f %% %.f %.0007f 100%";
    EXPECT_EQ(Vorn::CapFieldSizes(modest), modest);
    EXPECT_FALSE(Vorn::HasOversizedField(modest));
    EXPECT_TRUE(Vorn::HasOversizedField("Energy: %.999999999f"));
    const TextFormat money("Money: %2000000000d", "d");
    EXPECT_TRUE(money.Valid());
    EXPECT_EQ(money.Text(), "Money: %255d");
    EXPECT_EQ(money.Format(300, 5), "Money: " + std::string(248, ' ')) << "cut at the 255-character buffer";
}

TEST(FormattedTexts, EveryShippedLanguageTakesTheInfoBoxsArguments) {
    const Brisk::Node texts = dataArchive.ReadDocument("texts.xml");
    for (const char* language : {"en", "de"}) {
        TextTable table;
        LoadTexts(table, texts, language);
        for (const Vorn::FormattedText& text : Vorn::FormattedTexts())
            EXPECT_TRUE(FormatTakes(table.TextOf(std::string(text.key)), text.kinds))
                << language << " " << text.key;
    }
}

} // namespace
