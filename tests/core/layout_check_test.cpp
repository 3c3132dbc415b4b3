// The tidy-up after a drag must drop exactly what re-linking every entry
// through setLink drops; compared over many random galaxies, including
// crowded, collinear, asymmetric and far-out ones.
#include <gtest/gtest.h>

#include <random>

#include "game/layout_check.h"

namespace {

void plainValidateLayout(Galaxy& g)
{
    const int selected = g.selectedStar;
    const int n = g.slotCount();
    for (int i = 0; i < n; ++i)
        for (int j = i; j < n; ++j)
            if (g.isLinked(i, j) != 0) g.setLink(i, j, 0), g.setLink(i, j, 1);
    for (int i = 0; i < n; ++i) {
        Star& s = g.layoutStars[i];
        if (!s.active) continue;
        s.active = 0;
        const bool fits = g.canPlaceStar(s);
        s.active = 1;
        if (!fits) g.unlinkAll(i), s.active = 0;
    }
    g.selectedStar = selected;
}

Galaxy randomGalaxy(std::mt19937& rng)
{
    auto pick = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    const char* kinds[] = {normalStarKind, goldenStarKind, darkStarKind, "", emptyKind};
    Galaxy g;
    const int n = pick(1, 40);
    g.layoutStars.assign(n, Star{});
    g.gameStars.assign(n, Star{});
    g.links.assign(static_cast<size_t>(n) * n, 0);
    // A coarse grid gives shared positions and collinear links; a wide range
    // gives products a double cannot hold exactly.
    const int style = pick(0, 3);
    for (Star& s : g.layoutStars) {
        s.active = pick(0, 9) < 8;
        s.kind = kinds[pick(0, 4)];
        if (style == 0) s.x = 100 * pick(0, 7), s.y = 60 * pick(0, 7);
        else if (style == 3) s.x = pick(-2000000000, 2000000000), s.y = pick(-2000000000, 2000000000);
        else s.x = pick(0, 799), s.y = pick(0, 494);
    }
    const int density = pick(1, 60);
    for (int i = 0; i < n; ++i)
        for (int j = i; j < n; ++j) {
            if (pick(0, 99) >= density) continue;
            const int v = pick(0, 9) == 0 ? 7 : 1;
            g.links[static_cast<size_t>(i) * n + j] = v;
            if (pick(0, 9) != 0) g.links[static_cast<size_t>(j) * n + i] = v;
        }
    g.selectedStar = pick(-5, n - 1);
    return g;
}

} // namespace

TEST(LayoutCheck, DropsTheSameLinksAndStarsAsRelinkingEveryEntry)
{
    std::mt19937 rng(20261207);
    int roundsWithDrops = 0;
    for (int round = 0; round < 3000; ++round) {
        Galaxy fast = randomGalaxy(rng);
        const Galaxy before = fast;
        Galaxy plain = fast;
        validateLayout(fast);
        plainValidateLayout(plain);
        ASSERT_EQ(fast.links, plain.links) << "round " << round;
        for (int i = 0; i < fast.slotCount(); ++i)
            ASSERT_EQ(fast.layoutStars[i].active, plain.layoutStars[i].active) << "round " << round << " star " << i;
        ASSERT_EQ(fast.selectedStar, plain.selectedStar);
        bool drop = false;
        for (size_t k = 0; k < fast.links.size(); ++k) drop = drop || (before.links[k] != 0 && fast.links[k] == 0);
        roundsWithDrops += drop;
    }
    // The galaxies are hard enough that most rounds drop something.
    EXPECT_GT(roundsWithDrops, 1000);
}

TEST(LayoutCheck, AMatrixOfTheWrongSizeIsLeftAlone)
{
    Galaxy g;
    g.links.resize(10);
    g.links[3] = 1;
    validateLayout(g);
    EXPECT_EQ(g.links[3], 1);
}
