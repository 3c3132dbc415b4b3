// The human's turn on the game board, played through the real handlers.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/game_state.h"
#include "game/new_game.h"
#include "game/rules.h"
#include "screens/board.h"
#include "tools/program_driver.h"
#include "tests/support/scratch_dir.h"

namespace {

using Labels = std::vector<std::string>;

struct BoardTurn : ::testing::Test {
    ProgramDriver program;
    int own = noOwner, enemy = noOwner; // linked; the enemy's owner holds more stars

    void SetUp() override
    {
        ASSERT_TRUE(program.start(scratchDir("board")));
        startNewGame(builtInGalaxy(), false);
        const Galaxy& g = gameState.galaxy;
        for (int i = 0; i < g.slotCount() && enemy == noOwner; ++i)
            for (int j = 0; j < g.slotCount() && enemy == noOwner; ++j)
                if (g.gameStars[i].owner == 0 && g.gameStars[j].owner != 0 && g.isLinked(i, j) &&
                    g.gameStars[i].active && g.gameStars[j].active && g.starCount(g.gameStars[j].owner) > 1)
                    own = i, enemy = j;
        ASSERT_NE(enemy, noOwner);
    }

    Star& star(int s) { return gameState.galaxy.gameStars[s]; }
    void clickStar(int s) { program.click(gameState.galaxy.layoutStars[s].x, gameState.galaxy.layoutStars[s].y); }
    void dragStars(int from, int to)
    {
        const Star &a = gameState.galaxy.layoutStars[from], &b = gameState.galaxy.layoutStars[to];
        program.drag(a.x, a.y, b.x, b.y);
    }
    // The state a click on choice button k led to, before that state ran.
    State pressChoice(int k)
    {
        const Button& b = *choiceButtons.buttons[k];
        program.press(b.x + b.width / 2, b.y + b.height / 2);
        program.frame();
        const State after = program.state();
        program.release(b.x + b.width / 2, b.y + b.height / 2);
        program.frame();
        return after;
    }
    // The labels of the choice buttons shown in the next frame.
    Labels shownChoices()
    {
        program.frame();
        Labels shown;
        for (const Button* b : choiceButtons.buttons)
            if (b->active) shown.push_back(b->label);
        return shown;
    }
    bool whiteIn(int x, int y, int w, int h)
    {
        const std::vector<uint32_t> area = program.pixels(x, y, w, h);
        return std::any_of(area.begin(), area.end(), [](uint32_t c) { return (c & 0xffffffu) == 0xffffffu; });
    }
};

} // namespace

// The placement, attack and move rules are the core's (tests/core/human_turn_test.cpp);
// here the handlers' wiring: choices, pointer, panels and the states they lead to.
TEST_F(BoardTurn, PlacementStatsDragBattleConquestTransferAndMove)
{
    ASSERT_TRUE(program.runUntil(State::placeHuman, 200));
    EXPECT_EQ(gameState.galaxy.turn, 1);
    const uint32_t nextTurnSpot = program.pixel(700, 530);
    gameState.armiesToPlace = 13;
    EXPECT_EQ(shownChoices(), (Labels{"1", "3", "5", "7", "9", "11", "13"}));
    gameState.armiesToPlace = 5;
    EXPECT_EQ(shownChoices(), (Labels{"1", "2", "3", "4", "5"}));

    // A click on the panel is a click on its buttons, never on a star.
    gameState.armiesToPlace = 8;
    const int ownBefore = star(own).armies;
    program.click(100, 520);
    EXPECT_EQ(pressChoice(4), State::placeHuman);
    clickStar(own);
    clickStar(own); // the step of 5 is cut to the 3 left
    EXPECT_EQ(std::pair(star(own).armies, program.state()), std::pair(ownBefore + 8, State::attackHuman));
    EXPECT_NE(program.pixel(700, 530), nextTurnSpot); // "Next Turn" shows only now

    // "Stats" remembers the phase ("Menu" is walked by the whole-game test);
    // Escape does nothing on the statistics, and "continue" lies over no
    // figure of the fullest table.
    gameState.galaxy.playerCount = 8;
    gameState.galaxy.players.resize(8);
    program.click(660, 556);
    program.key(keys::escape);
    for (int row = 0; row < 8; ++row)
        for (auto [x, w] : {std::pair(105, 200), {310, 150}, {468, 150}, {649, 150}})
            for (auto [dx, dy] : {std::pair(1, 1), {w - 2, 1}, {1, 28}, {w - 2, 28}, {w / 2, 15}})
                program.click(x + dx, 83 + 50 * row + dy);
    ASSERT_EQ(program.state(), State::stats);
    gameState.galaxy.playerCount = 5;
    program.click(400, 533); // "continue"
    ASSERT_EQ(program.state(), State::attackHuman);

    Star &from = star(own), &to = star(enemy);
    from.armies = 20;
    // The army count follows the pointer over bare sky; a drop there does nothing.
    int x = 20, y = 40;
    while (gameState.galaxy.starAt(x, y, 0, 0) != noOwner || whiteIn(x + 20, y, 20, 20)) x += 20;
    program.press(gameState.galaxy.layoutStars[own].x, gameState.galaxy.layoutStars[own].y);
    program.frame();
    program.moveTo(x, y);
    program.frame();
    EXPECT_TRUE(whiteIn(x + 20, y, 20, 20));
    program.release(x, y);
    program.frames(2);
    EXPECT_FALSE(whiteIn(x + 20, y, 20, 20));
    EXPECT_EQ(program.state(), State::attackHuman);

    dragStars(own, enemy);
    ASSERT_EQ(program.state(), State::fightHuman);
    to.armies = 50; // ready to lose 3 against a strong star: the panel stays open
    EXPECT_EQ(shownChoices(), (Labels{"0", "3", "6", "10", "13", "16", "20"}));
    EXPECT_EQ(boardView.selectedStar, enemy);
    EXPECT_EQ(pressChoice(1), State::fightHuman);
    EXPECT_EQ(from.armies, 17);
    EXPECT_EQ(pressChoice(0), State::attackHuman); // 0 calls the attack off

    dragStars(own, enemy);
    from.armies = 40;
    to.armies = 0;
    program.frame();
    EXPECT_EQ(pressChoice(6), State::transferToConquered);
    const int left = from.armies;
    EXPECT_EQ(pressChoice(1), State::attackHuman);
    EXPECT_EQ(from.armies + to.armies, left);
    EXPECT_GT(to.armies, 0);

    // A move of 0 keeps the turn going; any other move ends it.
    dragStars(enemy, own);
    ASSERT_EQ(program.state(), State::moveHuman);
    EXPECT_EQ(pressChoice(0), State::attackHuman);
    dragStars(enemy, own);
    EXPECT_EQ(pressChoice(1), State::startAI);
}

TEST_F(BoardTurn, ANewGameOrDemoStartsWithNothingSelected)
{
    for (int button : {505, 525}) { // start, demo
        boardView.selectedStar = enemy; // as the last battle panel left it
        openSelection(false);
        program.frame();
        program.click(185 + 60, button + 9);
        program.click(316 + 60, 258 + 9); // "yes": the game under way goes
        ASSERT_NE(program.state(), State::load);
        EXPECT_EQ(boardView.selectedStar, noOwner);
    }
}

// During the computer turns the panel names the moving player in its colour
// under "menu"; the human's turn shows none.
TEST_F(BoardTurn, ComputersOpenAHardGameAndNoSupportGoesToTheAttack)
{
    auto inPlayerLine = [&](int p) {
        const std::vector<uint32_t> line = program.pixels(641, 555, 159, 28);
        const Rgb c = playerColours[p];
        return std::count(line.begin(), line.end(), packRgb(c.r, c.g, c.b));
    };
    gameState.difficulty = 3;
    gameState.galaxy.minimumIncome = 0;
    star(own).armies = 4 * income(gameState, 0) + 1;
    program.frames(2);
    EXPECT_EQ(std::pair(gameState.galaxy.turn, program.state()), std::pair(1, State::placeAI));
    program.frame();
    EXPECT_GT(inPlayerLine(1), 10);
    for (int i = 0; i < 5000 && gameState.computerTurns.currentPlayer != 2; ++i) program.frame();
    program.frame();
    EXPECT_TRUE(inPlayerLine(2) > 10 && inPlayerLine(1) == 0);
    ASSERT_TRUE(program.runUntil(State::noSupport, 60000));
    EXPECT_EQ(inPlayerLine(2) + inPlayerLine(1), 0);
    const uint32_t nextTurnSpot = program.pixel(700, 530);
    program.key(keys::escape);
    EXPECT_EQ(program.state(), State::attackHuman);
    EXPECT_NE(program.pixel(700, 530), nextTurnSpot);
}
