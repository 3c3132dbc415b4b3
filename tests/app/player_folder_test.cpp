// The player's files where a system-wide install cannot be written.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/player_folder.h"
#include "engine/volume_file.h"
#include "game/galaxy_file.h"
#include "game/galaxy_list.h"
#include "tests/support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

// Root may write anywhere the permission bits forbid, but not into an
// immutable folder, so that is tried first.
bool setImmutable(const fs::path& folder, bool on)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    bool ok = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    ok = ok && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0) close(fd);
    return ok;
}

bool makeReadOnly(const fs::path& folder)
{
    if (!setImmutable(folder, true)) chmod(folder.c_str(), 0555);
    return !isWritableFolder(folder.string());
}

void makeWritable(const fs::path& folder)
{
    setImmutable(folder, false);
    chmod(folder.c_str(), 0755);
}

struct PlayerFolderTest : ::testing::Test {
    ScratchFolder scratch{"zentory_player_folder_test"}; // left and removed after TearDown
    fs::path root = scratch.dir;
    fs::path data = root / "share" / "zentory";
    void SetUp() override
    {
        fs::create_directories(data / "galaxies");
        writeText(data / "sounds.lst", "");
        writeText(data / "music.lst", "noMusic");
        writeText(data / "galaxies" / "SHARED.gly", builtInGalaxyText());
        writeText(data / "galaxies" / "SHIPPED.gly", builtInGalaxyText());
        writeText(data / "svol.lst", "9");
        fs::current_path(data);
        setenv("XDG_DATA_HOME", (root / "home data").c_str(), 1);
    }
    void TearDown() override
    {
        makeWritable(data / "galaxies");
        makeWritable(data);
        usePlayerFolder("");
        unsetenv("XDG_DATA_HOME");
    }
};

TEST_F(PlayerFolderTest, AReadOnlyDataFolderSendsVolumesAndSavedGalaxiesToThePlayersFolder)
{
    if (!makeReadOnly(data)) GTEST_SKIP() << "cannot make a folder read-only for this user on this file system";
    const fs::path player = root / "home data" / "zentory";
    ASSERT_EQ(fs::path(playerFolderFor(data.string(), false)), player);
    usePlayerFolder(playerFolderFor(data.string(), false));
    EXPECT_FALSE(fs::exists(player)) << "created only on first need";

    // The shipped level is read until the player chooses one.
    EXPECT_EQ(readVolumeFile("svol.lst"), 9);
    writeVolumeFile("svol.lst", 14);
    writeVolumeFile("mvol.lst", 2);
    EXPECT_EQ(std::tuple(readText(player / "svol.lst"), readVolumeFile("svol.lst"), readVolumeFile("mvol.lst")),
              std::tuple("14", 14, 2));
    EXPECT_EQ(readText(data / "svol.lst"), "9");

    // The editor's save lands in the player's galaxies; the player's copy of
    // a shipped name wins when loading, and the list shows each name once.
    Galaxy mine;
    ASSERT_TRUE(mine.loadFile("SHARED"));
    mine.playerCount = 3;
    ASSERT_TRUE(mine.saveFile("SHARED") && mine.saveFile("MINE"));
    EXPECT_TRUE(fs::exists(player / "galaxies" / "MINE.gly") && !fs::exists(data / "galaxies" / "MINE.gly"));
    Galaxy back;
    ASSERT_TRUE(back.loadFile("SHARED"));
    EXPECT_EQ(back.playerCount, 3);
    EXPECT_TRUE(back.loadFile("SHIPPED"));
    EXPECT_EQ(listGalaxyFiles(galaxyFolders()), (std::vector<std::string>{"MINE", "SHARED", "SHIPPED"}));
}

TEST_F(PlayerFolderTest, AWritableDataFolderKeepsEverythingInIt)
{
    // A read-only galaxies folder alone moves the player's files too.
    EXPECT_TRUE(!makeReadOnly(data / "galaxies") || !playerFolderFor(data.string(), false).empty());
    makeWritable(data / "galaxies");
    ASSERT_EQ(playerFolderFor(data.string(), false), "");
    usePlayerFolder(playerFolderFor(data.string(), false));
    writeVolumeFile("svol.lst", 11);
    Galaxy g;
    ASSERT_TRUE(g.loadFile("SHIPPED"));
    ASSERT_TRUE(g.saveFile("MINE"));
    const bool savedHere = fs::exists(data / "galaxies" / "MINE.gly"), playersMade = fs::exists(root / "home data");
    EXPECT_EQ(std::tuple(readText(data / "svol.lst"), savedHere, playersMade), std::tuple("11", true, false));
    // An installed data folder is never written to, even where it could be.
    EXPECT_EQ(fs::path(playerFolderFor(data.string(), true)), root / "home data" / "zentory");
    // A relative XDG_DATA_HOME is not a place to write to.
    setenv("XDG_DATA_HOME", "relative", 1);
    EXPECT_NE(userDataFolder(), "relative/zentory");
}

} // namespace
