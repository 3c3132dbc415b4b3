#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ai/turn_sequence.h"
#include "game/decide.h"
#include "game/end_on_points.h"
#include "game/human_turn.h"
#include "game/rules.h"
#include "game/save_file.h"
#include "game/seats.h"
#include "tests/core/ai_test_galaxy.h"

namespace {

// Who played in one turn cycle, in order; the deciding seats end their turns at once.
std::vector<int> oneCycle(GameState& s)
{
    std::vector<int> order;
    startTurnCycle(s);
    while (s.phase != GamePhase::TurnStart && s.phase != GamePhase::Over) {
        if (s.phase == GamePhase::ComputerTurns) {
            beginComputerTurns(s);
            while (s.phase == GamePhase::ComputerTurns) {
                const AiStepReport r = stepComputerTurns(s);
                if (r.kind == AiStepKind::Placed) order.push_back(r.player);
            }
            continue;
        }
        order.push_back(s.turnPlayer);
        // Only the turn player may decide.
        EXPECT_FALSE(isLegal(s, Decision{DecisionKind::EndTurn, (s.turnPlayer + 1) % 4}));
        if (s.phase == GamePhase::HumanPlacement) {
            EXPECT_TRUE(applyDecision(s, Decision{DecisionKind::Place, s.turnPlayer, s.turnPlayer, noOwner, s.armiesToPlace}));
        }
        EXPECT_TRUE(applyDecision(s, Decision{DecisionKind::EndTurn, s.turnPlayer}));
    }
    return order;
}

} // namespace

TEST(Seats, PlayersTakeTheirTurnsInIndexOrderAndTheGameFollowsItsHumans)
{
    // Four unlinked stars: nobody can attack, every player places each turn.
    const Galaxy g = makeTestGalaxy({{NS, 0, 0}, {NS, 1, 0}, {NS, 2, 0}, {NS, 3, 0}}, {}, 4);
    GameState s = testGame(g);
    std::string why;
    ASSERT_TRUE(parseSeats("computer,human,computer,expert", 4, s.seats, why));
    s.difficulty = 3;
    beginGame(s);
    EXPECT_EQ(oneCycle(s), (std::vector{0, 2})); // at "hard" the computers open the game alone
    EXPECT_EQ(oneCycle(s), (std::vector{0, 1, 2, 3}));
    // The difficulty scales a human seat's income alone.
    s.galaxy.gameStars[0].kind = s.galaxy.gameStars[1].kind = s.galaxy.gameStars[3].kind = GS;
    EXPECT_EQ(std::tuple(income(s, 0), income(s, 1) < income(s, 3), isDemo(s)),
              std::tuple(s.galaxy.starIncomeOf(0), true, false));

    // A fallen human is skipped; the game ends on points only once no human is left.
    s.galaxy.gameStars[1].owner = 0;
    eliminateIfBeaten(s.galaxy, 1);
    EXPECT_EQ(oneCycle(s), (std::vector{0, 2, 3}));
    EXPECT_FALSE(humanInPlay(s));
    s.galaxy.turn = lastComputerTurn;
    oneCycle(s);
    EXPECT_EQ(std::pair(s.phase, s.wonOnPoints), std::pair(GamePhase::Over, true));

    // Hot-seat: every seat human, each in turn.
    GameState h = testGame(g);
    h.seats.assign(4, Seat::Human);
    beginGame(h);
    EXPECT_EQ(oneCycle(h), (std::vector{0, 1, 2, 3}));
    EXPECT_EQ(std::pair(soleHuman(h), humanSeats(h)), std::pair(int{noOwner}, 4));
    // A save in the second human's turn resumes there, seats and all.
    startTurnCycle(h);
    applyDecision(h, Decision{DecisionKind::Place, 0, 0, noOwner, h.armiesToPlace});
    applyDecision(h, Decision{DecisionKind::EndTurn, 0});
    beginComputerTurns(h);
    GameState back;
    ASSERT_TRUE(readSaveText(saveText(h), back, why)) << why;
    EXPECT_EQ(std::tuple(back.seats, back.turnPlayer, back.phase, saveText(back)),
              std::tuple(h.seats, 1, GamePhase::HumanPlacement, saveText(h)));
}

TEST(Seats, ASeatListNamesEveryPlayerOrIsRefusedWithItsFault)
{
    std::vector<Seat> seats = defaultSeats(3, false);
    std::string why;
    for (const char* bad : {"human,computer", "human,,computer", "human,robot,computer", "human,computer,computer,"}) {
        EXPECT_FALSE(parseSeats(bad, 3, seats, why)) << bad;
        EXPECT_FALSE(why.empty());
    }
    EXPECT_EQ(seats, defaultSeats(3, false)); // left alone
    EXPECT_TRUE(parseSeats("expert,human,computer", 3, seats, why));
    EXPECT_EQ(seats, (std::vector{Seat::Expert, Seat::Human, Seat::Computer}));
}
