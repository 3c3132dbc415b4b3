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
    fs::create_directories(root / "empty");
    fs::current_path(root / "empty");
    unsetenv("ZENTORY_DATA");
    makeDataFolder(root / "install" / "data");
    fs::create_directories(root / "install" / "build" / "release");
    const std::string executable = (root / "install" / "build" / "release").string();
    EXPECT_EQ(fs::path(findDataFolder(executable)), root / "install" / "data");

    makeDataFolder(root / "here");
    makeDataFolder(root / "chosen");
    fs::current_path(root / "here");
    EXPECT_EQ(fs::path(findDataFolder(executable)), root / "here");
    setenv("ZENTORY_DATA", (root / "chosen").c_str(), 1);
    EXPECT_EQ(fs::path(findDataFolder(executable)), root / "chosen");
    // A variable naming no data folder is passed over.
    setenv("ZENTORY_DATA", (root / "empty").c_str(), 1);
    EXPECT_EQ(fs::path(findDataFolder(executable)), root / "here");
    unsetenv("ZENTORY_DATA");

    fs::current_path(root / "empty");
    ASSERT_TRUE(enterDataFolder(executable));
    EXPECT_EQ(fs::current_path(), root / "install" / "data");
    fs::remove(root / "install" / "data" / "music.lst");
    EXPECT_FALSE(isDataFolder((root / "install" / "data").string()));
    EXPECT_FALSE(isDataFolder(""));
}

} // namespace
