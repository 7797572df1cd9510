// Where the game finds "data/": the working directory's copy wins, the installed one is the fallback.
#include "shell/program/DataLocation.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

class DataLocationTest : public testing::Test {
protected:
    void SetUp() override {
        root = testing_support::ScratchDir("data-location");
        fs::create_directories(root / "prefix/bin");
        fs::create_directories(root / "prefix/bin" / Zelt::InstalledDataFromPrograms() / "data");
        fs::create_directories(root / "elsewhere");
        fs::create_directories(root / "mod/data");
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path root;
};

TEST_F(DataLocationTest, AnInstalledGameFindsItsDataFromAnyWorkingDirectory) {
    EXPECT_EQ(Zelt::ChooseDataParent(root / "elsewhere", root / "prefix/bin"),
              fs::weakly_canonical(root / "prefix/bin" / Zelt::InstalledDataFromPrograms()));
}

TEST_F(DataLocationTest, ADataFolderInTheWorkingDirectoryWins) {
    EXPECT_EQ(Zelt::ChooseDataParent(root / "mod", root / "prefix/bin"), root / "mod");
}

TEST_F(DataLocationTest, WithoutEitherTheWorkingDirectoryStays) {
    EXPECT_EQ(Zelt::ChooseDataParent(root / "elsewhere", root / "elsewhere"), root / "elsewhere");
    EXPECT_EQ(Zelt::ChooseDataParent(root / "elsewhere", fs::path{}), root / "elsewhere");
}

} // namespace
