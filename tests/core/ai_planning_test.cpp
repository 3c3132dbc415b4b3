#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ai/planning.h"
#include "engine/random.h"
#include "tests/core/ai_test_galaxy.h"

namespace {

// Star values, ordinary defence needs and their two damping steps, and the
// choice of the best-scored attack, are checked by the recorded games.

// Ten enemy normal stars (player 1, no armies) each linked only to star 0:
// enemy strength 10 units + 10 income = 20, enemy value 10.
Galaxy tenAgainstOne(const char* kind, int armies, double caution, double minimumIncome)
{
    std::vector<TestStar> stars{{kind, 0, armies}};
    std::vector<std::pair<int, int>> links;
    for (int i = 1; i <= 10; ++i) {
        stars.push_back({NS, 1, 0});
        links.push_back({0, i});
    }
    return makeTestGalaxy(stars, links, 2, caution, minimumIncome);
}

TEST(DefenceNeeds, WorthlessStarsNeedNothingAndTheTotalTruncatesAsItGoes)
{
    // Star 1 is an interior normal star of a pocket: worth 0, needs 0.
    Galaxy g = makeTestGalaxy({{NS, 0, 0}, {NS, 0, 0}, {NS, 1, 0}, {NS, 1, 5}}, {{1, 0}, {0, 2}, {2, 3}}, 2, 2.0);
    const int total = computeDefenceNeeds(g, 0);
    EXPECT_EQ(g.gameStars[1].need, 0.0);
    EXPECT_GT(g.gameStars[0].need, 0.2);
    EXPECT_EQ(total, static_cast<int>(g.gameStars[0].need));
    // Player 1's stars keep the needs they had.
    g.gameStars[2].need = 42.0;
    computeDefenceNeeds(g, 0);
    EXPECT_EQ(g.gameStars[2].need, 42.0);
}

TEST(DefenceNeeds, WithNoOtherPlayersStarEveryNeedIsZero)
{
    Galaxy g = makeTestGalaxy({{GS, 0, 3}, {NS, 0, 1}}, {{0, 1}}, 2);
    g.gameStars[0].need = g.gameStars[1].need = 5.0;
    EXPECT_EQ(computeDefenceNeeds(g, 0), 0);
    EXPECT_EQ(g.gameStars[0].need, 0.0);
    EXPECT_EQ(g.gameStars[1].need, 0.0);
}

TEST(DefenceNeeds, OtherStarsWorthNothingGiveFiniteNeeds)
{
    // Player 1 holds an unlinked normal star (a pocket of its own: worth 0).
    Galaxy g = makeTestGalaxy({{GS, 0, 0}, {NS, 1, 7}}, {}, 2, 2.0);
    const int total = computeDefenceNeeds(g, 0);
    EXPECT_TRUE(std::isfinite(g.gameStars[0].need));
    // The strength 8 + 1 is divided by 1: 9 x 9 / 2.
    EXPECT_DOUBLE_EQ(g.gameStars[0].need, 40.5);
    EXPECT_EQ(total, 40);
}

TEST(RoundHalfDown, ExactHalvesGoDownAndOddValuesAreDefined)
{
    EXPECT_EQ(roundHalfDown(2.5), 2);
    EXPECT_EQ(roundHalfDown(2.51), 3);
    EXPECT_EQ(roundHalfDown(0.4), 0);
    EXPECT_EQ(roundHalfDown(3.0), 3);
    EXPECT_EQ(roundHalfDown(-0.5), -1);
    EXPECT_EQ(roundHalfDown(-0.4), 0);
    EXPECT_EQ(roundHalfDown(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(roundHalfDown(std::numeric_limits<double>::infinity()), std::numeric_limits<int>::max());
    EXPECT_EQ(truncToInt(-2.9), -2);
    EXPECT_EQ(truncToInt(-std::numeric_limits<double>::infinity()), std::numeric_limits<int>::min());
}

TEST(Placement, LabelsTheAdditionAndGivesTheLastStarWhatIsLeft)
{
    // Need 7.2 (total 7) above an allowance of 3: all 3 go to the star.
    Galaxy g = tenAgainstOne(GS, 4, 2.5, 3.0);
    placeArmiesAI(g, 0);
    EXPECT_EQ(g.gameStars[0].label, "4+3");
    EXPECT_EQ(g.gameStars[0].armies, 7);
}

TEST(Placement, AddsEachDeficitRoundedHalfDown)
{
    // Two golden stars facing the same ten enemies, each needing 3.6 with
    // caution 5; allowance 7 less need 7 leaves no surplus.
    std::vector<TestStar> stars{{GS, 0, 1}, {GS, 0, 0}};
    std::vector<std::pair<int, int>> links;
    for (int i = 2; i < 12; ++i) {
        stars.push_back({NS, 1, 0});
        links.push_back({0, i});
        links.push_back({1, i});
    }
    Galaxy g = makeTestGalaxy(stars, links, 2, 5.0, 6.0);
    placeArmiesAI(g, 0);
    // ratio (6 + 1) / 18 x 9 = 3.5: star 0's deficit 2.5 adds 2, and the
    // last star with a whole deficit, 1, gets the remaining 4.
    EXPECT_EQ(g.gameStars[0].label, "1+2");
    EXPECT_EQ(g.gameStars[1].label, "0+4");
    EXPECT_EQ(g.armiesOf(0), 7);
}

TEST(Placement, TheSurplusGoesToTheAttackSourceAfterItsLabel)
{
    // Need 3.6 (total 3), allowance 8: 3 placed by need, a surplus of 5.
    Galaxy g = tenAgainstOne(GS, 4, 5.0, 8.0);
    placeArmiesAI(g, 0);
    EXPECT_EQ(g.gameStars[0].label, "4+3 + 5");
    EXPECT_EQ(g.gameStars[0].armies, 12);

    // Strong enough to need nothing: the whole allowance is surplus.
    Galaxy h = tenAgainstOne(GS, 60, 2.5, 25.0);
    placeArmiesAI(h, 0);
    EXPECT_EQ(h.gameStars[0].label, " + 25");
    EXPECT_EQ(h.gameStars[0].armies, 85);
}

TEST(Placement, APlayerWithoutStarsPlacesNothing)
{
    Galaxy g = makeTestGalaxy({{NS, 1, 2}, {NS, 1, 2}}, {{0, 1}}, 2, 2.5, 8.0);
    const uint32_t before = randomState();
    placeArmiesAI(g, 0);
    EXPECT_EQ(g.armiesOf(1), 4);
    EXPECT_EQ(g.gameStars[0].label, "");
    EXPECT_EQ(randomState(), before);
}

TEST(Strength, ModesFollowTheUnitCounts)
{
    Galaxy g = makeTestGalaxy({{NS, 0, 2}, {NS, 1, 5}, {NS, 1, 5}}, {}, 2);
    EXPECT_EQ(assessStrength(0, g.gameStars), StrengthMode::Cautious);  // 3 units on 1 star
    g.gameStars[0].armies = 3;
    EXPECT_EQ(assessStrength(0, g.gameStars), StrengthMode::Bold);
    g.gameStars[0].armies = 25;  // 26 units > 2 x 12
    EXPECT_EQ(assessStrength(0, g.gameStars), StrengthMode::Finishing);
    g.gameStars[2].owner = 0;
    g.gameStars[0].armies = 0;
    EXPECT_EQ(assessStrength(0, g.gameStars), StrengthMode::Finishing);  // one star left to take
    g.gameStars[1].active = 0;
    EXPECT_EQ(assessStrength(1, g.gameStars), StrengthMode::Cautious);  // inactive stars do not count
}

TEST(Attack, FinishingTakesTheLastStarWithTheFirstArmedNeighbour)
{
    Galaxy g = makeTestGalaxy({{NS, 0, 0}, {NS, 0, 5}, {NS, 0, 3}, {NS, 1, 9}}, {{0, 3}, {1, 3}, {2, 3}}, 2);
    const uint32_t before = randomState();
    int from, to, armies;
    chooseAttackAI(g, 0, from, to, armies);
    EXPECT_EQ(from, 1);
    EXPECT_EQ(to, 3);
    EXPECT_EQ(armies, 5);
    EXPECT_EQ(g.gameStars[1].armies, 0);
    ASSERT_EQ(g.attackCandidates.size(), 1u);
    EXPECT_EQ(g.attackCandidates[0].score, 1000000.0);
    EXPECT_EQ(randomState(), before);
}

TEST(Attack, FinishingWithoutArmedNeighbourFallsBackToThePlan)
{
    // The last enemy star faces only empty own stars: planning hands it over
    // tentatively, and with no other star left the needs are 0.
    Galaxy g = makeTestGalaxy({{NS, 0, 0}, {NS, 0, 0}, {NS, 1, 9}}, {{0, 2}, {1, 2}}, 2);
    int from, to, armies;
    chooseAttackAI(g, 0, from, to, armies);
    EXPECT_EQ(from, noOwner);
    EXPECT_EQ(to, noOwner);
    EXPECT_EQ(armies, noOwner);
    planAttack(g, 0, 12);
    ASSERT_FALSE(g.attackCandidates.empty());
    EXPECT_EQ(g.attackCandidates[0].from, 0);
    EXPECT_EQ(g.attackCandidates[0].armies, 12);
}

TEST(Attack, APlayerWithoutIncomeProposesNothing)
{
    Galaxy g = makeTestGalaxy({{"empty", 0, 9}, {NS, 1, 0}}, {{0, 1}}, 2);
    planAttack(g, 0, 0);
    EXPECT_TRUE(g.attackCandidates.empty());
}

TEST(Regions, FloodFindsOnePocketAndItsFrontierOnce)
{
    Galaxy g = makeTestGalaxy({{NS, 0, 0}, {NS, 0, 0}, {NS, 0, 0}, {NS, 1, 0}, {NS, 0, 0}},
                              {{0, 1}, {1, 2}, {2, 3}, {0, 4}, {4, 3}, {1, 4}}, 2);
    RegionScratch& s = regionScratch();
    s.visited.assign(5, 0);
    s.interiorList.clear();
    s.frontierList.clear();
    floodRegion(0, g);
    EXPECT_EQ(s.interiorList, (std::vector<int>{0, 1}));
    EXPECT_EQ(s.frontierList, (std::vector<int>{2, 4}));
    EXPECT_TRUE(isInteriorStar(g, 1));
    EXPECT_FALSE(isInteriorStar(g, 2));
    EXPECT_EQ(countFrontierStars(g, 0), 2);
    EXPECT_TRUE(isAttackable(g, 3, 0));
    EXPECT_FALSE(isAttackable(g, 4, 0));
    // Sources by whole armies less need, the first on a tie.
    g.gameStars[2].armies = 3;
    g.gameStars[4].armies = 3;
    EXPECT_EQ(bestSourceStar(g, 3, 0), 2);
    g.gameStars[4].armies = 4;
    EXPECT_EQ(bestSourceStar(g, 3, 0), 4);
    EXPECT_EQ(bestSourceStar(g, 3, 1), noOwner);
    // Source 1 is interior with frontier 2 (3 armies) and 4 (4 armies).
    EXPECT_EQ(frontierAdjustment(g, 1, 10, 4), 10 - 3);
    EXPECT_EQ(frontierAdjustment(g, 2, 10, 4), 0);
}

}  // namespace
