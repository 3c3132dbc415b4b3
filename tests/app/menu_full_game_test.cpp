#include <gtest/gtest.h>

#include "screens/end_and_stats.h"
#include "tools/program_driver.h"
#include "tests/support/scratch_dir.h"

// Title, menu, a galaxy, a human turn left for the menu and resumed, then a
// game brought to its end (the human holds one weak star next to blue's
// armies) and back to the menu from the winner's screen, with nothing to resume.
TEST(MenuFullGame, FromTheTitleThroughAGameAndBackToTheMenu)
{
    ProgramDriver program;
    ASSERT_TRUE(program.start(scratchDir("full_game")));
    ASSERT_TRUE(program.runUntil("menu", 3000));
    program.key(keys::escape); // no game to resume yet
    program.click(200, 491);   // where "Resume Game" will be
    ASSERT_EQ(program.state(), "menu");
    program.click(200, 91);  // "Play Zentory"
    program.click(126, 394); // ROMAN
    program.click(247, 514); // "start"
    ASSERT_TRUE(program.runUntil("placeHuman", 2000));
    const int turn = gameState.galaxy.turn;
    program.click(82, 555); // the board's "Menu"
    ASSERT_EQ(program.state(), "menu");
    program.click(200, 91); // "Play Zentory": choosing a level there is for the next game
    program.click(80, 500); // "simple"
    program.key(keys::escape);
    program.click(200, 491); // "Resume Game"
    ASSERT_EQ(std::pair(program.state(), gameState.difficulty), std::pair(std::string("placeHuman"), 2));
    program.key(keys::escape);
    program.key(keys::escape); // the board's Escape, then the menu's
    ASSERT_EQ(program.state(), "placeHuman");
    EXPECT_EQ(gameState.galaxy.turn, turn);

    Galaxy& g = gameState.galaxy;
    int mine = noOwner;
    for (int i = 0; i < g.slotCount() && mine == noOwner; ++i)
        for (int j = 0; j < g.slotCount(); ++j)
            if (i != j && g.gameStars[i].active && g.gameStars[j].active && g.isLinked(i, j)) mine = i;
    ASSERT_NE(mine, noOwner);
    for (Star& s : g.gameStars) s.owner = 1, s.armies = 300;
    g.gameStars[mine].owner = 0;
    g.gameStars[mine].armies = 0;
    for (int p = 2; p < static_cast<int>(g.players.size()); ++p) g.players[p].alive = 0;

    const Star& star = g.gameStars[mine];
    for (int i = 0; i < 100 && program.state() == "placeHuman"; ++i) program.click(star.x, star.y);
    ASSERT_EQ(program.state(), "attackHuman");
    program.click(712, 529); // "Next Turn"
    ASSERT_TRUE(program.runUntil("killed", 120000));
    EXPECT_EQ(eliminationMessage, "you were eliminated");
    program.click(662, 529); // "ok"
    ASSERT_EQ(std::pair(program.state(), winMessage), std::pair(std::string("win"), std::string("blue wins!")));
    // The winner stands a second: "ok" is hidden and Escape does nothing.
    program.frame();
    const std::vector<uint32_t> hidden = program.pixels(600, 520, 100, 40);
    program.key(keys::escape);
    program.frames(55); // about 940 ms on the screen
    EXPECT_EQ(program.pixels(600, 520, 100, 40), hidden);
    program.frames(5);
    EXPECT_NE(program.pixels(600, 520, 100, 40), hidden);
    program.key(keys::escape); // a decided game is no game to resume
    program.click(200, 491);   // where "Resume Game" stood
    EXPECT_EQ(program.state(), "menu");
}
