// The editor on the headless program, driven with the scripted mouse and keyboard.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "game/editor.h"
#include "game/editor_draft.h"
#include "game/galaxy_file.h"
#include "game/galaxy_list.h"
#include "tests/support/scratch_dir.h"
#include "tools/program_driver.h"

namespace fs = std::filesystem;
using Texts = std::pair<std::string, std::string>;

struct EditorTest : ::testing::Test {
    ProgramDriver program;
    Galaxy& g = editorGalaxy;

    void SetUp() override
    {
        ASSERT_TRUE(program.start(scratchDir("editor")));
        openEditor();
    }
    void openEditor()
    {
        setState(State::openEditor);
        program.frames(2);
        ASSERT_EQ(program.state(), State::editor);
    }
    // A button of the default image by its top-left corner.
    void clickButton(int x, int y) { program.click(x + 60, y + 9); }
    void save() { clickButton(421, 577); }
    // "load", the file row of that name, and "load" on the selection screen.
    void loadFile(const std::string& name)
    {
        clickButton(20, 577);
        const std::vector<std::string> rows = listGalaxyFiles({galaxyFolder()});
        const int row = static_cast<int>(std::find(rows.begin(), rows.end(), name) - rows.begin());
        ASSERT_LT(row, 15) << name;
        program.click(483 + 96, 28 + 14 + 35 * row);
        program.click(44 + 72, 523 + 11);
        ASSERT_EQ(program.state(), State::editor);
    }
    // Every file of the galaxy folder and its text.
    std::map<std::string, std::string> folderFiles() const
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(galaxyFolder()))
            files[entry.path().filename().string()] = readText(entry.path());
        return files;
    }
    std::string fileText(const std::string& name) const { return readText(galaxyPath(name)); }
    int starAt(int x, int y) const { return g.starAt(x, y, 0, 0); }
    bool linked(int i, int j) const { return g.isLinked(i, j) != 0 && g.isLinked(j, i) != 0; }
    std::pair<int, int> place(int i) const { return {g.layoutStars[i].x, g.layoutStars[i].y}; }
    // Clears the name line and types the text, all inside one frame.
    void rename(const std::string& text)
    {
        for (size_t i = 0; i < g.name.size(); ++i) {
            headlessPushKey(keys::backspace, true);
            headlessPushKey(keys::backspace, false);
        }
        headlessPushText(text.c_str());
        program.frame();
    }
};

TEST_F(EditorTest, FirstOpeningClickChainsAndAKindChange)
{
    EXPECT_TRUE(g.layoutStars[0].kind == darkStarKind && place(0) == std::pair(100, 100));
    EXPECT_TRUE(g.layoutStars[1].kind == normalStarKind && place(1) == std::pair(200, 220));
    EXPECT_TRUE(!linked(0, 1) && editorSelectedStar == noOwner);

    program.click(100, 100);
    program.click(400, 300); // empty space with A selected: new, unlinked, selected
    EXPECT_TRUE(editorSelectedStar == 2 && starAt(400, 300) == 2 && !linked(0, 2));

    program.rightClick(600, 300);
    EXPECT_EQ(editorSelectedStar, noOwner);
    program.click(100, 100);
    program.click(200, 220);
    EXPECT_TRUE(linked(0, 1) && editorSelectedStar == 1);
    program.click(400, 300);
    EXPECT_TRUE(linked(1, 2) && !linked(0, 2) && editorSelectedStar == 2);

    program.key(keys::escape); // unsaved work: asked first, and Escape is "no"
    const State asked = program.state();
    program.key(keys::escape);
    EXPECT_EQ(std::pair(asked, program.state()), std::pair(State::confirm, State::editor));
    clickButton(357, 500); // "menu", then "yes": leaving and coming back keeps the work
    clickButton(316, 258);
    EXPECT_TRUE(program.state() == State::menu && editorSelectedStar == noOwner);
    openEditor();
    EXPECT_TRUE(linked(1, 2));

    program.click(225, 220); // a new star beside star 1
    ASSERT_EQ(editorSelectedStar, 3);
    clickButton(20, 520); // golden keeps the place; its box now reaches star 1, the lower index, which goes
    EXPECT_EQ(std::tuple(g.layoutStars[3].kind, place(3), g.layoutStars[1].active, g.layoutStars[3].active),
              std::tuple(goldenStarKind, std::pair(225, 220), 0, 1));
}

// Work not saved when the program ends is kept as a draft, offered by the
// editor at the next start: restored on "yes", gone on "no" or once saved.
TEST_F(EditorTest, UnsavedWorkOutlivesTheProgramAsADraft)
{
    program.saveFolder = scratchDir("editor_draft");
    fs::remove_all(program.saveFolder);
    const fs::path draft = program.saveFolder / editorDraftFileName;
    for (const bool restore : {false, true}) {
        ASSERT_TRUE(program.start(scratchDir("editor")));
        openEditor();
        program.click(400, 300);
        rename("DRAFT");
        keepEditorWorkAsDraft(); // as the program does at its end
        ASSERT_TRUE(fs::exists(draft));
        ASSERT_TRUE(program.start(scratchDir("editor")));
        setState(State::openEditor);
        program.frames(2);
        ASSERT_EQ(program.state(), State::confirm);
        clickButton(restore ? 316 : 458, 258);
        EXPECT_EQ(std::tuple(program.state(), g.name, starAt(400, 300) != noOwner, fs::exists(draft)),
                  std::tuple(State::editor, restore ? "DRAFT" : "TEST", restore, restore));
    }
    save();
    EXPECT_FALSE(fs::exists(draft));
    keepEditorWorkAsDraft(); // nothing unsaved: nothing kept
    EXPECT_FALSE(fs::exists(draft));
    fs::remove_all(program.saveFolder);
}

TEST_F(EditorTest, ReleaseTidiesUpWhatADragBrokeAndADraggedStarStaysOnTheBoard)
{
    for (auto [x, y] : {std::pair(100, 100), {200, 220}, {600, 450}, {100, 300}, {150, 400}, {100, 300}})
        program.click(x, y); // links 0-1 and 3-4; star 2 only ends the chain
    ASSERT_TRUE(linked(0, 1) && linked(3, 4));

    program.drag(150, 400, 250, 150); // 3-4 now crosses 0-1: the one met first goes
    EXPECT_EQ(std::tuple(place(4), linked(0, 1), linked(3, 4)), std::tuple(std::pair(250, 150), false, true));

    program.drag(250, 150, 105, 305); // onto star 3: the lower index goes, with its links
    EXPECT_EQ(std::tuple(g.layoutStars[3].active, g.layoutStars[4].active, g.isLinked(3, 4) + g.isLinked(4, 3)),
              std::tuple(0, 1, 0));

    program.drag(200, 220, 0, 0);
    const std::pair<int, int> corner = place(1);
    program.drag(12, 13, 799, 499);
    EXPECT_EQ(std::tuple(corner, place(1), g.layoutStars[1].active), std::tuple(std::pair(12, 13), std::pair(788, 482), 1));

    program.press(80, 529); // held on a panel button: no drag
    program.frames(3);
    program.release(80, 529);
    program.frame();
    EXPECT_EQ(place(1), std::pair(788, 482));
}

TEST_F(EditorTest, PanelButtonsKeysAndLoadsThatKeepTheWorkOrTheSelection)
{
    Galaxy big;
    big.layoutStars.assign(150, Star{});
    big.gameStars.assign(150, Star{});
    big.links.assign(150 * 150, 0);
    ASSERT_TRUE(big.saveFile("BIG"));
    std::ofstream(galaxyPath("BROKEN")) << "2 x";
    program.click(100, 100);
    program.click(200, 220);
    program.rightClick(600, 300);
    for (const auto& [file, said] : {Texts("BIG", "Not loaded: BIG too large for the editor (150 places, at most 100)"),
                                     Texts("BROKEN", "Not loaded: BROKEN cannot be read")}) {
        SCOPED_TRACE(file);
        loadFile(file);
        EXPECT_EQ(editorMessage(), said);
        EXPECT_EQ(std::tuple(g.slotCount(), g.name, linked(0, 1)), std::tuple(100, "TEST", true));
    }
    // A long name is cut to the panel, not drawn across the screen's edge.
    const std::string longName(120, 'L');
    std::ofstream(galaxyPath(longName)) << "2 x";
    const std::vector<uint32_t> edge = program.pixels(797, 527, 3, 22);
    loadFile(longName);
    EXPECT_EQ(program.pixels(797, 527, 3, 22), edge);

    program.click(710, 510); // fewer, at 2
    const int fewest = g.playerCount;
    for (int i = 0; i < 7; ++i) program.click(770, 510);
    program.click(100, 100);
    program.key(keys::del);
    rename("AB 1");
    EXPECT_EQ(std::tuple(fewest, g.playerCount, g.layoutStars[0].active, g.name), std::tuple(2, 8, 0, "AB 1"));

    clickButton(188, 500); // clear: name and players too
    EXPECT_EQ(std::tuple(g.name, g.playerCount, starAt(200, 220)), std::tuple("TEST", 2, noOwner));

    // The built-in galaxy keeps the name, and no star of it is selected.
    program.click(400, 300);
    ASSERT_EQ(editorSelectedStar, 0);
    clickButton(20, 577);
    program.click(30 + 96, 275 + 14);
    program.click(44 + 72, 523 + 11);
    EXPECT_EQ(std::tuple(g.name, editorSelectedStar, g.layoutStars[0].x), std::tuple("TEST", noOwner, 222));
}

TEST_F(EditorTest, SavingAsksBeforeOverwritingAndRefusesNamesItCannotSave)
{
    rename("OLD");
    save(); // the first opening's two stars, not linked: saved with a warning
    EXPECT_EQ(editorMessage(), "Saved: OLD Not all stars are linked: this galaxy cannot be won.");
    program.frames(editorMessageMs / 16 + 2);
    EXPECT_EQ(editorMessage(), "");

    const std::string before = fileText("OLD");
    program.click(100, 100);
    program.click(200, 220); // linked now
    save(); // the question, on its panel
    EXPECT_EQ(std::tuple(program.state(), editorSelectedStar, program.pixel(305, 285)),
              std::tuple(State::confirm, noOwner, packRgb(54, 182, 151)));
    clickButton(458, 258); // no
    const State afterNo = program.state();
    save();
    program.key(keys::escape); // as "no"
    EXPECT_EQ(std::tuple(afterNo, program.state(), fileText("OLD")), std::tuple(State::editor, State::editor, before));
    save();
    clickButton(316, 258); // yes
    EXPECT_EQ(std::pair(program.state(), editorMessage()), std::pair(State::editor, std::string("Saved: OLD")));
    EXPECT_NE(fileText("OLD"), before);

    rename("   "); // spaces alone are no name
    save();
    EXPECT_EQ(std::pair(editorMessage(), fs::exists(galaxyPath(""))), std::pair(std::string("Not saved: type a name first"), false));
    // A save under a standard name would replace or hide the shipped galaxy for good.
    const auto files = folderFiles();
    for (const char* standard : standardGalaxyNames) {
        rename(standard);
        save();
        EXPECT_EQ(std::pair(program.state(), editorMessage()),
                  std::pair(State::editor, std::string(standard) + " is a standard galaxy: choose another name"));
    }
    EXPECT_EQ(folderFiles(), files);

    // The name is trimmed before it names a file.
    rename(" OLD  ");
    save();
    clickButton(316, 258);
    EXPECT_EQ(std::pair(editorMessage().substr(0, 10), g.name), Texts("Saved: OLD", "OLD"));
}

TEST_F(EditorTest, AMadeGalaxyIsSavedListedAndLoadedBack)
{
    using Places = std::vector<std::pair<int, int>>;
    // Besides the first opening's dark star at (100, 100) and normal star at (200, 220):
    const std::pair<int, Places> kinds[] = {
        {500, {{400, 100}, {700, 100}, {500, 220}, {100, 340}, {400, 340}, {700, 340}}},
        {520, {{250, 100}, {350, 220}, {650, 220}, {550, 340}}},
        {540, {{550, 100}, {250, 340}}}};
    for (const auto& [buttonY, places] : kinds) {
        program.rightClick(780, 480);
        clickButton(20, buttonY);
        for (auto [x, y] : places) program.click(x, y);
    }
    // A chain along the top row, each star of a different kind from the one before.
    program.rightClick(780, 480);
    for (int x : {100, 250, 400, 550, 700}) program.click(x, 100);
    for (int x : {100, 250, 400, 550}) ASSERT_TRUE(linked(starAt(x, 100), starAt(x + 150, 100))) << x;
    for (int i = 0; i < 2; ++i) program.click(770, 510); // 4 players
    rename("MY WORLD");
    save();
    // Only the top row is linked: saved all the same, with the warning.
    ASSERT_EQ(std::pair(editorMessage(), g.playerCount),
              std::pair(std::string("Saved: MY WORLD Not all stars are linked: this galaxy cannot be won."), 4));
    const Galaxy made = g;

    clickButton(188, 500); // cleared, then loaded back through the selection screen
    ASSERT_EQ(listGalaxyFiles({galaxyFolder()}), std::vector<std::string>{"MY WORLD"});
    loadFile("MY WORLD");
    EXPECT_EQ(std::tuple(g.links, g.name, g.playerCount), std::tuple(made.links, made.name, 4));
    for (int i = 0; i < maxStars; ++i) {
        const Star &s = g.layoutStars[i], &t = made.layoutStars[i];
        EXPECT_TRUE(s.active == t.active && (!t.active || (s.x == t.x && s.y == t.y && s.kind == t.kind))) << i;
    }
}

// The name line is the file a save writes: a loaded galaxy comes back to its
// own file, or, when its name cannot be typed back, the save is refused; no
// other file is touched, and the question fits its box whatever the name.
TEST_F(EditorTest, ASaveWritesTheLoadedFileOrNothing)
{
    const std::string longName(120, 'L');
    const std::pair<std::string, bool> names[] = { // and whether the line can type it
        {"MY GALAXY 2", true}, {std::string(40, 'W'), true}, {std::string(41, 'W'), false}, {longName, false},
        {"beta", false}, {"A.B-1", false}, {"ünïcödé★", false}};
    Galaxy tentacles;
    ASSERT_TRUE(tentacles.loadBuiltIn(""));
    ASSERT_TRUE(tentacles.saveFile(longName.substr(0, 99))); // where a save under a cut name would land
    tentacles.playerCount = 3;
    for (const auto& [name, typeable] : names) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(tentacles.saveFile(name));
        const auto files = folderFiles();
        loadFile(name);
        EXPECT_EQ(g.name, typeable ? name : "");
        save();
        if (program.state() == State::confirm) {
            for (int x : {300, 305, 595, 599})
                for (int y = 210; y < 240; y += 3) ASSERT_EQ(program.pixel(x, y), packRgb(54, 182, 151)) << x << "," << y;
            clickButton(316, 258);
        }
        EXPECT_EQ(editorMessage().rfind(typeable ? "Saved: " : "Not saved: type a name first", 0), 0u) << editorMessage();
        EXPECT_EQ(folderFiles(), files);
    }
}
