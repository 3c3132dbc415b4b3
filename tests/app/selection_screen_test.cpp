#include <gtest/gtest.h>

#include <fstream>

#include "app/galaxy_list.h"
#include "tests/support/program_driver.h"
#include "tests/support/scratch_dir.h"

namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }

bool sameMap(const Galaxy& a, const Galaxy& b)
{
    if (a.playerCount != b.playerCount || a.links != b.links || a.slotCount() != b.slotCount()) return false;
    for (int i = 0; i < a.slotCount(); ++i) {
        const Star &s = a.layoutStars[i], &t = b.layoutStars[i];
        if (s.active != t.active || s.x != t.x || s.y != t.y || s.kind != t.kind) return false;
    }
    return true;
}

Galaxy builtIn()
{
    Galaxy g;
    g.loadBuiltIn("");
    return g;
}

std::vector<uint32_t> region(const Image& im, int x, int y, int w, int h)
{
    std::vector<uint32_t> out;
    for (int r = y; r < y + h; ++r)
        for (int c = x; c < x + w; ++c) out.push_back(im.at(c, r));
    return out;
}

// The program on the main menu, galaxy files added before the screen opens.
struct Selection : ::testing::Test {
    ProgramDriver program;
    void SetUp() override
    {
        ASSERT_TRUE(program.start(scratchDir("selection")));
        program.key(keys::escape);
        registerState("editor", [](int) {}); // a stand-in until the editor is registered
    }
    void TearDown() override { program.stop(); }
    void addGalaxy(const std::string& name, const std::string& text = "")
    {
        if (text.empty())
            fs::copy_file(program.dataDir / "galaxies" / "ROMAN.gly", program.dataDir / "galaxies" / (name + ".gly"));
        else
            writeFile(program.dataDir / "galaxies" / (name + ".gly"), text);
    }
    void openPlayMode() { program.click(200, 91); }
    void openEditorMode()
    {
        openSelection("editor", editorGalaxy);
        program.frame();
    }
    void clickStandard(int i) { program.click(126, 289 + 35 * i); }
    std::string previewAtRow(int r)
    {
        program.moveTo(579, 42 + 35 * r);
        program.frame();
        return previewGalaxy.name;
    }
};

} // namespace

TEST(GalaxyList, ExtensionInAnyCaseStandardNamesExactlyByteOrderEachNameOnce)
{
    const fs::path root = scratchDir("galaxy_list");
    fs::remove_all(root);
    fs::create_directories(root / "mine" / "folder.gly");
    fs::create_directories(root / "shipped");
    for (const char* name : {"ROMAN.gly", "roman.gly", "Zeta.GLY", "beta.gly", "notes.txt", ".gly"})
        writeFile(root / "mine" / name, "x");
    for (const char* name : {"beta.gly", "Alpha.gly", "DOOR.gly"}) writeFile(root / "shipped" / name, "x");
    const auto names = listGalaxyFiles({(root / "mine").string(), (root / "shipped").string(), (root / "none").string()});
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "Zeta", "beta", "roman"}));
    fs::remove_all(root);
}

TEST_F(Selection, SixteenFilesScrollOneRowByArrowsAndByTheTrack)
{
    for (int i = 0; i < 16; ++i) addGalaxy("F" + std::to_string(100 + i));
    openPlayMode();
    EXPECT_EQ(previewAtRow(0), "F100");
    program.click(772, 520); // down
    EXPECT_EQ(previewAtRow(0), "F101");
    program.click(772, 520);
    EXPECT_EQ(previewAtRow(0), "F101");
    EXPECT_EQ(previewAtRow(14), "F115");
    program.click(772, 54); // up
    EXPECT_EQ(previewAtRow(0), "F100");
    program.drag(772, 95, 772, 490);
    EXPECT_EQ(previewAtRow(0), "F101");
    program.drag(772, 480, 772, 85);
    EXPECT_EQ(previewAtRow(0), "F100");
}

TEST_F(Selection, TheHoveredGalaxyIsPreviewedAndTheSelectedOneOtherwise)
{
    addGalaxy("OTHER", "3 1\n1 100 100 darkStar 0 0 0\n1 100 100 darkStar 0 0 0\n1 0\n");
    openPlayMode();
    EXPECT_TRUE(sameMap(previewGalaxy, builtIn())); // TENTACLES at the start
    EXPECT_EQ(previewGalaxy.playerCount, 5);
    EXPECT_EQ(previewAtRow(0), "OTHER");
    EXPECT_EQ(previewGalaxy.playerCount, 3);
    program.moveTo(600, 590);
    program.frame();
    EXPECT_TRUE(sameMap(previewGalaxy, builtIn()));
    program.click(579, 42);
    program.moveTo(600, 590);
    program.frame();
    EXPECT_EQ(previewGalaxy.name, "OTHER");
    program.moveTo(126, 394); // ROMAN
    program.frame();
    EXPECT_EQ(previewGalaxy.name, "ROMAN");
}

TEST_F(Selection, EditorModeLoadsTheSelectedGalaxyAndEscapeLoadsNothing)
{
    Galaxy roman;
    roman.loadFile("ROMAN");
    openEditorMode();
    clickStandard(3);
    program.click(116, 534);
    EXPECT_EQ(program.state(), "editor");
    EXPECT_EQ(editorGalaxy.name, "ROMAN");
    EXPECT_TRUE(sameMap(editorGalaxy, roman));
    openEditorMode();
    program.click(116, 534); // TENTACLES is selected on opening
    EXPECT_TRUE(sameMap(editorGalaxy, builtIn()));
    openEditorMode();
    clickStandard(3);
    program.key(keys::escape);
    EXPECT_EQ(program.state(), "editor");
    EXPECT_TRUE(sameMap(editorGalaxy, builtIn()));
}

TEST_F(Selection, StartAndDemoOpenTheBoardOnTheChosenGalaxyAndDifficulty)
{
    openPlayMode();
    clickStandard(3);
    program.click(105, 561); // "hard"
    program.click(247, 514);
    EXPECT_EQ(gameGalaxy.name, "ROMAN");
    EXPECT_EQ(gameGalaxy.gameInProgress, 1);
    EXPECT_EQ(difficulty, 3);
    EXPECT_EQ(demoMode, 0);
    program.key(keys::escape); // the board's way to the menu
    openPlayMode();
    program.click(247, 534);
    EXPECT_TRUE(sameMap(gameGalaxy, builtIn()));
    EXPECT_EQ(gameGalaxy.gameInProgress, 1);
    EXPECT_EQ(demoMode, 1);
}

TEST_F(Selection, AGalaxyNoGameCouldEndOnStartsNothingAndSaysWhy)
{
    addGalaxy("BROKEN", "not a galaxy");
    addGalaxy("LONELY", "3 1\n1 100 100 darkStar 0 0 0\n1 100 100 darkStar 0 0 0\n1 0\n");
    openPlayMode();
    program.click(579, 42);
    const auto quiet = region(program.screen(), 185, 478, 215, 22);
    program.click(247, 514);
    const auto unreadable = region(program.screen(), 185, 478, 215, 22);
    program.click(579, 77);
    program.click(247, 534);
    const auto tooFew = region(program.screen(), 185, 478, 215, 22);
    EXPECT_EQ(program.state(), "load");
    EXPECT_EQ(gameGalaxy.gameInProgress, 0);
    EXPECT_NE(unreadable, quiet);
    EXPECT_NE(tooFew, quiet);
    EXPECT_NE(tooFew, unreadable);
    clickStandard(3);
    EXPECT_EQ(region(program.screen(), 185, 478, 215, 22), quiet);
    program.click(247, 514);
    EXPECT_EQ(gameGalaxy.name, "ROMAN");
}
