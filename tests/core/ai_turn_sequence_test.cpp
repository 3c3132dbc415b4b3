#include <gtest/gtest.h>

#include <tuple>

#include "ai/turn_sequence.h"
#include "game/rules.h"
#include "tests/core/ai_test_galaxy.h"
#include "game/seats.h"

namespace {

TEST(AiTurns, ACycleVisitsEveryPlayerInOrderFromTheFirstUnlessTheGameIsDecidedAndLabelsItsMoves)
{
    // Nobody can attack anybody: each player places, then its turn is over.
    GameState s = testGame(makeTestGalaxy({{NS, 0, 0}, {NS, 1, 0}, {NS, 2, 0}}, {}, 3, 2.5, 1.0));
    s.seats[0] = Seat::Human;
    s.turnPlayer = 0; // the human played: the computers begin with player 1
    beginComputerTurns(s);
    std::vector<std::pair<AiStepKind, int>> seen;
    while (s.phase == GamePhase::ComputerTurns) {
        const AiStepReport r = stepComputerTurns(s);
        seen.push_back({r.kind, r.player});
    }
    const std::vector<std::pair<AiStepKind, int>> expected{{AiStepKind::Placed, 1}, {AiStepKind::TurnOver, 1},
                                                           {AiStepKind::Placed, 2}, {AiStepKind::TurnOver, 2}};
    EXPECT_EQ(std::tuple(seen, s.phase, stepComputerTurns(s).kind),
              std::tuple(expected, GamePhase::TurnStart, AiStepKind::None));

    // A decided game goes straight to its end and takes no step.
    GameState decided = testGame(makeTestGalaxy({{NS, 0, 1}, {NS, 1, 1}}, {{0, 1}}, 2));
    decided.galaxy.players[1].alive = 0;
    beginComputerTurns(decided);
    EXPECT_EQ(std::tuple(decided.computerTurns.phase, decided.phase, decided.winner),
              std::tuple(AiPhase::GameOver, GamePhase::Over, 0));
    EXPECT_EQ(stepComputerTurns(decided).kind, AiStepKind::None);
    const std::vector<Star>& stars = decided.galaxy.gameStars;
    EXPECT_EQ(std::pair(stars[0].armies, stars[1].armies), std::pair(1, 1));

    // An attack clears the placement labels and the battle is labelled as it stands (what a conquest
    // does with the armies, and who wins, the recorded games check).
    s = testGame(makeTestGalaxy({{NS, 0, 10}, {NS, 1, 0}}, {{0, 1}}, 2));
    s.random.state = 5;
    beginComputerTurns(s);
    EXPECT_EQ(std::pair(stepComputerTurns(s).kind, battleLabel(s)), std::pair(AiStepKind::Placed, std::string()));
    const int placed = s.galaxy.gameStars[0].armies;
    const AiStepReport chosen = stepComputerTurns(s);
    ASSERT_EQ(chosen.kind, AiStepKind::AttackChosen);
    EXPECT_EQ(std::tuple(chosen.from, chosen.to, chosen.attackers), std::tuple(0, 1, placed));
    EXPECT_EQ(std::tuple(s.galaxy.gameStars[0].armies, s.computerTurns.labels.empty(), battleLabel(s)),
              std::tuple(0, true, "1 v " + std::to_string(placed)));
}

TEST(AiTurns, ARepelledAttackLeavesTheDefendersAndTheAttackersAreLost)
{
    // One attacker against a star of 20: it falls in the first lost round.
    const GameState g = testGame(makeTestGalaxy({{NS, 0, 1}, {NS, 1, 20}}, {{0, 1}}, 2));
    for (unsigned seed = 1; seed <= 10; ++seed) {
        GameState h = g;
        h.random.state = seed;
        beginComputerTurns(h);
        AiTurns& turns = h.computerTurns;
        turns.phase = AiPhase::ChooseAttack;  // no placement: keep the single army
        const AiStepReport chosen = stepComputerTurns(h);
        ASSERT_EQ(chosen.kind, AiStepKind::AttackChosen);
        ASSERT_EQ(chosen.attackers, 1);
        AiStepReport r;
        do r = stepComputerTurns(h);
        while (r.kind == AiStepKind::BattleRound);
        ASSERT_EQ(r.kind, AiStepKind::Repelled);
        const Star &source = h.galaxy.gameStars[0], &target = h.galaxy.gameStars[1];
        EXPECT_GE(target.armies, 0);
        EXPECT_EQ(std::tuple(target.owner, r.defenders, source.armies, turns.battleAttackers, turns.phase),
                  std::tuple(1, target.armies + 1, 0, 0, AiPhase::ChooseAttack));
    }
}

}  // namespace
