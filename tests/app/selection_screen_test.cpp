#include <gtest/gtest.h>

#include "game/galaxy_list.h"
#include "tests/support/scratch_dir.h"
#include "tools/program_driver.h"
#include "game/seats.h"

namespace fs = std::filesystem;

namespace {

// A dark star and a star of a kind that yields nothing: one player at most could be dealt income.
const char* const oneIncomeStar = "3 2 1 100 100 darkStar 0 0 0 1 300 300 oddStar 0 0 0 "
                                  "1 100 100 darkStar 0 0 0 1 300 300 oddStar 0 0 0 4 0 1 1 0";

// The same map: the links and the player count tell the galaxies used here apart.
bool sameMap(const Galaxy& a, const Galaxy& b) { return a.links == b.links && a.playerCount == b.playerCount; }

Galaxy builtIn()
{
    Galaxy g;
    g.loadBuiltIn("");
    return g;
}

// The program on the main menu; galaxy files are added before the screen opens.
struct Selection : ::testing::Test {
    ProgramDriver program;
    void SetUp() override
    {
        ASSERT_TRUE(program.start(scratchDir("selection")));
        program.key(keys::escape);
    }
    void addGalaxy(const std::string& name, const char* text)
    {
        writeText(program.dataDir / "galaxies" / (name + ".gly"), text);
    }
    void clickStandard(int i) { program.click(126, 289 + 35 * i); }
    std::string previewAt(int x, int y)
    {
        program.moveTo(x, y);
        program.frame();
        return previewGalaxy.name;
    }
    std::string previewAtRow(int r) { return previewAt(579, 42 + 35 * r); }
    std::vector<uint32_t> messageLine() const { return program.pixels(180, 552, 300, 24); }
};

} // namespace

TEST(GalaxyList, OnlyFilesTheLoaderOpensStandardNamesExactlyNaturalOrderEachNameOnce)
{
    ScratchFolder root("galaxy_list");
    fs::create_directories("mine/folder.gly");
    fs::create_directories("shipped");
    // "Zeta.GLY" would list but never open: the loader asks for "Zeta.gly".
    for (const char* name : {"ROMAN.gly", "roman.gly", "Zeta.GLY", "beta.gly", "notes.txt", ".gly", "MAP 10.gly"})
        writeText(fs::path("mine") / name, "x");
    for (const char* name : {"beta.gly", "Alpha.gly", "DOOR.gly", "Beta.gly", "MAP 2.gly", "MAP 02.gly", "map 3.gly"})
        writeText(fs::path("shipped") / name, "x");
    const std::vector<std::string> expected = {"Alpha", "Beta", "beta", "MAP 02", "MAP 2", "map 3", "MAP 10", "roman"};
    EXPECT_EQ(listGalaxyFiles({"mine", "shipped", "none"}), expected);
}

TEST_F(Selection, SixteenFilesScrollOneRowByArrowsAndByTheTrack)
{
    for (int i = 0; i < 16; ++i) addGalaxy("F" + std::to_string(100 + i), oneIncomeStar);
    program.click(200, 91);
    std::vector<std::string> tops = {previewAtRow(0)};
    for (int i = 0; i < 2; ++i) program.click(772, 520); // down, twice
    tops.push_back(previewAtRow(0));
    EXPECT_EQ(previewAtRow(14), "F115");
    program.click(772, 54); // up
    tops.push_back(previewAtRow(0));
    program.drag(772, 95, 772, 490);
    tops.push_back(previewAtRow(0));
    program.drag(772, 480, 772, 85);
    tops.push_back(previewAtRow(0));
    EXPECT_EQ(tops, (std::vector<std::string>{"F100", "F101", "F100", "F101", "F100"}));
}

TEST_F(Selection, PreviewsStartsOnlyAGameThatCanEndOnTheChosenGalaxyAndDifficultyAndLoadsIntoTheEditor)
{
    addGalaxy("BROKEN", "not a galaxy");
    addGalaxy("LONELY", oneIncomeStar);
    // Two income stars with no link between them: a game on it could never be won.
    addGalaxy("UNLINKED", "2 2 1 100 100 darkStar 0 0 0 1 300 300 normalStar 0 0 0 "
                          "1 100 100 darkStar 0 0 0 1 300 300 normalStar 0 0 0 4 0 0 0 0");
    program.click(200, 91);
    // The hovered galaxy is previewed, and the selected one otherwise.
    EXPECT_EQ(std::pair(sameMap(previewGalaxy, builtIn()), previewGalaxy.playerCount), std::pair(true, 5)); // TENTACLES
    EXPECT_EQ(std::pair(previewAtRow(1), previewGalaxy.playerCount), std::pair(std::string("LONELY"), 3));
    previewAt(600, 590);
    EXPECT_TRUE(sameMap(previewGalaxy, builtIn()));
    program.click(579, 77);
    EXPECT_EQ(previewAt(600, 590), "LONELY");
    EXPECT_EQ(previewAt(126, 394), "ROMAN");

    program.click(579, 42);
    const auto quiet = messageLine();
    program.click(247, 514); // "start"
    const auto unreadable = messageLine();
    program.click(579, 77);
    program.click(247, 534); // "demo"
    EXPECT_EQ(std::pair(program.state(), gameInProgress(gameState)), std::pair(State::load, false));
    EXPECT_NE(unreadable, quiet);
    const auto tooFew = messageLine();
    EXPECT_NE(tooFew, unreadable);
    program.click(579, 112);
    program.click(247, 514);
    EXPECT_EQ(std::pair(program.state(), gameInProgress(gameState)), std::pair(State::load, false));
    EXPECT_NE(messageLine(), tooFew);
    EXPECT_NE(messageLine(), quiet);
    clickStandard(3);
    EXPECT_EQ(messageLine(), quiet);
    program.click(105, 561); // "hard"
    program.click(247, 514);
    const Galaxy& g = gameState.galaxy;
    EXPECT_EQ(std::tuple(g.name, gameInProgress(gameState), gameState.difficulty, isDemo(gameState)),
              std::tuple("ROMAN", true, 3, false));
    program.key(keys::escape); // the board's way to the menu
    program.click(200, 91);
    program.click(247, 534);
    program.click(376, 267); // "yes" to abandoning the game under way
    EXPECT_EQ(std::pair(sameMap(gameState.galaxy, builtIn()), isDemo(gameState)), std::pair(true, true));

    // In the editor's mode: "load" loads the selected galaxy, TENTACLES when
    // none was chosen, and Escape loads nothing.
    Galaxy roman;
    roman.loadFile("ROMAN");
    for (int pass = 0; pass < 3; ++pass) {
        openSelection(true);
        program.frame();
        if (pass != 1) clickStandard(3);
        if (pass == 2) program.key(keys::escape);
        else program.click(116, 534); // "load"
        EXPECT_EQ(std::tuple(program.state(), editorGalaxy.name, sameMap(editorGalaxy, pass == 0 ? roman : builtIn())),
                  std::tuple(State::editor, "ROMAN", true));
    }
}

TEST_F(Selection, APreviewedFileIsReadOncePerVisitOfTheScreen)
{
    addGalaxy("TWICE", oneIncomeStar);
    program.click(200, 91);
    EXPECT_EQ(std::pair(previewAtRow(0), previewGalaxy.playerCount), std::pair(std::string("TWICE"), 3));
    // Changed while the screen is open: moving away and back shows what was read.
    std::string four = oneIncomeStar;
    four[0] = '4';
    addGalaxy("TWICE", four.c_str());
    previewAt(600, 590);
    previewAtRow(0);
    EXPECT_EQ(previewGalaxy.playerCount, 3);
    // A new visit reads it again.
    program.key(keys::escape);
    program.click(200, 91);
    previewAtRow(0);
    EXPECT_EQ(previewGalaxy.playerCount, 4);
}
