#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/data_folder.h"
#include "tests/support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

void makeDataFolder(const fs::path& p)
{
    fs::create_directories(p / "galaxies");
    std::ofstream(p / "sounds.lst") << "";
    std::ofstream(p / "music.lst") << "noMusic";
}

struct DataFolderTest : ::testing::Test {
    fs::path root = scratchDir("zentory_data_folder_test");
    fs::path saved = fs::current_path();
    void SetUp() override
    {
        fs::remove_all(root);
        fs::create_directories(root / "empty");
        fs::current_path(root / "empty");
        unsetenv("ZENTORY_DATA");
    }
    void TearDown() override
    {
        fs::current_path(saved);
        fs::remove_all(root);
        unsetenv("ZENTORY_DATA");
    }
};

TEST_F(DataFolderTest, AFolderWithAllThreeThingsIsFoundBesideOrAboveTheExecutable)
{
    makeDataFolder(root / "install" / "data");
    fs::create_directories(root / "install" / "build" / "release");
    std::string found = findDataFolder((root / "install" / "build" / "release").string());
    EXPECT_EQ(fs::path(found), root / "install" / "data");
    ASSERT_TRUE(enterDataFolder((root / "install" / "build" / "release").string()));
    EXPECT_EQ(fs::current_path(), root / "install" / "data");
    fs::remove(root / "install" / "data" / "music.lst");
    EXPECT_FALSE(isDataFolder((root / "install" / "data").string()));
    EXPECT_FALSE(isDataFolder(""));
}

TEST_F(DataFolderTest, TheEnvironmentAndThenTheCurrentFolderComeFirst)
{
    makeDataFolder(root / "install" / "data");
    makeDataFolder(root / "here");
    makeDataFolder(root / "chosen");
    fs::current_path(root / "here");
    EXPECT_EQ(fs::path(findDataFolder((root / "install").string())), root / "here");
    setenv("ZENTORY_DATA", (root / "chosen").c_str(), 1);
    EXPECT_EQ(fs::path(findDataFolder((root / "install").string())), root / "chosen");
    // A variable naming no data folder is passed over.
    setenv("ZENTORY_DATA", (root / "empty").c_str(), 1);
    EXPECT_EQ(fs::path(findDataFolder((root / "install").string())), root / "here");
}

} // namespace
