#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>
#include <vector>

#include "engine/random.h"
#include "game/galaxy.h"
#include "game/galaxy_file.h"
#include "game/game_state.h"
#include "game/rules.h"
#include "tests/support/test_star.h"

namespace {

// Restores the process-wide settings the rules read.
class Rules : public ::testing::Test {
protected:
    void TearDown() override
    {
        difficulty = 2;
        demoMode = 1;
        setTickSource(nullptr);
    }
};

// A galaxy of the given kinds in slots 0.., with n slots in all, no star owned.
Galaxy withKinds(const std::vector<const char*>& kinds, int players, int n = maxStars)
{
    Galaxy g;
    g.playerCount = players;
    g.layoutStars.assign(n, Star{});
    g.links.assign(static_cast<size_t>(n) * n, 0);
    for (size_t i = 0; i < kinds.size(); ++i)
        g.layoutStars[i] = testStar(30 + 60 * static_cast<int>(i % 12), 30 + 60 * static_cast<int>(i / 12), kinds[i]);
    g.prepareGameStars();
    for (Star& s : g.gameStars) s.owner = noOwner;
    return g;
}

// Player p holds the given stars with the given armies.
void give(Galaxy& g, int p, const std::vector<int>& stars, int armies)
{
    for (int i : stars) {
        g.gameStars[i].owner = p;
        g.gameStars[i].armies = armies;
    }
}

} // namespace

TEST_F(Rules, PreparingCopiesTheLayoutAndKeepsLabelsAndScratchValues)
{
    Galaxy g;
    g.turn = 9;
    Star& design = g.layoutStars[3];
    design.x = 40, design.y = 50, design.kind = goldenStarKind, design.owner = 4, design.armies = 8;
    design.reserved = 6, design.active = 1;
    g.gameStars.assign(2, Star{});
    Star& played = g.gameStars[1];
    played.kind = darkStarKind, played.label = "7+2", played.owner = 3, played.armies = 9;
    played.need = 1.5, played.value = 2.5, played.active = 1;
    g.prepareGameStars();
    ASSERT_EQ(g.gameStars.size(), 100u);
    EXPECT_EQ(g.turn, 0);
    auto fields = [](const Star& s) {
        return std::tuple(s.x, s.y, s.kind, s.reserved, s.active, s.owner, s.armies, s.label, s.need, s.value);
    };
    EXPECT_EQ(fields(g.gameStars[1]), std::tuple(0, 0, std::string(), 0, 0, 0, 0, std::string("7+2"), 1.5, 2.5));
    EXPECT_EQ(fields(g.gameStars[3]), std::tuple(40, 50, std::string(goldenStarKind), 6, 1, 0, 0, std::string(), 0.0, 0.0));
}

TEST_F(Rules, DealAlwaysGoesToTheWeakestAndThenReseedsFromTheTickSource)
{
    setTickSource([] { return 777u; });
    // Mixed kinds, so that the weakest by income is often neither the next
    // player in turn nor the one holding the fewest stars.
    const char *N = normalStarKind, *G = goldenStarKind, *D = darkStarKind;
    Galaxy g = withKinds({D, N, G, N, N, D, G, N, N, N, G, N, G, N}, 3);
    const int armiesByIncome[8] = {0, 2, 0, 6, 0, 0, 0, 14};
    for (int seed : {1, 99, 12345, 777}) {
        g.setUpGame(seed);
        EXPECT_EQ(randomState(), 777u);
        // The deal order comes from the same draws, after the three cautions.
        seedRandom(static_cast<unsigned>(seed));
        for (int p = 0; p < 3; ++p) randomInt(1000);
        std::vector<int> held(3, 0);
        std::set<int> dealt;
        for (int k = 0; k < 14; ++k) {
            int r = 0;
            do r = randomInt(maxStars);
            while (!g.gameStars[r].active || dealt.count(r));
            dealt.insert(r);
            const int weakest = static_cast<int>(std::min_element(held.begin(), held.end()) - held.begin());
            const Star& s = g.gameStars[r];
            ASSERT_EQ(s.owner, weakest) << "seed " << seed << ", star " << r << " dealt " << k + 1 << ". ";
            EXPECT_EQ(s.armies, armiesByIncome[starIncome(s)]);
            held[weakest] += starIncome(s);
        }
    }
}

TEST_F(Rules, MinimumIncomeIsComputedInTheWrittenOrder)
{
    // 35 / 3 * 0.6 is just below 7 in doubles (other orders give exactly 7).
    Galaxy g = withKinds({darkStarKind, darkStarKind, darkStarKind, darkStarKind, darkStarKind}, 4);
    g.setUpGame(5);
    EXPECT_EQ(g.minimumIncome, 6.999999999999999);
    demoMode = 0;
    for (Star& s : g.gameStars)
        if (s.owner == 3) s.owner = 1;
    EXPECT_EQ(std::pair(g.income(3), g.placementAllowance(3)), std::pair(0, 6));
}

TEST_F(Rules, SetUpSurvivesOddGalaxies)
{
    Galaxy none = withKinds({}, 3);
    none.setUpGame(1);
    EXPECT_EQ(std::pair(none.minimumIncome, soleSurvivor(none)), std::pair(0.0, noOwner)); // nobody holds a star

    Galaxy empty = withKinds({}, 2, 0);
    empty.setUpGame(1);
    EXPECT_EQ(empty.players.size(), 2u);

    for (auto [asked, clamped] : {std::pair{40, 8}, {-3, 2}}) {
        Galaxy g = withKinds({normalStarKind, normalStarKind}, asked);
        g.setUpGame(1);
        EXPECT_EQ(std::tuple(g.playerCount, g.players.size(), std::isfinite(g.minimumIncome)),
                  std::tuple(clamped, static_cast<size_t>(clamped), true));
    }

    // Beyond 32767 slots the draws reach only some slots, and can return n itself.
    const int n = 40000;
    Galaxy huge;
    huge.playerCount = 3;
    huge.layoutStars.assign(n, Star{});
    huge.links.clear();
    for (int i : {1, 777, n - 2, n - 1}) {
        huge.layoutStars[i].active = 1;
        huge.layoutStars[i].kind = goldenStarKind;
    }
    huge.prepareGameStars();
    huge.setUpGame(3);
    EXPECT_EQ(huge.countUnownedStars(huge.gameStars), 0);
    EXPECT_EQ((std::vector{huge.starCount(0), huge.starCount(1), huge.starCount(2)}), (std::vector{2, 1, 1}));
}

TEST_F(Rules, PlayerWithoutAStarIsOutAtOnce)
{
    Galaxy g = withKinds({normalStarKind, goldenStarKind}, 4);
    g.setUpGame(8);
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
    Galaxy g = withKinds({goldenStarKind, normalStarKind, normalStarKind}, 2);
    demoMode = 0;
    const int withThree[] = {6, 4, 3, 2, 1};
    const int withOne[] = {2, 1, 1, 1, 1};
    for (int d = 0; d < 5; ++d) {
        difficulty = d;
        give(g, 0, {0}, 0);
        give(g, 1, {1, 2}, 0);
        EXPECT_EQ(g.income(0), withThree[d]) << d;
        EXPECT_EQ(g.income(1), 2) << d; // computer players get no factor
        give(g, 0, {1}, 0);
        g.gameStars[0].owner = 1;
        EXPECT_EQ(g.income(0), withOne[d]) << d;
        for (Star& s : g.gameStars) s.owner = 1;
        EXPECT_EQ(g.income(0), 0) << d;
    }
    difficulty = 4;
    demoMode = 1;
    give(g, 0, {0}, 0);
    EXPECT_EQ(g.income(0), 3); // in the demonstration game player 0 is a computer player
}

TEST_F(Rules, AllowanceCapAndFloor)
{
    // Player 1 holds income 10 (a dark and three normal stars); player 0 holds
    // income 1, so it places the floored minimum income, under a cap of four times it.
    Galaxy g = withKinds({darkStarKind, normalStarKind, normalStarKind, normalStarKind, normalStarKind}, 2);
    give(g, 1, {0, 1, 2, 3}, 0);
    give(g, 0, {4}, 0);
    g.minimumIncome = 8.1;
    const struct {
        int player, armies, allowance;
        bool capped;
    } cases[] = {{1, 0, 10, false}, {1, 30, 10, false}, {1, 35, 5, true},  {1, 40, 0, true},  {1, 2147483647, 0, true},
                 {0, 0, 8, false},  {0, 30, 2, false},  {0, 31, 1, false}, {0, 32, 0, true}};
    for (const auto& c : cases) {
        g.gameStars[c.player == 1 ? 0 : 4].armies = c.armies;
        EXPECT_EQ(g.placementAllowance(c.player), c.allowance) << c.player << " with " << c.armies;
        EXPECT_EQ(placementCapped(g, c.player), c.capped) << c.player << " with " << c.armies;
    }
}

TEST_F(Rules, SumsIncludeInactiveSlotsOnlyThroughTheirOwner)
{
    Galaxy g = withKinds({normalStarKind}, 2);
    give(g, 1, {0}, 3);
    give(g, 1, {50, 51}, 2147483647); // inactive slots: they count for armies, not income
    // The armies are held at the int limit.
    EXPECT_EQ(std::tuple(g.starCount(1), g.income(1), g.armiesOf(1)), std::tuple(3, 1, 2147483647));
    EXPECT_EQ(g.weakestPlayer(), noOwner); // no players yet
    g.players.assign(2, Player{});
    EXPECT_EQ(g.weakestPlayer(), 0);
    g.gameStars[0].label = "+3";
    g.clearLabels();
    EXPECT_EQ(g.gameStars[0].label, "");
}

TEST_F(Rules, HumanBattleConquestAndTransfer)
{
    Galaxy g = withKinds({normalStarKind, normalStarKind, normalStarKind}, 3);
    g.setUpGame(2); // stars 0..2 to players in some order, each alone
    const int mine = 0, theirs = 1;
    const int other = g.gameStars[theirs].owner;
    g.gameStars[mine].owner = 0;
    g.gameStars[2].owner = other == 1 ? 2 : 1;
    g.gameStars[mine].armies = 1;
    g.gameStars[theirs].armies = 0;

    // A defender with 0 armies still needs one lost round: from seed 3 the first draw, 0, makes the defender lose it.
    const unsigned seed = 3;
    seedRandom(seed);
    EXPECT_FALSE(humanBattle(g, mine, theirs, 0)); // ready to lose nothing: no round
    EXPECT_EQ(g.gameStars[theirs].armies, 0);
    seedRandom(seed);
    ASSERT_TRUE(humanBattle(g, mine, theirs, 1));
    EXPECT_EQ(g.gameStars[mine].armies, 1); // the attack lost nothing
    const Conquest c = humanConquest(g, mine, theirs);
    auto armies = [&] { return std::pair(g.gameStars[mine].armies, g.gameStars[theirs].armies); };
    EXPECT_EQ(std::tuple(c.previousOwner, c.eliminated, g.players[other].alive, g.gameStars[theirs].owner),
              std::tuple(other, true, 0, 0));
    EXPECT_EQ(armies(), std::pair(0, 0)); // the one army moved in: nothing left to transfer
    EXPECT_EQ(transferArmies(g, mine, theirs, 3), 0);

    g.gameStars[mine].armies = 6;
    EXPECT_EQ(transferArmies(g, mine, theirs, 4), 4);
    EXPECT_EQ(armies(), std::pair(2, 4));
    EXPECT_EQ(transferArmies(g, theirs, mine, 9), 4); // moves what there is
    EXPECT_EQ(armies(), std::pair(6, 0));
    EXPECT_EQ(transferArmies(g, mine, mine, 3), 0);
    EXPECT_EQ(transferArmies(g, mine, 500, 3), 0);

    // Ready to lose more than the source holds: the battle stops when it is empty.
    g.gameStars[mine].armies = 20;
    g.gameStars[theirs].armies = 1000;
    EXPECT_FALSE(humanBattle(g, mine, theirs, 500));
    EXPECT_EQ(g.gameStars[mine].armies, 0);
}

TEST_F(Rules, ComputerConquestEliminationAndVictory)
{
    Galaxy g = withKinds({normalStarKind, normalStarKind, normalStarKind}, 3);
    g.setUpGame(4);
    const int a = g.gameStars[0].owner, b = g.gameStars[1].owner, c = g.gameStars[2].owner;
    ASSERT_EQ(std::set<int>({a, b, c}).size(), 3u);
    g.gameStars[0].armies = 0;
    // The conquest's report (who fell, whether out, who won) and the armies left on the star.
    auto after = [&g](const Conquest& q, int star) {
        return std::tuple(q.previousOwner, q.eliminated, g.gameStars[star].armies, q.winner);
    };
    // b loses star 1 but first gets star 2 from c: c is out, b is not. A force of 1 leaves the star empty.
    EXPECT_EQ(after(aiConquest(g, b, 2, 1), 2), std::tuple(c, true, 0, noOwner));
    EXPECT_EQ(after(aiConquest(g, a, 1, 5), 1), std::tuple(b, false, 4, noOwner)); // b still holds star 2
    EXPECT_EQ(after(aiConquest(g, a, 2, 3), 2), std::tuple(b, true, 2, a));
    EXPECT_FALSE(eliminateIfBeaten(g, b)); // only ever once
    EXPECT_FALSE(eliminateIfBeaten(g, 99));
}

TEST_F(Rules, TurnOrder)
{
    Galaxy g = withKinds({normalStarKind, normalStarKind}, 2);
    g.setUpGame(1);
    demoMode = 0;
    beginTurnCycle(g);
    EXPECT_EQ(g.turn, 1);
    for (int d = 0; d < 5; ++d) {
        difficulty = d;
        EXPECT_EQ(humanPlaysFirst(g), d < 3) << d;
    }
    beginTurnCycle(g);
    EXPECT_EQ(std::pair(humanPlaysFirst(g), firstComputerPlayer()), std::pair(true, 1));
    g.players[0].alive = 0;
    EXPECT_FALSE(humanPlaysFirst(g));
    demoMode = 1;
    g.players[0].alive = 1;
    EXPECT_EQ(std::pair(humanPlaysFirst(g), firstComputerPlayer()), std::pair(false, 0));
}

TEST_F(Rules, StartingAGameOnAMissingFileGivesAnEmptyTwoPlayerGame)
{
    setGalaxyFolder("/nonexistent-zentory-folder");
    previewGalaxy.name = "missing";
    startNewGame(true, false);
    setGalaxyFolder("galaxies");
    EXPECT_EQ(std::tuple(demoMode, gameGalaxy.name, gameGalaxy.players.size(), soleSurvivor(gameGalaxy)),
              std::tuple(1, std::string("missing"), size_t{2}, noOwner));
}
