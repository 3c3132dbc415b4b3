// A galaxy made with the mouse and keyboard is saved, listed, loaded back,
// and played as a demonstration game to a win.
#include "ai/turn_sequence.h"
#include "app/galaxy_list.h"
#include "engine/random.h"
#include "game/galaxy_file.h"
#include "game/rules.h"
#include "tests/app/editor_support.h"

TEST_F(EditorTest, AMadeGalaxyIsSavedListedLoadedAndPlayedToAWin)
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
    // A snake through all of them, each star linked to the next.
    const Places path = {{100, 100}, {250, 100}, {400, 100}, {550, 100}, {700, 100}, {650, 220}, {500, 220},
                         {350, 220}, {200, 220}, {100, 340}, {250, 340}, {400, 340}, {550, 340}, {700, 340}};
    program.rightClick(780, 480);
    for (auto [x, y] : path) program.click(x, y);
    for (size_t i = 1; i < path.size(); ++i)
        ASSERT_TRUE(linked(starAt(path[i - 1].first, path[i - 1].second), starAt(path[i].first, path[i].second)));
    program.click(770, 510);
    program.click(770, 510);
    rename({scan::M, scan::Y, scan::space, scan::W, scan::O, scan::R, scan::L, scan::D});
    clickButton(421, 577);
    ASSERT_EQ(editorMessage(), "Saved: MY WORLD");
    ASSERT_EQ(g.playerCount, 4);
    const Galaxy made = g;

    clickButton(188, 500); // cleared, then loaded back through the selection screen
    clickButton(20, 577);
    ASSERT_EQ(program.state(), "load");
    ASSERT_EQ(listGalaxyFiles({galaxyFolder()}), std::vector<std::string>{"MY WORLD"});
    program.click(483 + 96, 28 + 14);
    program.click(44 + 72, 523 + 11);
    ASSERT_EQ(program.state(), "editor");
    EXPECT_EQ(g.links, made.links);
    EXPECT_EQ(g.name, made.name);
    EXPECT_EQ(g.playerCount, 4);
    for (int i = 0; i < maxStars; ++i) {
        const Star &s = g.layoutStars[i], &t = made.layoutStars[i];
        EXPECT_TRUE(s.active == t.active && (!t.active || (s.x == t.x && s.y == t.y && s.kind == t.kind))) << i;
    }

    openSelection("selector", gameGalaxy);
    program.frame();
    program.click(483 + 96, 28 + 14);
    program.click(185 + 60, 525 + 9); // demo
    ASSERT_NE(program.state(), "load");
    ASSERT_EQ(gameGalaxy.name, "MY WORLD");
    ASSERT_EQ(demoMode, 1);
    // Played on as the match runner plays: the same steps back to back.
    Galaxy game = gameGalaxy;
    seedRandom(7);
    AiTurns turns;
    while (game.turn < 500 && turns.phase != AiPhase::GameOver) {
        beginTurnCycle(game);
        beginAiTurns(turns, game, firstComputerPlayer());
        while (turns.phase != AiPhase::CycleDone && turns.phase != AiPhase::GameOver) stepAiTurns(turns, game);
    }
    ASSERT_EQ(turns.phase, AiPhase::GameOver);
    for (const Star& s : game.gameStars) EXPECT_TRUE(!s.active || s.owner == turns.winner);
}
