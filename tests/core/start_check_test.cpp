// Which galaxies a game may start on: every income star must be reachable.
#include <gtest/gtest.h>

#include "game/start_check.h"
#include "tests/core/ai_test_galaxy.h"

TEST(StartCheck, IncomeStarsMustFormOneNetwork)
{
    const char* odd = "oddStar"; // a kind that yields nothing, dealt out all the same
    struct Case {
        const char* what;
        std::vector<TestStar> stars;
        std::vector<std::pair<int, int>> links;
        bool linked;
    };
    const Case cases[] = {
        {"a chain", {{"normalStar", 0, 0}, {"darkStar", 0, 0}, {"goldenStar", 0, 0}}, {{0, 1}, {1, 2}}, true},
        {"two unlinked stars", {{"darkStar", 0, 0}, {"normalStar", 0, 0}}, {}, false},
        {"two pairs", {{"normalStar", 0, 0}, {"normalStar", 0, 0}, {"normalStar", 0, 0}, {"normalStar", 0, 0}},
         {{0, 1}, {2, 3}}, false},
        {"the last star alone", {{"normalStar", 0, 0}, {"normalStar", 0, 0}, {"normalStar", 0, 0}}, {{0, 1}}, false},
        {"through a star without income", {{"normalStar", 0, 0}, {odd, 0, 0}, {"normalStar", 0, 0}},
         {{0, 1}, {1, 2}}, true},
        {"a star without income left out", {{"normalStar", 0, 0}, {"normalStar", 0, 0}, {odd, 0, 0}}, {{0, 1}}, true},
        {"one income star", {{"darkStar", 0, 0}, {odd, 0, 0}}, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(incomeStarsLinked(makeTestGalaxy(c.stars, c.links, 2)), c.linked);
    }

    // A one-way entry still joins; a link through a free slot leads nowhere.
    Galaxy g = makeTestGalaxy({{"normalStar", 0, 0}, {"normalStar", 0, 0}, {"normalStar", 0, 0}}, {{0, 1}, {1, 2}}, 2);
    g.links[2 * 3 + 1] = 0;
    EXPECT_TRUE(incomeStarsLinked(g));
    g.layoutStars[1].active = 0;
    EXPECT_FALSE(incomeStarsLinked(g));
}
