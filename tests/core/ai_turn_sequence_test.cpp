#include <gtest/gtest.h>

#include "ai/planning.h"
#include "ai/turn_sequence.h"
#include "engine/random.h"
#include "game/rules.h"
#include "tests/core/ai_test_galaxy.h"

namespace {

// Steps until the running battle ends; returns the last report.
AiStepReport fightOut(AiTurns& turns, Galaxy& g)
{
    AiStepReport r;
    do {
        r = stepAiTurns(turns, g);
    } while (r.kind == AiStepKind::BattleRound);
    return r;
}

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

TEST(AiTurns, AFinishingBlowConquersReturnsTheArmiesAndNamesTheWinner)
{
    // Star 1 is player 1's last star and lies behind player 0's star 0: once
    // taken it is worth nothing, so the survivors go back to star 0.
    Galaxy g = makeTestGalaxy({{NS, 0, 10}, {NS, 1, 0}}, {{0, 1}}, 2);
    seedRandom(5);
    AiTurns turns;
    beginAiTurns(turns, g, 0);
    EXPECT_EQ(stepAiTurns(turns, g).kind, AiStepKind::Placed);
    const int placed = g.gameStars[0].armies;
    const AiStepReport chosen = stepAiTurns(turns, g);
    ASSERT_EQ(chosen.kind, AiStepKind::AttackChosen);
    EXPECT_EQ(chosen.from, 0);
    EXPECT_EQ(chosen.to, 1);
    EXPECT_EQ(chosen.attackers, placed);
    EXPECT_EQ(g.gameStars[0].armies, 0);
    EXPECT_EQ(g.gameStars[0].label, "");  // placement labels are cleared

    AiStepReport r = stepAiTurns(turns, g);
    EXPECT_EQ(g.gameStars[1].label, "1 v " + std::to_string(placed));
    while (r.kind == AiStepKind::BattleRound) r = stepAiTurns(turns, g);
    ASSERT_EQ(r.kind, AiStepKind::Conquered);
    EXPECT_EQ(r.previousOwner, 1);
    EXPECT_TRUE(r.eliminated);
    EXPECT_EQ(r.winner, 0);
    EXPECT_EQ(turns.phase, AiPhase::GameOver);
    EXPECT_EQ(g.gameStars[1].owner, 0);
    EXPECT_EQ(g.gameStars[1].armies, 0);
    EXPECT_EQ(r.returnedArmies, r.attackers - 1);
    EXPECT_EQ(g.gameStars[0].armies, r.attackers - 1);
    EXPECT_EQ(g.players[1].alive, 0);
}

TEST(AiTurns, AConquestOnTheFrontKeepsTheArmiesThere)
{
    // Star 1 also touches player 2's star 2, so once taken it is frontier.
    Galaxy g = makeTestGalaxy({{NS, 0, 12}, {NS, 1, 0}, {NS, 2, 0}}, {{0, 1}, {1, 2}}, 3);
    g.gameStars[2].armies = 1;
    seedRandom(11);
    AiTurns turns;
    beginAiTurns(turns, g, 0);
    stepAiTurns(turns, g);
    const AiStepReport chosen = stepAiTurns(turns, g);
    ASSERT_EQ(chosen.kind, AiStepKind::AttackChosen);
    ASSERT_EQ(chosen.to, 1);
    const AiStepReport r = fightOut(turns, g);
    ASSERT_EQ(r.kind, AiStepKind::Conquered);
    EXPECT_EQ(r.returnedArmies, 0);
    EXPECT_EQ(g.gameStars[1].armies, r.attackers - 1);
    EXPECT_EQ(r.winner, noOwner);
    EXPECT_EQ(turns.phase, AiPhase::ChooseAttack);
    EXPECT_TRUE(r.eliminated);
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
        const AiStepReport r = fightOut(turns, h);
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
