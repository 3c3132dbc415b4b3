// A galaxy made with the mouse and keyboard is saved, listed, loaded back,
// and played as a demonstration game to a win.
#include <algorithm>

#include "ai/turn_sequence.h"
#include "app/galaxy_list.h"
#include "engine/random.h"
#include "game/galaxy_file.h"
#include "game/rules.h"
#include "tests/app/editor_support.h"

namespace {

struct Place {
    int x, y;
};

// A snake through the board; consecutive places are linked.
const Place path[] = {{100, 100}, {250, 100}, {400, 100}, {550, 100}, {700, 100}, {650, 220}, {500, 220},
                      {350, 220}, {200, 220}, {100, 340}, {250, 340}, {400, 340}, {550, 340}, {700, 340}};

bool sameDesign(const Galaxy& a, const Galaxy& b)
{
    if (a.slotCount() != b.slotCount() || a.links != b.links || a.playerCount != b.playerCount || a.name != b.name)
        return false;
    for (int i = 0; i < a.slotCount(); ++i) {
        const Star &s = a.layoutStars[i], &t = b.layoutStars[i];
        if (s.active != t.active || (s.active && (s.x != t.x || s.y != t.y || s.kind != t.kind))) return false;
    }
    return true;
}

} // namespace

TEST_F(EditorTest, AMadeGalaxyIsSavedListedLoadedAndPlayedToAWin)
{
    // The first opening holds the dark star at (100, 100) and a normal one at (200, 220).
    const struct {
        int kindButtonY;
        std::vector<Place> places;
    } kinds[] = {{500, {{400, 100}, {700, 100}, {500, 220}, {100, 340}, {400, 340}, {700, 340}}},
                 {520, {{250, 100}, {350, 220}, {650, 220}, {550, 340}}},
                 {540, {{550, 100}, {250, 340}}}};
    for (const auto& k : kinds) {
        program.rightClick(780, 480);
        clickButton(20, k.kindButtonY);
        for (const Place& p : k.places) program.click(p.x, p.y);
    }
    program.rightClick(780, 480);
    for (const Place& p : path) program.click(p.x, p.y);
    for (size_t i = 1; i < std::size(path); ++i)
        ASSERT_TRUE(linked(starAt(path[i - 1].x, path[i - 1].y), starAt(path[i].x, path[i].y))) << i;
    program.click(770, 510);
    program.click(770, 510);
    for (int i = 0; i < 4; ++i) program.key(scan::backspace), program.frames(10);
    type({scan::M, scan::Y, scan::space, scan::W, scan::O, scan::R, scan::L, scan::D});
    clickButton(421, 577);
    ASSERT_EQ(editorMessage(), "Saved: MY WORLD");
    int stars = 0;
    for (const Star& s : g.layoutStars) stars += s.active;
    ASSERT_EQ(stars, 14);
    ASSERT_EQ(g.playerCount, 4);
    const Galaxy made = g;

    // Back through the selection screen, into an emptied editor.
    clickButton(188, 500);
    clickButton(20, 577);
    ASSERT_EQ(program.state(), "load");
    const std::vector<std::string> listed = listGalaxyFiles({galaxyFolder()});
    ASSERT_EQ(listed, std::vector<std::string>{"MY WORLD"});
    program.click(483 + 96, 28 + 14);
    program.click(44 + 72, 523 + 11);
    ASSERT_EQ(program.state(), "editor");
    EXPECT_TRUE(sameDesign(g, made));

    // A demonstration game through "demo", then played out as the match runner plays it.
    openSelection("selector", gameGalaxy);
    program.frame();
    program.click(483 + 96, 28 + 14);
    program.click(185 + 60, 525 + 9);
    ASSERT_NE(program.state(), "load");
    ASSERT_EQ(gameGalaxy.name, "MY WORLD");
    ASSERT_EQ(demoMode, 1);
    Galaxy game = gameGalaxy;
    seedRandom(7);
    AiTurns turns;
    while (game.turn < 500 && turns.phase != AiPhase::GameOver) {
        beginTurnCycle(game);
        beginAiTurns(turns, game, firstComputerPlayer());
        while (turns.phase != AiPhase::CycleDone && turns.phase != AiPhase::GameOver) stepAiTurns(turns, game);
    }
    ASSERT_EQ(turns.phase, AiPhase::GameOver);
    for (const Star& s : game.gameStars) {
        EXPECT_TRUE(!s.active || s.owner == turns.winner);
    }
}
