// The human's turn and the end of a game, on the game state alone.
#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "ai/turn_sequence.h"
#include "game/human_turn.h"
#include "game/seats.h"
#include "tests/core/ai_test_galaxy.h"

namespace {

constexpr const char* unknownKind = "blackHole"; // yields no income

// The human (0) holds stars 0 and 1; player 1 holds 2 and 3; player 2 holds 4.
// Links: 0-1, 0-2, 1-3, 2-4. Star 3 is of a kind that yields nothing.
struct HumanTurn : ::testing::Test {
    GameState s;
    Galaxy& g = s.galaxy;

    void SetUp() override
    {
        g = makeTestGalaxy({{NS, 0, 4}, {NS, 0, 0}, {NS, 1, 0}, {unknownKind, 1, 0}, {NS, 2, 6}},
                           {{0, 1}, {0, 2}, {1, 3}, {2, 4}}, 3);
        s.seats = defaultSeats(3, false);
        beginGame(s);
    }
    int& armies(int star) { return g.gameStars[star].armies; }
    // Straight to the attack phase of turn 1.
    void toAttack()
    {
        startTurnCycle(s);
        s.phase = GamePhase::HumanAttack;
    }
};

} // namespace

TEST_F(HumanTurn, TheTurnStartsWithPlacementOntoOwnStarsInStepsCutToWhatIsLeft)
{
    startTurnCycle(s);
    EXPECT_EQ(std::tuple(g.turn, s.phase, s.armiesToPlace), std::tuple(1, GamePhase::HumanPlacement, 2));
    s.armiesToPlace = 8;
    // {star, step, placed, left}
    const std::array<int, 4> clicks[] = {{2, 5, 0, 8}, {99, 5, 0, 8}, {noOwner, 5, 0, 8}, {1, 0, 0, 8},
                                         {1, 5, 5, 3}, {0, 5, 3, 0},  {0, 1, 0, 0}};
    for (const auto& [star, step, placed, left] : clicks) {
        const int done = placeArmies(s, star, step);
        EXPECT_EQ(std::pair(done, s.armiesToPlace), std::pair(placed, left)) << "star " << star << " step " << step;
    }
    EXPECT_EQ(std::tuple(armies(0), armies(1), armies(2), s.phase), std::tuple(7, 5, 0, GamePhase::HumanAttack));
    // (At the support cap the human goes straight to the attack: the board's test.)
    // Once the human is out the computers play alone (who begins is rules_test's).
    g.players[0].alive = 0;
    startTurnCycle(s);
    EXPECT_EQ(s.phase, GamePhase::ComputerTurns);
}

TEST_F(HumanTurn, ADropIsAnAttackAMoveOrNothingAndOnlyAMoveEndsTheTurn)
{
    // 0-4 is not linked, star 1 has no armies to send, star 2 is not the human's.
    const std::tuple<int, int, DropKind> drops[] = {
        {0, 2, DropKind::Attack},  {0, 1, DropKind::Move},     {0, 4, DropKind::Nothing},       {0, 0, DropKind::Nothing},
        {0, 77, DropKind::Nothing}, {0, noOwner, DropKind::Nothing}, {1, 3, DropKind::Nothing}, {2, 0, DropKind::Nothing}};
    for (const auto& [from, to, kind] : drops) EXPECT_EQ(dropKind(g, 0, from, to), kind) << from << " -> " << to;
    // Only a move of armies ends the turn (a move of none is the board's test).
    toAttack();
    EXPECT_FALSE(moveAndEndTurn(s, 0, 2, 3)); // an enemy star is no move
    EXPECT_EQ(s.phase, GamePhase::HumanAttack);
    EXPECT_TRUE(moveAndEndTurn(s, 0, 1, 9));
    EXPECT_EQ(std::tuple(armies(0), armies(1), s.phase), std::tuple(0, 4, GamePhase::ComputerTurns));
}

TEST_F(HumanTurn, BattlesEndHeldEmptiedCancelledOrConquered)
{
    toAttack();
    armies(2) = 1000;
    // (A battle held, and one called off, are the board's test.)
    armies(0) = 17;
    EXPECT_EQ(fightBattle(s, 0, 1, 5), BattleOutcome::Cancelled); // an own star is no battle
    EXPECT_EQ(fightBattle(s, 0, 2, 99), BattleOutcome::SourceEmptied);
    EXPECT_EQ(std::pair(armies(0), s.phase), std::pair(0, GamePhase::HumanAttack));

    // A conquest with armies to spare opens the transfer; only it may follow.
    armies(0) = 2000;
    armies(2) = 0;
    s.random.state = 3;
    EXPECT_EQ(fightBattle(s, 0, 2, 2000), BattleOutcome::Conquered);
    const int left = armies(0);
    EXPECT_EQ(std::tuple(g.gameStars[2].owner, armies(2), left), std::tuple(0, 0, 1999));
    EXPECT_EQ(std::tuple(s.phase, s.transferFrom, s.transferTo), std::tuple(GamePhase::HumanTransfer, 0, 2));
    EXPECT_EQ(fightBattle(s, 0, 2, 5), BattleOutcome::Cancelled);
    EXPECT_FALSE(moveAndEndTurn(s, 0, 1, 5));
    EXPECT_EQ(transferAfterConquest(s, 5000), left); // cut to what the source holds
    EXPECT_EQ(std::tuple(armies(0), armies(2), s.phase), std::tuple(0, left, GamePhase::HumanAttack));
    EXPECT_EQ(transferAfterConquest(s, 1), 0);

    // One army that wins its round moves in: nothing is left to transfer.
    armies(1) = 1;
    g.gameStars[3].kind = normalStarKind;
    s.random.state = 3; // the first draw makes the defender lose
    EXPECT_EQ(fightBattle(s, 1, 3, 1), BattleOutcome::Conquered);
    EXPECT_EQ(std::tuple(armies(1), armies(3), s.phase), std::tuple(0, 0, GamePhase::HumanAttack));
}

TEST_F(HumanTurn, EachEliminationIsRecordedOnceWhenItHappensAndTheLastPlayerWins)
{
    toAttack();
    armies(0) = 5000;
    // Player 1 keeps a star that yields nothing: losing its last income puts it
    // out now, and losing that star later announces nothing more.
    EXPECT_EQ(fightBattle(s, 0, 2, 5000), BattleOutcome::Conquered);
    EXPECT_EQ(std::tuple(s.unannounced, g.players[1].alive, g.starCount(1)), std::tuple(std::vector{1}, 0, 1));
    EXPECT_EQ(nextUnannounced(s), 1);
    markAnnounced(s);
    EXPECT_EQ(nextUnannounced(s), noOwner);
    transferAfterConquest(s, 0);
    armies(1) = 5000;
    EXPECT_EQ(fightBattle(s, 1, 3, 5000), BattleOutcome::Conquered);
    EXPECT_EQ(std::pair(s.unannounced.size(), s.phase), std::pair(size_t{0}, GamePhase::HumanTransfer));

    // The fall of the last other player is announced, then the human has won.
    transferAfterConquest(s, 0);
    armies(2) = 5000;
    EXPECT_EQ(fightBattle(s, 2, 4, 5000), BattleOutcome::Conquered);
    EXPECT_EQ(std::tuple(s.unannounced, s.winner, s.phase), std::tuple(std::vector{2}, 0, GamePhase::Over));
    EXPECT_EQ(fightBattle(s, 4, 2, 5), BattleOutcome::Cancelled); // nothing goes on after the end
}

// (What a cycle keeps of its start is the save file's test.)
TEST_F(HumanTurn, ComputerCyclesRecordTheirConquestsAndLeadToTheNextTurn)
{
    // Player 1 overwhelms the human's only star.
    g = makeTestGalaxy({{NS, 0, 0}, {NS, 1, 100}}, {{0, 1}}, 2);
    s.seats = defaultSeats(2, false);
    s.random.state = 11;
    s.turnPlayer = 0; // the human's turn is over
    beginComputerTurns(s);
    while (s.computerTurns.phase != AiPhase::CycleDone && s.computerTurns.phase != AiPhase::GameOver)
        stepComputerTurns(s);
    EXPECT_EQ(std::tuple(s.unannounced, s.winner, s.phase), std::tuple(std::vector{0}, 1, GamePhase::Over));

    // A cycle that ends without a winner leads to the next turn (a decided one
    // ending as its cycle begins is the demonstration's test).
    g = makeTestGalaxy({{NS, 0, 0}, {NS, 1, 0}}, {}, 2);
    s.seats = defaultSeats(2, false);
    beginGame(s);
    s.turnPlayer = 0;
    beginComputerTurns(s);
    while (s.computerTurns.phase != AiPhase::CycleDone) stepComputerTurns(s);
    EXPECT_EQ(s.phase, GamePhase::TurnStart);
}
