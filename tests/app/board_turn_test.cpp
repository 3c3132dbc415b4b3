// The human's turn on the game board, played through the real handlers.
#include <gtest/gtest.h>

#include "game/rules.h"
#include "screens/board.h"
#include "tests/support/program_driver.h"
#include "tests/support/scratch_dir.h"

namespace {

struct StarPair {
    int own = noOwner;
    int enemy = noOwner;
};

// A star of the human linked to a star of a player who holds other stars too,
// so that taking it eliminates nobody.
StarPair linkedEnemy(const Galaxy& g)
{
    for (int i = 0; i < g.slotCount(); ++i)
        for (int j = 0; j < g.slotCount(); ++j) {
            const Star& a = g.gameStars[i];
            const Star& b = g.gameStars[j];
            if (a.active && b.active && a.owner == 0 && b.owner != 0 && g.isLinked(i, j) && g.starCount(b.owner) > 1)
                return {i, j};
        }
    return {};
}

// An active star not linked to s.
int unlinkedStar(const Galaxy& g, int s)
{
    for (int i = 0; i < g.slotCount(); ++i)
        if (i != s && g.gameStars[i].active && !g.isLinked(i, s)) return i;
    return noOwner;
}

struct BoardTurn : ::testing::Test {
    ProgramDriver program;
    StarPair pair;

    void SetUp() override
    {
        ASSERT_TRUE(program.start(scratchDir("board")));
        difficulty = 2;
        previewGalaxy.name = "TENTACLES";
        startNewGame(false, true);
        pair = linkedEnemy(gameGalaxy);
        ASSERT_NE(pair.own, noOwner);
    }
    void TearDown() override
    {
        program.stop();
        difficulty = 2;
    }

    Star& star(int s) { return gameGalaxy.gameStars[s]; }
    void clickStar(int s) { program.click(gameGalaxy.layoutStars[s].x, gameGalaxy.layoutStars[s].y); }
    void dragStars(int from, int to)
    {
        const Star& a = gameGalaxy.layoutStars[from];
        const Star& b = gameGalaxy.layoutStars[to];
        program.drag(a.x, a.y, b.x, b.y);
    }
    // Presses choice button k and checks the state the click led to before the
    // next state runs.
    std::string pressChoice(int k)
    {
        const Button& b = *choiceButtons.buttons[k];
        program.press(b.x + b.width / 2, b.y + b.height / 2);
        program.frame();
        const std::string after = program.state();
        program.release(b.x + b.width / 2, b.y + b.height / 2);
        program.frame();
        return after;
    }
    std::vector<std::string> shownChoices()
    {
        std::vector<std::string> shown;
        for (const Button* b : choiceButtons.buttons)
            if (b->active) shown.push_back(b->label);
        return shown;
    }
    // A point over no star with nothing white beside it.
    bool bareSky(int& spotX, int& spotY)
    {
        for (spotY = 40; spotY < 460; spotY += 20)
            for (spotX = 20; spotX < 740; spotX += 20)
                if (gameGalaxy.starAt(spotX, spotY, 0, 0) == noOwner && !whiteIn(spotX + 20, spotY, 20, 20)) return true;
        return false;
    }
    // Whether anything white is drawn in the rectangle.
    bool whiteIn(int x, int y, int w, int h)
    {
        for (int py = y; py < y + h; ++py)
            for (int px = x; px < x + w; ++px)
                if ((program.pixel(px, py) & 0xffffffu) == 0xffffffu) return true;
        return false;
    }
};

} // namespace

TEST_F(BoardTurn, PlacementOffersItsStepsAndEndsWhenTheArmiesAreOut)
{
    ASSERT_TRUE(program.runUntil("placeHuman", 200));
    EXPECT_EQ(gameGalaxy.turn, 1);
    EXPECT_GT(armiesToPlace, 0);
    const uint32_t nextTurnSpot = program.pixel(700, 530);

    armiesToPlace = 13;
    program.frame();
    EXPECT_EQ(shownChoices(), (std::vector<std::string>{"1", "3", "5", "7", "9", "11", "13"}));
    armiesToPlace = 5;
    program.frame();
    EXPECT_EQ(shownChoices(), (std::vector<std::string>{"1", "2", "3", "4", "5"}));

    // Clicks on an enemy star or on empty panel space place nothing.
    armiesToPlace = 8;
    const int enemyBefore = star(pair.enemy).armies;
    clickStar(pair.enemy);
    program.click(100, 520);
    EXPECT_EQ(star(pair.enemy).armies, enemyBefore);
    EXPECT_EQ(armiesToPlace, 8);

    const int ownBefore = star(pair.own).armies;
    EXPECT_EQ(pressChoice(4), "placeHuman");
    EXPECT_EQ(placementStep, 5);
    clickStar(pair.own);
    EXPECT_EQ(star(pair.own).armies, ownBefore + 5);
    EXPECT_EQ(armiesToPlace, 3);
    clickStar(pair.own); // the step is cut to the 3 left
    EXPECT_EQ(star(pair.own).armies, ownBefore + 8);
    EXPECT_EQ(program.state(), "attackHuman");
    // "Next Turn" appears only now.
    EXPECT_NE(program.pixel(700, 530), nextTurnSpot);
}

TEST_F(BoardTurn, DragBattleConquestTransferAndMove)
{
    ASSERT_TRUE(program.runUntil("placeHuman", 200));
    armiesToPlace = 1; // one click to the attack phase
    clickStar(pair.own);
    ASSERT_EQ(program.state(), "attackHuman");

    // The army count follows the pointer while the button is held.
    Star& own = star(pair.own);
    Star& enemy = star(pair.enemy);
    own.armies = 20;
    int spotX = 0, spotY = 0;
    ASSERT_TRUE(bareSky(spotX, spotY));
    const Star& from = gameGalaxy.layoutStars[pair.own];
    program.press(from.x, from.y);
    program.frame();
    program.moveTo(spotX, spotY);
    program.frame();
    EXPECT_TRUE(dragging);
    EXPECT_TRUE(whiteIn(spotX + 20, spotY, 20, 20));
    program.release(spotX, spotY);
    program.frames(2);
    EXPECT_FALSE(dragging);
    EXPECT_FALSE(whiteIn(spotX + 20, spotY, 20, 20));
    EXPECT_EQ(program.state(), "attackHuman");

    // A drop on a star not linked to the source, or on the source, does nothing.
    dragStars(pair.own, unlinkedStar(gameGalaxy, pair.own));
    dragStars(pair.own, pair.own);
    EXPECT_EQ(program.state(), "attackHuman");

    dragStars(pair.own, pair.enemy);
    ASSERT_EQ(program.state(), "fightHuman");

    // Ready to lose 3 against a strong star: the panel stays open.
    enemy.armies = 50;
    program.frame();
    EXPECT_EQ(gameGalaxy.selectedStar, pair.enemy);
    EXPECT_EQ(shownChoices(), (std::vector<std::string>{"0", "3", "6", "10", "13", "16", "20"}));
    EXPECT_EQ(pressChoice(1), "fightHuman");
    EXPECT_EQ(own.armies, 17);
    EXPECT_LT(enemy.armies, 50);

    own.armies = 5;
    enemy.armies = 0;
    program.frame();
    EXPECT_EQ(shownChoices(), (std::vector<std::string>{"0", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(pressChoice(0), "attackHuman"); // 0 calls the attack off
    EXPECT_EQ(enemy.armies, 0);

    dragStars(pair.own, pair.enemy);
    own.armies = 40;
    program.frame();
    const int enemyOwner = enemy.owner;
    EXPECT_EQ(pressChoice(6), "transferToConquered");
    EXPECT_EQ(enemy.owner, 0);
    EXPECT_EQ(enemy.armies, 0);
    EXPECT_TRUE(gameGalaxy.players[enemyOwner].alive);
    const int left = own.armies;
    EXPECT_GT(left, 0);
    EXPECT_EQ(pressChoice(1), "attackHuman");
    EXPECT_EQ(own.armies + enemy.armies, left);
    EXPECT_GT(enemy.armies, 0);

    // A move of 0 keeps the turn going; any other move ends it.
    dragStars(pair.enemy, pair.own);
    ASSERT_EQ(program.state(), "moveHuman");
    EXPECT_EQ(pressChoice(0), "attackHuman");
    dragStars(pair.enemy, pair.own);
    const int total = own.armies + enemy.armies;
    EXPECT_EQ(pressChoice(1), "startAI");
    EXPECT_EQ(own.armies + enemy.armies, total);
    EXPECT_EQ(gameGalaxy.selectedStar, noOwner);
}

TEST_F(BoardTurn, NoSupportLeadsStraightToTheAttack)
{
    gameGalaxy.minimumIncome = 0;
    star(pair.own).armies = 4 * gameGalaxy.income(0) + 1;
    ASSERT_TRUE(program.runUntil("noSupport", 200));
    const uint32_t nextTurnSpot = program.pixel(700, 530);
    program.key(0x01);
    EXPECT_EQ(program.state(), "attackHuman");
    EXPECT_NE(program.pixel(700, 530), nextTurnSpot);
}

TEST_F(BoardTurn, MenuAndStatsRememberThePhase)
{
    ASSERT_TRUE(program.runUntil("placeHuman", 200));
    program.key(0x01);
    EXPECT_EQ(menuReturnState, "placeHuman");
    setState("placeHuman");
    armiesToPlace = 1;
    clickStar(pair.own);
    ASSERT_EQ(program.state(), "attackHuman");
    program.click(20 + 10, 546 + 10);
    EXPECT_EQ(menuReturnState, "attackHuman");
    setState("attackHuman");
    program.frame();
    program.click(650 + 10, 546 + 10);
    EXPECT_EQ(statsReturnState, "attackHuman");
    ASSERT_EQ(program.state(), "stats");
    program.click(500 + 20, 100 + 20); // "continue"
    EXPECT_EQ(program.state(), "attackHuman");
}

TEST_F(BoardTurn, StarInformationLineAppearsOverAStarOnly)
{
    ASSERT_TRUE(program.runUntil("placeHuman", 200));
    const Star& s = gameGalaxy.layoutStars[pair.enemy];
    program.moveTo(s.x, s.y);
    program.frame();
    EXPECT_TRUE(whiteIn(20, 482, 500, 16));
    int x = 0, y = 0;
    ASSERT_TRUE(bareSky(x, y));
    program.moveTo(x, y);
    program.frame();
    EXPECT_FALSE(whiteIn(20, 482, 500, 16));
}

TEST_F(BoardTurn, ComputerPlayersOpenAHardGameAndPlayOnWithoutTheHuman)
{
    difficulty = 3;
    program.frames(2);
    EXPECT_EQ(gameGalaxy.turn, 1);
    EXPECT_NE(program.state(), "placeHuman");
    EXPECT_NE(program.state(), "play");

    difficulty = 2;
    gameGalaxy.players[0].alive = 0;
    setState("play");
    program.frame();
    EXPECT_EQ(gameGalaxy.turn, 2);
    EXPECT_NE(program.state(), "placeHuman");
    EXPECT_NE(program.state(), "play");
}
