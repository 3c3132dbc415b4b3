#include <gtest/gtest.h>

#include "game/seats.h"
#include "screens/end_and_stats.h"
#include "tests/support/scratch_dir.h"
#include "tools/program_driver.h"

namespace {

// Every star's owner and armies: the part of the game a skip must not change.
std::vector<std::pair<int, int>> board()
{
    std::vector<std::pair<int, int>> out;
    for (const Star& s : gameState.galaxy.gameStars) out.emplace_back(s.owner, s.armies);
    return out;
}

// The turn player's placement by clicks on one of its stars, then "Next Turn".
void playHumanTurn(ProgramDriver& program)
{
    const Galaxy& g = gameState.galaxy;
    int mine = noOwner;
    for (int i = 0; i < g.slotCount() && mine == noOwner; ++i)
        if (g.gameStars[i].active && g.gameStars[i].owner == gameState.turnPlayer) mine = i;
    ASSERT_NE(mine, noOwner);
    for (int i = 0; i < 100 && program.state() == State::placeHuman; ++i)
        program.click(g.gameStars[mine].x, g.gameStars[mine].y);
    ASSERT_EQ(program.state(), State::attackHuman);
    program.click(712, 529); // "Next Turn"
}

} // namespace

// Seat lines clicked on the selection screen (TENTACLES, five players): green
// human, blue expert, purple human. Each human's turn opens behind the banner
// and is played at the board; the expert's turn goes one decision per pause,
// and a skip from its middle ends in exactly the game the paced turn made.
TEST(HotSeat, TwoHumansAndTheExpertThroughTheScreens)
{
    ProgramDriver program;
    ASSERT_TRUE(program.start(scratchDir("hot_seat")));
    ASSERT_TRUE(program.runUntil(State::menu, 3000));
    program.click(200, 91); // "Play Zentory"
    const auto clickLine = [&](int p, int times) {
        for (int i = 0; i < times; ++i) program.click(409, 274 + 26 * p);
    };
    clickLine(1, 1); // computer -> expert
    clickLine(2, 2); // -> expert -> human
    clickLine(3, 3); // round to computer again
    program.click(247, 514); // "start"
    const std::vector<Seat> seats{Seat::Human, Seat::Expert, Seat::Human, Seat::Computer, Seat::Computer};
    ASSERT_EQ(gameState.seats, seats);

    ASSERT_TRUE(program.runUntil(State::seatBanner, 2000));
    EXPECT_EQ(gameState.turnPlayer, 0);
    EXPECT_EQ(program.pixel(10, 10), packRgb(8, 10, 30)); // the board is covered
    program.frames(3);
    ASSERT_EQ(program.state(), State::seatBanner); // it waits
    const int allowance = gameState.armiesToPlace;
    program.click(400, 300);
    ASSERT_EQ(program.state(), State::placeHuman);
    EXPECT_EQ(gameState.armiesToPlace, allowance); // the click that lifted the banner placed nothing
    playHumanTurn(program);

    ASSERT_TRUE(program.runUntil(State::expertTurn, 1000));
    EXPECT_EQ(gameState.turnPlayer, 1);
    program.frames(2);
    const unsigned changes = gameChanges;
    program.frames(5); // 80 ms: less than a pause, so no further decision
    EXPECT_EQ(std::pair(program.state(), gameChanges), std::pair(State::expertTurn, changes));
    program.frames(15); // past the pause: the next one
    EXPECT_NE(gameChanges, changes);
    const GameState halfway = gameState;
    ASSERT_TRUE(program.runUntil(State::seatBanner, 60000));
    const auto paced = std::tuple(board(), gameState.random.state, gameState.turnPlayer);
    gameState = halfway;
    setState(State::expertTurn);
    program.key(keys::space);
    ASSERT_EQ(program.state(), State::seatBanner);
    EXPECT_EQ(std::tuple(board(), gameState.random.state, gameState.turnPlayer), paced);

    ASSERT_EQ(gameState.turnPlayer, 2);
    program.key(keys::enter); // a key lifts the banner too
    ASSERT_EQ(program.state(), State::placeHuman);
    playHumanTurn(program);
    // The computer players to the end of the cycle, then green's banner again.
    program.key(keys::space);
    ASSERT_TRUE(program.runUntil(State::seatBanner, 2000));
    EXPECT_EQ(std::pair(gameState.turnPlayer, gameState.galaxy.turn), std::pair(0, 2));
    EXPECT_EQ(statisticsName(0), "green (human)");
    EXPECT_EQ(statisticsName(2), "purple (human)");
    EXPECT_EQ(statisticsName(1), "blue AI");
}
