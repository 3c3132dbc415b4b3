#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "ai/planning.h"
#include "tests/core/ai_test_galaxy.h"

namespace {

// Star values, ordinary defence needs and their two damping steps, the
// strength modes, regions and their frontiers, the best source of an attack,
// each star's share of the placement and the choice of the best-scored
// attack are checked by the recorded games.

// The given stars of player 0, each linked to all of ten enemy normal stars
// (player 1, no armies): enemy strength 10 units + 10 income = 20, enemy value 10.
GameState facingTen(std::vector<TestStar> stars, double caution, double minimumIncome)
{
    const int own = static_cast<int>(stars.size());
    std::vector<std::pair<int, int>> links;
    for (int i = own; i < own + 10; ++i) {
        stars.push_back({NS, 1, 0});
        for (int j = 0; j < own; ++j) links.push_back({j, i});
    }
    return testGame(makeTestGalaxy(stars, links, 2, caution, minimumIncome));
}

TEST(DefenceNeeds, WorthlessStarsNeedNothingAndEveryTotalIsFinite)
{
    // Star 1 is an interior normal star of a pocket: worth 0, needs 0. Player
    // 1's stars keep the needs they had.
    GameState g = testGame(
        makeTestGalaxy({{NS, 0, 0}, {NS, 0, 0}, {NS, 1, 0}, {NS, 1, 5}}, {{1, 0}, {0, 2}, {2, 3}}, 2, 2.0));
    std::vector<double>& need = g.ai.need;
    need[2] = 42.0;
    const int total = computeDefenceNeeds(g, 0);
    EXPECT_GT(need[0], 0.2);
    // The total truncates as it goes.
    EXPECT_EQ(std::tuple(need[1], need[2], total), std::tuple(0.0, 42.0, static_cast<int>(need[0])));

    // With no star of another player every need is zero.
    GameState alone = testGame(makeTestGalaxy({{GS, 0, 3}, {NS, 0, 1}}, {{0, 1}}, 2));
    alone.ai.need = {5.0, 5.0};
    const int aloneTotal = computeDefenceNeeds(alone, 0);
    EXPECT_EQ(std::tuple(aloneTotal, alone.ai.need[0], alone.ai.need[1]), std::tuple(0, 0.0, 0.0));

    // Player 1 holds an unlinked normal star (a pocket of its own: worth 0), so
    // the strength 8 + 1 is divided by 1: 9 x 9 / 2.
    GameState worthless = testGame(makeTestGalaxy({{GS, 0, 0}, {NS, 1, 7}}, {}, 2, 2.0));
    EXPECT_EQ(computeDefenceNeeds(worthless, 0), 40);
    EXPECT_DOUBLE_EQ(worthless.ai.need[0], 40.5);
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
    // {armies, caution, allowance, label, placed}
    const std::tuple<int, double, double, std::string, int> cases[] = {
        {4, 2.5, 3.0, "4+3", 7},      // need 7.2 (total 7) above the allowance: all 3 go to the star
        {4, 5.0, 8.0, "4+3 + 5", 12}, // need 3.6 (total 3): 3 placed by need, a surplus of 5
        {60, 2.5, 25.0, " + 25", 85}, // strong enough to need nothing: the whole allowance is surplus
    };
    for (const auto& [armies, caution, allowance, label, placed] : cases) {
        GameState g = facingTen({{GS, 0, armies}}, caution, allowance);
        placeArmiesAI(g, 0);
        EXPECT_EQ(std::pair(g.computerTurns.labels[0], g.galaxy.gameStars[0].armies), std::pair(label, placed));
    }
    // A player without stars places nothing and draws nothing.
    GameState g = testGame(makeTestGalaxy({{NS, 1, 2}, {NS, 1, 2}}, {{0, 1}}, 2, 2.5, 8.0));
    placeArmiesAI(g, 0);
    EXPECT_EQ(std::tuple(g.galaxy.armiesOf(1), g.computerTurns.labels[0], g.random.state), std::tuple(4, "", 1u));
}

TEST(Attack, FinishingTakesTheLastStarWithTheFirstArmedNeighbourAndNothingOrNoIncomeGivesNoAttack)
{
    GameState g =
        testGame(makeTestGalaxy({{NS, 0, 0}, {NS, 0, 5}, {NS, 0, 3}, {NS, 1, 9}}, {{0, 3}, {1, 3}, {2, 3}}, 2));
    int from, to, armies;
    chooseAttackAI(g, 0, from, to, armies);
    EXPECT_EQ(std::tuple(from, to, armies, g.galaxy.gameStars[1].armies), std::tuple(1, 3, 5, 0));
    ASSERT_EQ(g.ai.attackCandidates.size(), 1u);
    EXPECT_EQ(std::pair(g.ai.attackCandidates[0].score, g.random.state), std::pair(1000000.0, 1u)); // no draw

    // The last enemy star faces only empty own stars: planning hands it over
    // tentatively, and with no other star left the needs are 0.
    g = testGame(makeTestGalaxy({{NS, 0, 0}, {NS, 0, 0}, {NS, 1, 9}}, {{0, 2}, {1, 2}}, 2));
    chooseAttackAI(g, 0, from, to, armies);
    EXPECT_EQ(std::tuple(from, to, armies), std::tuple(noOwner, noOwner, noOwner));
    planAttack(g, 0, 12);
    ASSERT_FALSE(g.ai.attackCandidates.empty());
    EXPECT_EQ(std::pair(g.ai.attackCandidates[0].from, g.ai.attackCandidates[0].armies), std::pair(0, 12));

    GameState poor = testGame(makeTestGalaxy({{"empty", 0, 9}, {NS, 1, 0}}, {{0, 1}}, 2));
    planAttack(poor, 0, 0);
    EXPECT_TRUE(poor.ai.attackCandidates.empty());
}

}  // namespace
