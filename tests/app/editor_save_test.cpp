// Saving from the editor: the overwrite question, the line that says what a
// save did, names that cannot be saved, a folder that cannot be written, and
// a galaxy too large to load.
#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "game/galaxy_file.h"
#include "tests/app/editor_support.h"

namespace fs = std::filesystem;

namespace {

std::string fileText(const std::string& name)
{
    std::ostringstream out;
    out << std::ifstream(galaxyPath(name), std::ios::binary).rdbuf();
    return out.str();
}

} // namespace

struct EditorSave : EditorTest {
    void save() { clickButton(421, 577); }
};

TEST_F(EditorSave, ANewNameIsWrittenAndAnExistingFileOnlyAfterYes)
{
    rename({scan::O, scan::L, scan::D});
    save();
    EXPECT_EQ(editorMessage(), "Saved: OLD");
    program.frames(editorMessageMs / 16 + 2);
    EXPECT_EQ(editorMessage(), "");

    const std::string before = fileText("OLD");
    program.click(400, 300);
    save();
    EXPECT_EQ(program.state(), "confirm");
    EXPECT_EQ(g.selectedStar, noOwner);
    EXPECT_EQ(program.pixel(305, 285), packRgb(54, 182, 151)); // the question's panel
    clickButton(458, 258); // no
    EXPECT_EQ(program.state(), "editor");
    save();
    program.key(keys::escape); // as "no"
    EXPECT_EQ(program.state(), "editor");
    EXPECT_EQ(fileText("OLD"), before);
    save();
    clickButton(316, 258); // yes
    EXPECT_EQ(program.state(), "editor");
    EXPECT_NE(fileText("OLD"), before);
    EXPECT_EQ(editorMessage(), "Saved: OLD");
}

TEST_F(EditorSave, NamesThatCannotBeSavedAreRefused)
{
    rename({});
    save();
    EXPECT_EQ(editorMessage(), "Not saved: type a name first");
    rename({scan::T, scan::E, scan::N, scan::T, scan::A, scan::C, scan::L, scan::E, scan::S});
    save();
    EXPECT_EQ(editorMessage(), "Not saved: TENTACLES is built in");
    EXPECT_EQ(program.state(), "editor");
    EXPECT_FALSE(fs::exists(galaxyPath("TENTACLES")) || fs::exists(galaxyPath("")));

    const std::string roman = fileText("ROMAN"); // a standard file goes through the question
    rename({scan::R, scan::O, scan::M, scan::A, scan::N});
    save();
    EXPECT_EQ(program.state(), "confirm");
    program.key(keys::escape);
    EXPECT_EQ(fileText("ROMAN"), roman);
}

TEST_F(EditorSave, AFolderThatCannotBeWrittenIsSaidAndKeepsTheOldFile)
{
    rename({scan::O, scan::L, scan::D});
    save();
    const std::string before = fileText("OLD");
    program.click(400, 300);
    const std::string folder = galaxyFolder();
    fs::permissions(folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    // Permission bits bind root only while it acts as another user.
    const bool asRoot = geteuid() == 0;
    if (asRoot && seteuid(65534) != 0) {
        GTEST_SKIP() << "cannot act as another user to make the folder read-only";
    }
    const bool writable = faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0;
    if (!writable) save(), clickButton(316, 258);
    const bool back = !asRoot || seteuid(0) == 0;
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
    ASSERT_TRUE(back);
    if (writable) {
        GTEST_SKIP() << "the galaxies folder stays writable here";
    }
    EXPECT_EQ(editorMessage(), "Not saved: the folder is read-only");
    EXPECT_EQ(fileText("OLD"), before);
}

TEST_F(EditorSave, AGalaxyLargerThanTheEditorMakesIsNotLoaded)
{
    Galaxy big;
    big.layoutStars.assign(150, Star{});
    big.gameStars.assign(150, Star{});
    big.links.assign(150 * 150, 0);
    ASSERT_TRUE(big.saveFile("BIG"));
    program.click(100, 100);
    program.click(200, 220);
    program.rightClick(600, 300);
    clickButton(20, 577);
    program.click(483 + 96, 28 + 14); // the file's row
    program.click(44 + 72, 523 + 11); // load
    ASSERT_EQ(program.state(), "editor");
    EXPECT_EQ(editorMessage(), "Not loaded: BIG has 150 slots, at most 100");
    EXPECT_EQ(g.slotCount(), 100);
    EXPECT_EQ(g.name, "TEST");
    EXPECT_TRUE(linked(0, 1));
}
