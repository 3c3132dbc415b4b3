#include <gtest/gtest.h>

#include <cstdlib>

#include "app/data_folder.h"
#include "tests/support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

void makeDataFolder(const fs::path& p)
{
    fs::create_directories(p / "galaxies");
    writeText(p / "sounds.lst", "");
    writeText(p / "music.lst", "noMusic");
}

TEST(DataFolder, TheEnvironmentThenTheCurrentFolderThenBesideOrAboveTheExecutable)
{
    ScratchFolder folder("zentory_data_folder_test");
    const fs::path root = folder.dir;
    for (const char* data : {"install/data", "here", "chosen", "usr/share/zentory"}) makeDataFolder(root / data);
    fs::create_directories(root / "empty");
    fs::create_directories(root / "install" / "build" / "release");
    fs::create_directories(root / "usr" / "bin");
    const std::string executable = (root / "install" / "build" / "release").string();
    // The current folder, ZENTORY_DATA (a folder that is not a data folder is
    // passed over), the executable's folder, the folder found and whether it
    // is an install's, which the game never writes to.
    struct Case {
        const char *current, *variable, *executable, *found;
        bool installed;
    };
    const Case cases[] = {{"empty", nullptr, "install/build/release", "install/data", false},
                          {"here", nullptr, "install/build/release", "here", false},
                          {"here", "chosen", "install/build/release", "chosen", false},
                          {"here", "empty", "install/build/release", "here", false},
                          {"empty", nullptr, "usr/bin", "usr/share/zentory", true},
                          {"empty", "usr/share/zentory", "usr/bin", "usr/share/zentory", false},
                          {"usr/share/zentory", nullptr, "usr/bin", "usr/share/zentory", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.current) + ", " + (c.variable ? c.variable : "-") + ", " + c.executable);
        fs::current_path(root / c.current);
        if (c.variable) setenv("ZENTORY_DATA", (root / c.variable).c_str(), 1);
        else unsetenv("ZENTORY_DATA");
        const DataFolder found = findDataFolder((root / c.executable).string());
        EXPECT_EQ(std::pair(fs::path(found.path), found.installed), std::pair(root / c.found, c.installed));
    }
    unsetenv("ZENTORY_DATA");

    fs::current_path(root / "empty");
    ASSERT_EQ(fs::path(enterDataFolder(executable).path), root / "install" / "data");
    EXPECT_EQ(fs::current_path(), root / "install" / "data");
    fs::remove(root / "install" / "data" / "music.lst");
    EXPECT_FALSE(isDataFolder((root / "install" / "data").string()) || isDataFolder(""));
}

} // namespace
