// Saving from the editor: the overwrite question, the line that says what a
// save did, refused names and folders that cannot be written.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <sstream>

#include "game/galaxy_file.h"
#include "tests/app/editor_support.h"

namespace fs = std::filesystem;

namespace {

std::string fileText(const std::string& name)
{
    std::ifstream in(galaxyPath(name), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The panel of the overwrite question, clear of its text and buttons.
constexpr int panelX = 305, panelY = 285;

} // namespace

struct EditorSave : EditorTest {
    void saveAs(std::initializer_list<int> name)
    {
        for (int i = 0; i < 50 && !g.name.empty(); ++i) program.key(scan::backspace), program.frames(10);
        type(name);
        clickButton(421, 577);
    }
};

TEST_F(EditorSave, ANewNameIsWrittenAndSaid)
{
    saveAs({scan::N, scan::E, scan::W});
    EXPECT_EQ(program.state(), "editor");
    Galaxy back;
    ASSERT_TRUE(back.loadFile("NEW"));
    EXPECT_EQ(back.links, g.links);
    EXPECT_EQ(back.layoutStars[1].x, 200);
    EXPECT_EQ(editorMessage(), "Saved: NEW");
    program.frames(editorMessageMs / 16 + 2);
    EXPECT_EQ(editorMessage(), "");
}

TEST_F(EditorSave, AnExistingFileIsReplacedOnlyAfterYes)
{
    saveAs({scan::O, scan::L, scan::D});
    const std::string before = fileText("OLD");
    program.click(400, 300); // a third star
    program.click(100, 100);
    ASSERT_EQ(g.selectedStar, 0);

    clickButton(421, 577);
    EXPECT_EQ(program.state(), "confirm");
    EXPECT_EQ(g.selectedStar, noOwner);
    EXPECT_EQ(program.pixel(panelX, panelY), packRgb(54, 182, 151));
    clickButton(458, 258); // no
    EXPECT_EQ(program.state(), "editor");
    EXPECT_EQ(fileText("OLD"), before);

    clickButton(421, 577);
    program.key(keys::escape); // as "no"
    EXPECT_EQ(program.state(), "editor");
    EXPECT_EQ(fileText("OLD"), before);

    clickButton(421, 577);
    clickButton(316, 258); // yes
    EXPECT_EQ(program.state(), "editor");
    EXPECT_NE(fileText("OLD"), before);
    EXPECT_EQ(editorMessage(), "Saved: OLD");
}

TEST_F(EditorSave, NamesThatCannotBeSavedAreRefused)
{
    saveAs({});
    EXPECT_EQ(program.state(), "editor");
    EXPECT_EQ(editorMessage(), "Not saved: type a name first");
    saveAs({scan::T, scan::E, scan::N, scan::T, scan::A, scan::one});
    for (int i = 0; i < 2; ++i) program.key(scan::backspace), program.frames(10);
    type({scan::A, scan::C, scan::L, scan::E, scan::S});
    clickButton(421, 577);
    ASSERT_EQ(g.name, "TENTACLES");
    EXPECT_EQ(editorMessage(), "Not saved: TENTACLES is built in");
    EXPECT_EQ(program.state(), "editor");
    EXPECT_FALSE(fs::exists(galaxyPath("TENTACLES")));
    EXPECT_FALSE(fs::exists(galaxyPath("")));

    // A standard galaxy's file goes through the question.
    const std::string roman = fileText("ROMAN");
    saveAs({scan::R, scan::O, scan::M, scan::A, scan::N});
    EXPECT_EQ(program.state(), "confirm");
    program.key(keys::escape);
    EXPECT_EQ(fileText("ROMAN"), roman);
}

TEST_F(EditorSave, AFolderThatCannotBeWrittenIsSaidAndKeepsTheOldFile)
{
    saveAs({scan::O, scan::L, scan::D});
    const std::string before = fileText("OLD");
    program.click(400, 300);
    const fs::path folder = galaxyFolder();
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    // Root passes permission bits; acting as another user for the save
    // makes them hold.
    const bool asRoot = geteuid() == 0;
    if (asRoot && seteuid(65534) != 0) {
        GTEST_SKIP() << "cannot act as another user to make the folder read-only";
    }
    const bool writable = faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0;
    if (!writable) {
        clickButton(421, 577);
        clickButton(316, 258);
    }
    if (asRoot) {
        EXPECT_EQ(seteuid(0), 0);
    }
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    if (writable) {
        GTEST_SKIP() << "the galaxies folder stays writable here";
    }
    EXPECT_EQ(program.state(), "editor");
    EXPECT_EQ(editorMessage(), "Not saved: the folder is read-only");
    EXPECT_EQ(fileText("OLD"), before);
}

TEST(SaveFile, SaysWhyItFailed)
{
    const fs::path root = scratchDir("save_error");
    fs::remove_all(root);
    setGalaxyFolder(root.string());
    Galaxy g;
    ASSERT_TRUE(g.saveFile("A"));
    EXPECT_EQ(lastSaveError(), 0);
    fs::create_directories(root / ".A.gly.tmp");
    EXPECT_FALSE(g.saveFile("A"));
    EXPECT_EQ(lastSaveError(), EISDIR);
    EXPECT_FALSE(g.saveFile(""));
    EXPECT_EQ(lastSaveError(), EINVAL);
    EXPECT_EQ(saveFailureMessage(ENOSPC), "Not saved: the disk is full");
    setGalaxyFolder("galaxies");
    fs::remove_all(root);
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
    const Galaxy before = g;
    clickButton(20, 577);
    program.click(483 + 96, 28 + 14);
    program.click(44 + 72, 523 + 11);
    ASSERT_EQ(program.state(), "editor");
    EXPECT_EQ(editorMessage(), "Not loaded: BIG has 150 slots, at most 100");
    EXPECT_EQ(g.slotCount(), 100);
    EXPECT_EQ(g.name, before.name);
    EXPECT_EQ(g.links, before.links);
    EXPECT_TRUE(linked(0, 1));
    EXPECT_EQ(g.layoutStars[0].kind, darkStarKind);
}
