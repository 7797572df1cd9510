// Loading "config.xml" from the data folder: a missing file gives the defaults, an unreadable one fails.
#include "shell/Configuration.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// Runs the load with the working directory in a scratch folder holding the given data folder.
class ConfigurationLoadTest : public testing::Test {
protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        folder = testing_support::ScratchDir("configuration-load");
        std::filesystem::create_directories(folder / "data");
        std::filesystem::current_path(folder);
    }
    void TearDown() override {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
        Zelt::configuration = Zelt::Configuration{};
    }
    std::filesystem::path previous;
    std::filesystem::path folder;
};

TEST_F(ConfigurationLoadTest, AMissingFileGivesTheDefaults) {
    EXPECT_TRUE(Zelt::LoadConfiguration());
    EXPECT_FLOAT_EQ(Zelt::configuration.viewportScrollX, 512);
}

TEST_F(ConfigurationLoadTest, AReadableFileLoads) {
    std::ofstream(folder / "data/config.xml") << "<viewport><zoom min=\"3\" max=\"1\"/></viewport>";
    EXPECT_TRUE(Zelt::LoadConfiguration());
    EXPECT_FLOAT_EQ(Zelt::configuration.zoomMin, 3);
}

TEST_F(ConfigurationLoadTest, AFileThatCannotBeReadIsAFailedLoad) {
    std::filesystem::create_directories(folder / "data/config.xml"); // there, but no file to read
    EXPECT_FALSE(Zelt::LoadConfiguration());
}

} // namespace
