#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "ai/planning.h"
#include "base/random.h"
#include "tests/core/ai_test_galaxy.h"

namespace {

// Star values, ordinary defence needs and their two damping steps, the
// strength modes, regions and their frontiers, the best source of an attack,
// each star's share of the placement and the choice of the best-scored
// attack are checked by the recorded games.

// The given stars of player 0, each linked to all of ten enemy normal stars
// (player 1, no armies): enemy strength 10 units + 10 income = 20, enemy value 10.
Galaxy facingTen(std::vector<TestStar> stars, double caution, double minimumIncome)
{
    const int own = static_cast<int>(stars.size());
    std::vector<std::pair<int, int>> links;
    for (int i = own; i < own + 10; ++i) {
        stars.push_back({NS, 1, 0});
        for (int j = 0; j < own; ++j) links.push_back({j, i});
    }
    return makeTestGalaxy(stars, links, 2, caution, minimumIncome);
}

TEST(DefenceNeeds, WorthlessStarsNeedNothingAndEveryTotalIsFinite)
{
    // Star 1 is an interior normal star of a pocket: worth 0, needs 0. Player
    // 1's stars keep the needs they had.
    Galaxy g = makeTestGalaxy({{NS, 0, 0}, {NS, 0, 0}, {NS, 1, 0}, {NS, 1, 5}}, {{1, 0}, {0, 2}, {2, 3}}, 2, 2.0);
    g.gameStars[2].need = 42.0;
    const int total = computeDefenceNeeds(g, 0);
    EXPECT_GT(g.gameStars[0].need, 0.2);
    // The total truncates as it goes.
    EXPECT_EQ(std::tuple(g.gameStars[1].need, g.gameStars[2].need, total),
              std::tuple(0.0, 42.0, static_cast<int>(g.gameStars[0].need)));

    // With no star of another player every need is zero.
    Galaxy alone = makeTestGalaxy({{GS, 0, 3}, {NS, 0, 1}}, {{0, 1}}, 2);
    alone.gameStars[0].need = alone.gameStars[1].need = 5.0;
    const int aloneTotal = computeDefenceNeeds(alone, 0);
    EXPECT_EQ(std::tuple(aloneTotal, alone.gameStars[0].need, alone.gameStars[1].need), std::tuple(0, 0.0, 0.0));

    // Player 1 holds an unlinked normal star (a pocket of its own: worth 0), so
    // the strength 8 + 1 is divided by 1: 9 x 9 / 2.
    Galaxy worthless = makeTestGalaxy({{GS, 0, 0}, {NS, 1, 7}}, {}, 2, 2.0);
    EXPECT_EQ(computeDefenceNeeds(worthless, 0), 40);
    EXPECT_DOUBLE_EQ(worthless.gameStars[0].need, 40.5);
}

TEST(RoundHalfDown, ExactHalvesGoDownAndOddValuesAreDefined)
{
    const double infinity = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, int> cases[] = {{2.5, 2},  {2.51, 3}, {0.4, 0}, {3.0, 3}, {-0.5, -1},
                                            {-0.4, 0}, {nan, 0},  {infinity, std::numeric_limits<int>::max()}};
    for (auto [x, rounded] : cases) EXPECT_EQ(roundHalfDown(x), rounded) << x;
    EXPECT_EQ(truncToInt(-2.9), -2);
    EXPECT_EQ(truncToInt(-infinity), std::numeric_limits<int>::min());
}

TEST(Placement, LabelsTheAdditionAndTheSurplusSentToTheAttackSource)
{
    const struct {
        int armies;
        double caution, allowance;
        std::string label;
        int placed;
    } cases[] = {
        {4, 2.5, 3.0, "4+3", 7},      // need 7.2 (total 7) above the allowance: all 3 go to the star
        {4, 5.0, 8.0, "4+3 + 5", 12}, // need 3.6 (total 3): 3 placed by need, a surplus of 5
        {60, 2.5, 25.0, " + 25", 85}, // strong enough to need nothing: the whole allowance is surplus
    };
    for (const auto& c : cases) {
        Galaxy g = facingTen({{GS, 0, c.armies}}, c.caution, c.allowance);
        placeArmiesAI(g, 0);
        EXPECT_EQ(std::pair(g.gameStars[0].label, g.gameStars[0].armies), std::pair(c.label, c.placed));
    }
}

TEST(Placement, APlayerWithoutStarsPlacesNothing)
{
    Galaxy g = makeTestGalaxy({{NS, 1, 2}, {NS, 1, 2}}, {{0, 1}}, 2, 2.5, 8.0);
    const uint32_t before = randomState();
    placeArmiesAI(g, 0);
    EXPECT_EQ(std::tuple(g.armiesOf(1), g.gameStars[0].label, randomState()), std::tuple(4, "", before));
}

TEST(Attack, FinishingTakesTheLastStarWithTheFirstArmedNeighbour)
{
    Galaxy g = makeTestGalaxy({{NS, 0, 0}, {NS, 0, 5}, {NS, 0, 3}, {NS, 1, 9}}, {{0, 3}, {1, 3}, {2, 3}}, 2);
    const uint32_t before = randomState();
    int from, to, armies;
    chooseAttackAI(g, 0, from, to, armies);
    EXPECT_EQ(std::tuple(from, to, armies, g.gameStars[1].armies), std::tuple(1, 3, 5, 0));
    ASSERT_EQ(g.attackCandidates.size(), 1u);
    EXPECT_EQ(g.attackCandidates[0].score, 1000000.0);
    EXPECT_EQ(randomState(), before);
}

TEST(Attack, NothingToAttackWithOrNoIncomeGivesNoAttack)
{
    // The last enemy star faces only empty own stars: planning hands it over
    // tentatively, and with no other star left the needs are 0.
    Galaxy g = makeTestGalaxy({{NS, 0, 0}, {NS, 0, 0}, {NS, 1, 9}}, {{0, 2}, {1, 2}}, 2);
    int from, to, armies;
    chooseAttackAI(g, 0, from, to, armies);
    EXPECT_EQ(std::tuple(from, to, armies), std::tuple(noOwner, noOwner, noOwner));
    planAttack(g, 0, 12);
    ASSERT_FALSE(g.attackCandidates.empty());
    EXPECT_EQ(std::pair(g.attackCandidates[0].from, g.attackCandidates[0].armies), std::pair(0, 12));

    Galaxy poor = makeTestGalaxy({{"empty", 0, 9}, {NS, 1, 0}}, {{0, 1}}, 2);
    planAttack(poor, 0, 0);
    EXPECT_TRUE(poor.attackCandidates.empty());
}

}  // namespace
