#include <gtest/gtest.h>

#include <tuple>

#include "ai/planning.h"
#include "ai/turn_sequence.h"
#include "engine/random.h"
#include "game/rules.h"
#include "tests/core/ai_test_galaxy.h"

namespace {

TEST(AiTurns, ACycleVisitsEveryPlayerInOrderFromTheFirst)
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
    EXPECT_EQ(g.gameStars[0].armies, 0);
    EXPECT_EQ(g.gameStars[0].label, "");
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
        EXPECT_EQ(h.gameStars[1].owner, 1);
        EXPECT_EQ(r.defenders, h.gameStars[1].armies + 1);
        EXPECT_GE(h.gameStars[1].armies, 0);
        EXPECT_EQ(h.gameStars[0].armies, 0);
        EXPECT_EQ(turns.battleAttackers, 0);
        EXPECT_EQ(turns.phase, AiPhase::ChooseAttack);
    }
}

TEST(AiTurns, ADecidedGameTakesNoStep)
{
    Galaxy g = makeTestGalaxy({{NS, 0, 1}, {NS, 1, 1}}, {{0, 1}}, 2);
    g.players[1].alive = 0;
    AiTurns turns;
    beginAiTurns(turns, g, 0);
    EXPECT_EQ(turns.phase, AiPhase::GameOver);
    EXPECT_EQ(turns.winner, 0);
    const Galaxy before = g;
    EXPECT_EQ(stepAiTurns(turns, g).kind, AiStepKind::None);
    EXPECT_EQ(g.gameStars[1].armies, before.gameStars[1].armies);
}

}  // namespace
