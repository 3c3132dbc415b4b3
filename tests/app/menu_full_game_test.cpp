#include <gtest/gtest.h>

#include "screens/end_and_stats.h"
#include "screens/event_log.h"
#include "tools/program_driver.h"
#include "tests/support/scratch_dir.h"
#include "game/seats.h"

// Title, menu, a galaxy, a human turn left for the menu and resumed, a new
// game asked about first, then a game brought to its end (the human holds
// one weak star next to blue's armies), its log, and from the winner's
// screen through the statistics back to the menu, where the decided game is offered no more, even after a
// restart.
TEST(MenuFullGame, FromTheTitleThroughAGameAndBackToTheMenu)
{
    ProgramDriver program;
    program.saveFolder = scratchDir("full_game_saves");
    std::filesystem::remove_all(program.saveFolder);
    ASSERT_TRUE(program.start(scratchDir("full_game")));
    ASSERT_TRUE(program.runUntil(State::menu, 3000));
    program.key(keys::escape); // no game to resume yet
    program.click(200, 491);   // where "Resume Game" will be
    ASSERT_EQ(program.state(), State::menu);
    program.click(200, 91);  // "Play Zentory"
    program.click(126, 394); // ROMAN
    program.click(247, 514); // "start"
    ASSERT_TRUE(program.runUntil(State::placeHuman, 2000));
    const int turn = gameState.galaxy.turn;
    program.click(82, 555); // the board's "Menu"
    ASSERT_EQ(program.state(), State::menu);
    program.click(200, 91); // "Play Zentory": choosing a level there is for the next game
    program.click(80, 500); // "simple"
    program.key(keys::escape);
    program.click(200, 491); // "Resume Game"
    ASSERT_EQ(std::pair(program.state(), gameState.difficulty), std::pair(State::placeHuman, 2));
    program.key(keys::escape);
    program.key(keys::escape); // the board's Escape, then the menu's
    ASSERT_EQ(program.state(), State::placeHuman);
    EXPECT_EQ(gameState.galaxy.turn, turn);
    // A new game would throw this one away: asked first; Escape and "no" keep it, "yes" starts anew.
    program.key(keys::escape);
    program.click(200, 91);
    const auto asked = [&] { return program.state() == State::load && program.pixel(305, 285) == packRgb(54, 182, 151); };
    program.click(247, 514); // "start"
    EXPECT_TRUE(asked());
    program.key(keys::escape);
    program.click(247, 534); // "demo"
    EXPECT_TRUE(asked());
    program.click(518, 267); // "no"
    EXPECT_FALSE(asked());
    EXPECT_EQ(std::tuple(program.state(), gameState.galaxy.turn, isDemo(gameState)), std::tuple(State::load, turn, false));
    program.click(247, 514);
    program.click(376, 267); // "yes"
    ASSERT_TRUE(program.runUntil(State::placeHuman, 2000));

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
    for (int i = 0; i < 100 && program.state() == State::placeHuman; ++i) program.click(star.x, star.y);
    ASSERT_EQ(program.state(), State::attackHuman);
    program.click(712, 529); // "Next Turn"
    ASSERT_TRUE(program.runUntil(State::killed, 120000));
    EXPECT_EQ(eliminationMessage, "you were eliminated");
    program.click(662, 529); // "ok"
    ASSERT_EQ(std::pair(program.state(), winMessage), std::pair(State::win, std::string("blue wins!")));
    // The winner stands a second: "ok" is hidden and Escape does nothing.
    program.frame();
    const std::vector<uint32_t> hidden = program.pixels(600, 520, 100, 40);
    program.key(keys::escape);
    program.frames(55); // about 940 ms on the screen
    EXPECT_EQ(program.pixels(600, 520, 100, 40), hidden);
    program.frames(5);
    EXPECT_NE(program.pixels(600, 520, 100, 40), hidden);
    // The log names the last conquest; Escape leads to the statistics and their graph, "continue" to the menu.
    const std::vector<std::string> log = eventLogLines(gameState.lastEvents, g, false);
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log.back(), "you were eliminated");
    EXPECT_TRUE(log[log.size() - 2].starts_with("blue took a")) << log[log.size() - 2];
    EXPECT_TRUE(log[log.size() - 2].ends_with(" from you")) << log[log.size() - 2];
    program.key(keys::escape);
    ASSERT_EQ(program.state(), State::stats);
    ASSERT_FALSE(gameState.history.empty());
    EXPECT_EQ(gameState.history.back().turn, g.turn);
    EXPECT_EQ(gameState.history.back().stars[0], 0);
    program.click(400, 532); // "continue"
    ASSERT_EQ(program.state(), State::menu);
    for (int run = 0; run < 2; ++run) { // the decided game is not resumed, nor after a restart
        program.key(keys::escape);
        program.click(200, 491); // where "Resume Game" was
        EXPECT_EQ(program.state(), State::menu) << run;
        ASSERT_TRUE(program.start(scratchDir("full_game")));
        ASSERT_TRUE(program.runUntil(State::menu, 3000));
    }
    std::filesystem::remove_all(program.saveFolder);
}
