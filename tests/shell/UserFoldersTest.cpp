#include "shell/UserFolders.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Sets the variables for one case and puts them back after it, so the cases do not leak into each other.
class Environment {
public:
    Environment(const char* name, const char* value) : name(name) {
        const char* old = std::getenv(name);
        hadValue = old != nullptr;
        if (old)
            previous = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~Environment() {
        if (hadValue)
            setenv(name, previous.c_str(), 1);
        else
            unsetenv(name);
    }

private:
    const char* name;
    std::string previous;
    bool hadValue = false;
};

} // namespace

TEST(UserFolders, FollowTheXdgVariablesAndFallBackUnderHomeForUnsetOrRelativeOnes) {
    Environment home("HOME", "/home/player");
    {
        Environment config("XDG_CONFIG_HOME", "/elsewhere/config");
        Environment data("XDG_DATA_HOME", "/elsewhere/data");
        EXPECT_EQ(Zelt::UserConfigFolder(), "/elsewhere/config/sector-clash");
        EXPECT_EQ(Zelt::UserDataFolder(), "/elsewhere/data/sector-clash");
        EXPECT_EQ(Zelt::UserDataSubfolder("saves"), "/elsewhere/data/sector-clash/saves");
    }
    {
        Environment config("XDG_CONFIG_HOME", nullptr);
        Environment data("XDG_DATA_HOME", "relative/data");
        EXPECT_EQ(Zelt::UserConfigFolder(), "/home/player/.config/sector-clash");
        EXPECT_EQ(Zelt::UserDataFolder(), "/home/player/.local/share/sector-clash");
    }
}

TEST(UserFolders, AreMadeWithTheirParentsPrivatelyAndAStandingOneIsKept) {
    const auto scratch =
        std::filesystem::temp_directory_path() / ("user-folders-" + std::to_string(getpid()));
    std::filesystem::remove_all(scratch);
    const std::string folder = (scratch / "data/sector-clash/saves").string();
    ASSERT_TRUE(Zelt::MakeUserFolder(folder));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    struct stat status {};
    ASSERT_EQ(stat(folder.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);
    EXPECT_TRUE(Zelt::MakeUserFolder(folder));
    const std::string underAFile = (scratch / "data/sector-clash/saves/file").string();
    {
        std::FILE* file = std::fopen(underAFile.c_str(), "w");
        std::fclose(file);
    }
    EXPECT_FALSE(Zelt::MakeUserFolder(underAFile + "/inner"));
    EXPECT_FALSE(Zelt::MakeUserFolder(""));
    std::filesystem::remove_all(scratch);
}
