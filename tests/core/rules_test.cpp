#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "game/galaxy.h"
#include "game/galaxy_file.h"
#include "game/game_state.h"
#include "game/rules.h"
#include "tests/support/test_star.h"
#include "game/seats.h"

namespace {

class Rules : public ::testing::Test {
protected:
    void TearDown() override { setTickSource(nullptr); }
};

// A game (a normal one unless demo) on a galaxy of the given kinds in slots
// 0.., with n slots in all, no star owned.
GameState withKinds(const std::vector<const char*>& kinds, int players, int n = maxStars, int demo = 0)
{
    GameState s;
    Galaxy& g = s.galaxy;
    g.playerCount = players;
    s.seats = defaultSeats(players, demo);
    g.layoutStars.assign(n, Star{});
    g.links.assign(static_cast<size_t>(n) * n, 0);
    for (size_t i = 0; i < kinds.size(); ++i)
        g.layoutStars[i] = testStar(30 + 60 * static_cast<int>(i % 12), 30 + 60 * static_cast<int>(i / 12), kinds[i]);
    g.prepareGameStars();
    for (Star& star : g.gameStars) star.owner = noOwner;
    return s;
}

void deal(GameState& s, int seed) { setUpGame(s.galaxy, s.random, seed); }

// Player p holds the given stars with the given armies.
void give(Galaxy& g, int p, const std::vector<int>& stars, int armies)
{
    for (int i : stars) {
        g.gameStars[i].owner = p;
        g.gameStars[i].armies = armies;
    }
}

} // namespace

// Who is dealt which star, with how many armies, the recorded games check;
// they reseed with their own seed after the deal.
TEST_F(Rules, MinimumIncomeIsComputedInTheWrittenOrderAndTheDealReseedsFromTheTicks)
{
    setTickSource([] { return 777u; });
    // 35 / 3 * 0.6 is just below 7 in doubles (other orders give exactly 7).
    GameState s = withKinds({darkStarKind, darkStarKind, darkStarKind, darkStarKind, darkStarKind}, 4);
    deal(s, 5);
    EXPECT_EQ(std::pair(s.galaxy.minimumIncome, s.random.state), std::pair(6.999999999999999, 777u));
    for (Star& star : s.galaxy.gameStars)
        if (star.owner == 3) star.owner = 1;
    EXPECT_EQ(std::pair(income(s, 3), placementAllowance(s, 3)), std::pair(0, 6));
}

TEST_F(Rules, SetUpSurvivesOddGalaxies)
{
    GameState none = withKinds({}, 3), empty = withKinds({}, 2, 0);
    deal(none, 1);
    deal(empty, 1);
    // Nobody holds a star.
    EXPECT_EQ(std::tuple(none.galaxy.minimumIncome, soleSurvivor(none.galaxy), empty.galaxy.players.size()),
              std::tuple(0.0, noOwner, 2u));

    for (auto [asked, clamped] : {std::pair{40, 8}, {-3, 2}}) {
        GameState s = withKinds({normalStarKind, normalStarKind}, asked);
        deal(s, 1);
        const Galaxy& g = s.galaxy;
        EXPECT_EQ(std::tuple(g.playerCount, g.players.size(), std::isfinite(g.minimumIncome)),
                  std::tuple(clamped, static_cast<size_t>(clamped), true));
    }

    // Beyond 32767 slots the draws reach only some slots, and can return n itself.
    const int n = 40000;
    Galaxy huge;
    huge.playerCount = 3;
    huge.layoutStars.assign(n, Star{});
    huge.links.clear();
    for (int i : {1, 777, n - 2, n - 1}) huge.layoutStars[i] = testStar(0, 0, goldenStarKind);
    huge.prepareGameStars();
    Random random;
    setUpGame(huge, random, 3);
    EXPECT_EQ(huge.countUnownedStars(huge.gameStars), 0);
    EXPECT_EQ((std::vector{huge.starCount(0), huge.starCount(1), huge.starCount(2)}), (std::vector{2, 1, 1}));
}

TEST_F(Rules, PlayerWithoutAStarIsOutAtOnce)
{
    GameState s = withKinds({normalStarKind, goldenStarKind}, 4);
    deal(s, 8);
    Galaxy& g = s.galaxy;
    const std::vector<Player>& p = g.players;
    EXPECT_EQ(std::tuple(p[0].alive, p[1].alive, p[2].alive, p[3].alive), std::tuple(1, 1, 0, 0));
    EXPECT_EQ(soleSurvivor(g), noOwner);
    // Taking the other player's only star now ends the game.
    const int target = g.gameStars[0].owner == 1 ? 0 : 1;
    const int winner = 1 - g.gameStars[target].owner;
    EXPECT_TRUE(aiConquest(g, winner, target, 1).eliminated);
    EXPECT_EQ(soleSurvivor(g), winner);
}

TEST_F(Rules, HumanIncomeAtEveryDifficulty)
{
    GameState s = withKinds({goldenStarKind, normalStarKind, normalStarKind}, 2);
    Galaxy& g = s.galaxy;
    const int withThree[] = {6, 4, 3, 2, 1};
    const int withOne[] = {2, 1, 1, 1, 1};
    for (int d = 0; d < 5; ++d) {
        s.difficulty = d;
        give(g, 0, {0}, 0);
        give(g, 1, {1, 2}, 0);
        EXPECT_EQ(income(s, 0), withThree[d]) << d;
        EXPECT_EQ(income(s, 1), 2) << d; // computer players get no factor
        give(g, 0, {1}, 0);
        g.gameStars[0].owner = 1;
        EXPECT_EQ(income(s, 0), withOne[d]) << d;
        for (Star& star : g.gameStars) star.owner = 1;
        EXPECT_EQ(income(s, 0), 0) << d;
    }
    s.seats[0] = Seat::Computer;
    give(g, 0, {0}, 0);
    EXPECT_EQ(income(s, 0), 3); // in the demonstration game player 0 is a computer player
}

TEST_F(Rules, AllowanceCapAndFloor)
{
    // Player 1 holds income 10 (a dark and three normal stars); player 0 holds
    // income 1, so it places the floored minimum income, under a cap of four times it.
    GameState s = withKinds({darkStarKind, normalStarKind, normalStarKind, normalStarKind, normalStarKind}, 2, maxStars, 1);
    Galaxy& g = s.galaxy;
    give(g, 1, {0, 1, 2, 3}, 0);
    give(g, 0, {4}, 0);
    g.minimumIncome = 8.1;
    // {player, armies, allowance, capped}
    const std::tuple<int, int, int, bool> cases[] = {
        {1, 0, 10, false}, {1, 30, 10, false}, {1, 35, 5, true},  {1, 40, 0, true}, {1, 2147483647, 0, true},
        {0, 0, 8, false},  {0, 30, 2, false},  {0, 31, 1, false}, {0, 32, 0, true}};
    for (const auto& [player, armies, allowance, capped] : cases) {
        g.gameStars[player == 1 ? 0 : 4].armies = armies;
        EXPECT_EQ(std::pair(placementAllowance(s, player), placementCapped(s, player)), std::pair(allowance, capped))
            << player << " with " << armies;
    }
}

TEST_F(Rules, SumsIncludeInactiveSlotsOnlyThroughTheirOwnerAndBadIndicesDoNothing)
{
    Galaxy g = withKinds({normalStarKind}, 2).galaxy;
    give(g, 1, {0}, 3);
    give(g, 1, {50, 51}, 2147483647); // inactive slots: they count for armies, not income
    // The armies are held at the int limit.
    EXPECT_EQ(std::tuple(g.starCount(1), g.starIncomeOf(1), g.armiesOf(1)), std::tuple(3, 1, 2147483647));
    EXPECT_EQ(g.weakestPlayer(), noOwner); // no players yet
    g.players.assign(2, Player{});
    EXPECT_EQ(g.weakestPlayer(), 0);
    // Indices out of range, and a transfer onto the source, do nothing.
    EXPECT_EQ(std::tuple(eliminateIfBeaten(g, 99), transferArmies(g, 0, 0, 3), transferArmies(g, 0, 500, 3)),
              std::tuple(false, 0, 0));
}

// A human out of the game and the demonstration game are the
// human turn's tests and the demonstration's.
TEST_F(Rules, OnlyHardAndImpossibleLetTheComputersOpenTheGame)
{
    GameState s = withKinds({normalStarKind, normalStarKind}, 2);
    s.galaxy.turn = 9; // left from an earlier game of the built-in galaxy: a new game counts from 0
    s.galaxy.prepareGameStars();
    deal(s, 1);
    beginTurnCycle(s.galaxy);
    for (int d = 0; d < 5; ++d) {
        s.difficulty = d;
        EXPECT_EQ(takesDecisionTurn(s, 0), d < 3) << d;
    }
    beginTurnCycle(s.galaxy);
    EXPECT_TRUE(takesDecisionTurn(s, 0));
}
