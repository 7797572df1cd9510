// The configuration loader: defaults, the display switch, partial elements and the shipped file.
#include "datafiles/Node.h"
#include "shell/Configuration.h"

#include <gtest/gtest.h>

using Zelt::configuration;

namespace {

void Read(const char* text) {
    Brisk::Node document;
    document.LoadText(text);
    Zelt::ReadConfiguration(document, 1920, 1080);
}

} // namespace

TEST(Configuration, AnEmptyDocumentGivesTheDefaults) {
    configuration.language = "stale";
    configuration.topmost = true;
    Read("");
    EXPECT_EQ(configuration.screenWidth, 1920);
    EXPECT_EQ(configuration.screenHeight, 1080);
    EXPECT_FALSE(configuration.screenSwitch);
    EXPECT_FALSE(configuration.topmost);
    EXPECT_EQ(configuration.screenBpp, 0);
    EXPECT_EQ(configuration.viewportScrollX, 512.0f);
    EXPECT_EQ(configuration.viewportScrollY, 512.0f);
    EXPECT_EQ(configuration.language, "");
}

TEST(Configuration, ScreenAttributesCountOnlyWithTheSwitch) {
    Read("<screen width=800 height=600 bpp=16 frequency=75/>");
    EXPECT_EQ(configuration.screenWidth, 1920);
    EXPECT_EQ(configuration.screenBpp, 0);
    Read("<screen switch=false width=800/>");
    EXPECT_EQ(configuration.screenWidth, 1920);
    Read("<screen switch=yes/>");
    EXPECT_TRUE(configuration.screenSwitch);
    EXPECT_EQ(configuration.screenWidth, 1920);
    EXPECT_EQ(configuration.screenHeight, 1080);
    EXPECT_EQ(configuration.screenBpp, 32);
    EXPECT_EQ(configuration.screenFrequency, 60);
    Read("<screen switch=1 width=800 height=600 bpp=16 frequency=75/>");
    EXPECT_EQ(configuration.screenWidth, 800);
    EXPECT_EQ(configuration.screenFrequency, 75);
}

TEST(Configuration, PartialElementsLeaveTheRestAtDefaults) {
    Read("<viewport><zoom min=\"2.5\"/><scrolling_speed "
         "vertical=100/></viewport><interface><scrolling_speed/></interface>");
    EXPECT_EQ(configuration.zoomMin, 2.5f);
    EXPECT_EQ(configuration.zoomMax, 0.0f);
    EXPECT_EQ(configuration.zoomSensitivity, 0.0f);
    EXPECT_EQ(configuration.viewportScrollX, 512.0f);
    EXPECT_EQ(configuration.viewportScrollY, 100.0f);
    EXPECT_EQ(configuration.interfaceScrollX, 0.0f);
}

TEST(Configuration, TheFirstWindowElementWins) {
    Read("<program><window fastclose=true/><window topmost=true fastclose=false/></program>");
    EXPECT_TRUE(configuration.fastclose);
    EXPECT_FALSE(configuration.topmost);
}

TEST(Configuration, TheLanguageIsTheWholeTextOfItsElement) {
    Read("<game><language> de </language></game>");
    EXPECT_EQ(configuration.language, " de ");
}

TEST(Configuration, TheShippedFileIsClosableAndZoomsTheRightWayRound) {
    EXPECT_TRUE(Zelt::LoadConfiguration());
    EXPECT_TRUE(configuration.fastclose);
    EXPECT_FALSE(configuration.screenSwitch);
    EXPECT_EQ(configuration.language, "en");
    EXPECT_GE(configuration.zoomMin, configuration.zoomMax);
    EXPECT_GT(configuration.zoomMax, 0.0f);
    EXPECT_GT(configuration.zoomSensitivity, 0.0f);
}

TEST(Configuration, NumbersThatAreNotFiniteKeepTheDefaults) {
    Read("<viewport><scrolling_speed horizontal=\"nan\" vertical=\"inf\"/><rotation sensitivity=\"-inf\"/>"
         "<zoom sensitivity=\"1e400\" min=\"nan\" max=\"0.5\"/></viewport>");
    EXPECT_EQ(configuration.viewportScrollX, 512.0f);
    EXPECT_EQ(configuration.viewportScrollY, 512.0f);
    EXPECT_EQ(configuration.rotationSensitivity, 0.0f);
    EXPECT_EQ(configuration.zoomSensitivity, 0.0f);
    EXPECT_EQ(configuration.zoomMin, 0.0f);
    EXPECT_EQ(configuration.zoomMax, 0.5f);
}

TEST(Configuration, VolumesAreReadInPercentAndKeptWithinSilenceAndFull) {
    Read("<sound><volume master=\"40\" effects=\"250\" interface=\"-10\"/></sound>");
    EXPECT_FLOAT_EQ(configuration.soundMaster, 0.4f);
    EXPECT_FLOAT_EQ(configuration.soundEffects, 1.0f);
    EXPECT_FLOAT_EQ(configuration.soundInterface, 0.0f);
    Read("<sound><volume effects=\"nan\"/></sound>");
    EXPECT_FLOAT_EQ(configuration.soundMaster, 1.0f) << "a volume not given is full";
    EXPECT_FLOAT_EQ(configuration.soundEffects, 1.0f);
}
