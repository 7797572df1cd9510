// The gallery draws from the data the game would read, and a sheet made without some of it is no success.
#include "tests/support/ProgramRun.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace testing_support;

CommandResult RunGallery(const fs::path& folder, const std::string& arguments) {
    return RunCommand("cd '" + folder.string() + "' && '" + (BinDir() / "sector-clash-gallery").string() +
                      "' " + arguments + " 2>&1");
}

TEST(Gallery, WithoutADataFolderSaysWhereItLooked) {
    const fs::path folder = ScratchDir("gallery_no_data");
    const CommandResult run = RunGallery(folder, "sheet.png");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("no data folder: looked for " + (folder / "data").string()),
              std::string::npos)
        << run.output;
    fs::remove_all(folder);
}

TEST(Gallery, NamesADataFileItCannotReadAndFails) {
    if (std::getenv("DISPLAY") == nullptr)
        GTEST_SKIP() << "needs an X display";
    const fs::path folder = ScratchDir("gallery_partial_data");
    fs::create_directory(folder / "data");
    for (const auto& entry : fs::directory_iterator(SourceDir() / "data"))
        if (entry.path().filename() != "drawings.xml")
            fs::create_symlink(entry.path(), folder / "data" / entry.path().filename());
    const CommandResult run = RunGallery(folder, "sheet.png");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.output.find("data/drawings.xml cannot be read"), std::string::npos) << run.output;
    fs::remove_all(folder);
}

} // namespace
