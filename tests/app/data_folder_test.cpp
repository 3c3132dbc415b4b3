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
    for (const char* data : {"install/data", "here", "chosen"}) makeDataFolder(root / data);
    fs::create_directories(root / "empty");
    fs::create_directories(root / "install" / "build" / "release");
    const std::string executable = (root / "install" / "build" / "release").string();
    // The current folder, ZENTORY_DATA (a folder that is not a data folder is
    // passed over) and the folder found.
    const char* const cases[][3] = {{"empty", nullptr, "install/data"}, {"here", nullptr, "here"},
                                    {"here", "chosen", "chosen"}, {"here", "empty", "here"}};
    for (const auto& [current, variable, found] : cases) {
        fs::current_path(root / current);
        if (variable) setenv("ZENTORY_DATA", (root / variable).c_str(), 1);
        else unsetenv("ZENTORY_DATA");
        EXPECT_EQ(fs::path(findDataFolder(executable)), root / found) << current << ", " << (variable ? variable : "-");
    }
    unsetenv("ZENTORY_DATA");

    fs::current_path(root / "empty");
    ASSERT_TRUE(enterDataFolder(executable));
    EXPECT_EQ(fs::current_path(), root / "install" / "data");
    fs::remove(root / "install" / "data" / "music.lst");
    EXPECT_FALSE(isDataFolder((root / "install" / "data").string()));
    EXPECT_FALSE(isDataFolder(""));
}

} // namespace
