// Eliminations, the winner and the statistics table, reached through the
// computer turns and the board's buttons.
#include <gtest/gtest.h>

#include <string>

#include "ai/turn_driver.h"
#include "game/galaxy_file.h"
#include "game/rules.h"
#include "screens/end_and_stats.h"
#include "tests/support/program_driver.h"
#include "tests/support/scratch_dir.h"

namespace {

std::vector<AiStepReport> reports;
void recordStep(const Galaxy&, const AiStepReport& r) { reports.push_back(r); }

struct EndScreens : ::testing::Test {
    ProgramDriver program;

    void SetUp() override
    {
        ASSERT_TRUE(program.start(scratchDir("end")));
        reports.clear();
        setAiStepObserver(recordStep);
    }
    void TearDown() override
    {
        setAiStepObserver(nullptr);
        program.stop();
        demoMode = 0;
    }
    void startGame(bool demo)
    {
        previewGalaxy.name = builtInGalaxyName;
        startNewGame(demo, true);
        program.frame();
    }
    // Every active star to `owner` with `armies`; the players left without a
    // star are out, as the deal marks them.
    void giveAll(int owner, int armies)
    {
        for (Star& s : gameGalaxy.gameStars)
            if (s.active) s.owner = owner, s.armies = armies;
    }
    void markTheStarless()
    {
        for (int p = 0; p < gameGalaxy.playerCount; ++p) gameGalaxy.players[p].alive = gameGalaxy.starCount(p) > 0;
    }
    int linkedStar(int s)
    {
        for (int i = 0; i < gameGalaxy.slotCount(); ++i)
            if (i != s && gameGalaxy.gameStars[i].active && gameGalaxy.isLinked(i, s)) return i;
        return noOwner;
    }
    int pixelsDiffering(const Image& before, int x0, int y0, int w, int h)
    {
        int n = 0;
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x) n += before.at(x, y) != program.pixel(x, y);
        return n;
    }
};

TEST_F(EndScreens, TheHumansLastStarFallsThenTheWinnerStandsOneSecond)
{
    startGame(false);
    giveAll(1, 30);
    gameGalaxy.gameStars[0].owner = 0;
    gameGalaxy.gameStars[0].armies = 0;
    markTheStarless();
    setState("startAI");
    ASSERT_TRUE(program.runUntil("killed", 60000));
    EXPECT_EQ(eliminationMessage, "you were eliminated");
    EXPECT_EQ(gameGalaxy.players[0].alive, 0);
    program.key(1);
    ASSERT_EQ(program.state(), "win");
    EXPECT_EQ(winMessage, "blue wins!");

    const Image hidden = program.screen();
    program.key(1);
    program.frames(55);  // about 940 ms on the win screen
    EXPECT_EQ(program.state(), "win");
    EXPECT_EQ(pixelsDiffering(hidden, 600, 520, 100, 40), 0) << "\"ok\" shown within the first second";
    program.frames(5);
    EXPECT_GT(pixelsDiffering(hidden, 600, 520, 100, 40), 0);
    program.key(1);
    EXPECT_EQ(menuReturnState, "win");
    EXPECT_EQ(program.state(), "menu");
}

TEST_F(EndScreens, DemoNamesPlayersByColourAndPassesTheStarlessTurns)
{
    startGame(true);
    ASSERT_GE(gameGalaxy.playerCount, 3);
    giveAll(1, 40);
    gameGalaxy.gameStars[0].owner = 0;
    const int other = linkedStar(0);
    ASSERT_NE(other, noOwner);
    gameGalaxy.gameStars[other].owner = 2;
    gameGalaxy.gameStars[0].armies = gameGalaxy.gameStars[other].armies = 0;
    markTheStarless();
    int killedScreens = 0;
    for (int i = 0; i < 20000 && program.state() != "win"; ++i) {
        if (program.state() == "killed") {
            ++killedScreens;
            ASSERT_FALSE(reports.empty());
            EXPECT_EQ(eliminationMessage, std::string(playerColourNames[reports.back().previousOwner]) + " was eliminated");
            program.key(1);
        }
        program.frame();
    }
    ASSERT_EQ(program.state(), "win");
    EXPECT_EQ(killedScreens, 2);
    EXPECT_EQ(winMessage, "blue wins!");
    // The last seat holds no star, yet its turns pass like the others'.
    const int last = gameGalaxy.playerCount - 1;
    int lastSeatTurns = 0;
    for (const AiStepReport& r : reports) lastSeatTurns += r.player == last && r.kind == AiStepKind::TurnOver;
    EXPECT_EQ(lastSeatTurns, gameGalaxy.turn - 1);
}

TEST_F(EndScreens, AGameDecidedByTheDealEndsAtTheComputerTurn)
{
    startGame(false);
    giveAll(0, 3);
    markTheStarless();
    setState("startAI");
    program.frames(2);
    EXPECT_EQ(program.state(), "win");
    EXPECT_EQ(winMessage, "you win!");
}

TEST_F(EndScreens, StatisticsListEveryPlayerAndReturnWithContinue)
{
    startGame(false);
    ASSERT_TRUE(program.runUntil("placeHuman", 1000));
    program.click(680, 556);  // "Stats"
    ASSERT_EQ(program.state(), "stats");
    program.key(1);
    EXPECT_EQ(program.state(), "stats") << "Escape leaves the table";
    for (int i = 0; i <= gameGalaxy.playerCount && i < maxPlayers; ++i) {
        const Rgb c = playerColours[i];
        int named = 0;
        for (int y = 83 + 50 * i; y < 113 + 50 * i; ++y)
            for (int x = 105; x < 305; ++x) named += (program.pixel(x, y) & 0xFFFFFFu) == packRgb(c.r, c.g, c.b);
        EXPECT_EQ(named > 0, i < gameGalaxy.playerCount) << "row " << i;
    }
    program.click(540, 115);  // "continue"
    EXPECT_EQ(program.state(), "placeHuman");
}

} // namespace
