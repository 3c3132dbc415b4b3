#include <gtest/gtest.h>

#include <tuple>

#include "ai/turn_sequence.h"
#include "base/random.h"
#include "game/rules.h"
#include "tests/core/ai_test_galaxy.h"

namespace {

TEST(AiTurns, ACycleVisitsEveryPlayerInOrderFromTheFirstUnlessTheGameIsDecided)
{
    // Nobody can attack anybody: each player places, then its turn is over.
    Galaxy g = makeTestGalaxy({{NS, 0, 0}, {NS, 1, 0}, {NS, 2, 0}}, {}, 3, 2.5, 1.0);
    AiTurns turns;
    beginAiTurns(turns, g, 1);
    std::vector<std::pair<AiStepKind, int>> seen;
    while (turns.phase != AiPhase::CycleDone) {
        const AiStepReport r = stepAiTurns(turns, g);
        seen.push_back({r.kind, r.player});
    }
    const std::vector<std::pair<AiStepKind, int>> expected{{AiStepKind::Placed, 1}, {AiStepKind::TurnOver, 1},
                                                           {AiStepKind::Placed, 2}, {AiStepKind::TurnOver, 2}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(stepAiTurns(turns, g).kind, AiStepKind::None);

    // A decided game goes straight to its end and takes no step.
    Galaxy decided = makeTestGalaxy({{NS, 0, 1}, {NS, 1, 1}}, {{0, 1}}, 2);
    decided.players[1].alive = 0;
    beginAiTurns(turns, decided, 0);
    EXPECT_EQ(std::pair(turns.phase, turns.winner), std::pair(AiPhase::GameOver, 0));
    EXPECT_EQ(stepAiTurns(turns, decided).kind, AiStepKind::None);
    EXPECT_EQ(std::pair(decided.gameStars[0].armies, decided.gameStars[1].armies), std::pair(1, 1));
}

// What a conquest does with the armies, and who wins, the recorded games check.
TEST(AiTurns, AnAttackClearsThePlacementLabelsAndEachRoundLabelsItsTarget)
{
    Galaxy g = makeTestGalaxy({{NS, 0, 10}, {NS, 1, 0}}, {{0, 1}}, 2);
    seedRandom(5);
    AiTurns turns;
    beginAiTurns(turns, g, 0);
    EXPECT_EQ(stepAiTurns(turns, g).kind, AiStepKind::Placed);
    const int placed = g.gameStars[0].armies;
    const AiStepReport chosen = stepAiTurns(turns, g);
    ASSERT_EQ(chosen.kind, AiStepKind::AttackChosen);
    EXPECT_EQ(std::tuple(chosen.from, chosen.to, chosen.attackers), std::tuple(0, 1, placed));
    EXPECT_EQ(std::tuple(g.gameStars[0].armies, g.gameStars[0].label), std::tuple(0, ""));
    stepAiTurns(turns, g);
    EXPECT_EQ(g.gameStars[1].label, "1 v " + std::to_string(placed));
}

TEST(AiTurns, ARepelledAttackLeavesTheDefendersAndTheAttackersAreLost)
{
    // One attacker against a star of 20: it falls in the first lost round.
    Galaxy g = makeTestGalaxy({{NS, 0, 1}, {NS, 1, 20}}, {{0, 1}}, 2);
    for (unsigned seed = 1; seed <= 10; ++seed) {
        Galaxy h = g;
        seedRandom(seed);
        AiTurns turns;
        beginAiTurns(turns, h, 0);
        turns.phase = AiPhase::ChooseAttack;  // no placement: keep the single army
        const AiStepReport chosen = stepAiTurns(turns, h);
        ASSERT_EQ(chosen.kind, AiStepKind::AttackChosen);
        ASSERT_EQ(chosen.attackers, 1);
        AiStepReport r;
        do r = stepAiTurns(turns, h);
        while (r.kind == AiStepKind::BattleRound);
        ASSERT_EQ(r.kind, AiStepKind::Repelled);
        EXPECT_GE(h.gameStars[1].armies, 0);
        const Star &source = h.gameStars[0], &target = h.gameStars[1];
        EXPECT_EQ(std::tuple(target.owner, r.defenders, source.armies, turns.battleAttackers, turns.phase),
                  std::tuple(1, target.armies + 1, 0, 0, AiPhase::ChooseAttack));
    }
}

}  // namespace
