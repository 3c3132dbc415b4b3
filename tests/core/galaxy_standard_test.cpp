#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "game/galaxy.h"
#include "game/galaxy_file.h"
#include "game/layout_check.h"

namespace {

// The six galaxies the game ships with, the built-in one from the program,
// the others from the data folder of the source tree.
class StandardGalaxies : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { setGalaxyFolder(std::string(ZENTORY_SOURCE_DATA_DIR) + "/galaxies"); }
    void TearDown() override { setGalaxyFolder("galaxies"); }
    bool load(Galaxy& g) { return GetParam() == 0 ? g.loadBuiltIn("") : g.loadFile(standardGalaxyNames[GetParam()]); }
};

// The stars reached over links from the first active one.
int reachedStars(const Galaxy& g)
{
    const int n = g.slotCount();
    std::vector<int> seen(n, 0), stack;
    for (int i = 0; i < n && stack.empty(); ++i)
        if (g.layoutStars[i].active) stack.push_back(i), seen[i] = 1;
    int reached = 0;
    for (; !stack.empty(); ++reached) {
        const int i = stack.back();
        stack.pop_back();
        for (int j = 0; j < n; ++j)
            if (!seen[j] && g.isLinked(i, j)) seen[j] = 1, stack.push_back(j);
    }
    return reached;
}

} // namespace

TEST_P(StandardGalaxies, AreSoundEditorGalaxies)
{
    Galaxy g;
    ASSERT_TRUE(load(g)) << standardGalaxyNames[GetParam()];
    ASSERT_EQ(std::pair(g.slotCount(), g.links.size()), std::pair(maxStars, static_cast<size_t>(maxStars) * maxStars));
    EXPECT_TRUE(g.playerCount >= 2 && g.playerCount <= 8) << g.playerCount;

    std::set<std::string> kinds;
    int stars = 0;
    for (const Star& s : g.layoutStars)
        if (s.active) ++stars, kinds.insert(s.kind);
    EXPECT_TRUE(stars >= 15 && stars <= 60) << stars;
    EXPECT_TRUE(GetParam() == 0 || kinds.size() == 3u); // our own designs mix all three kinds
    for (const std::string& k : kinds) EXPECT_GT(starImageWidth(k), 0) << k;

    for (int i = 0; i < maxStars; ++i)
        for (int j = 0; j < maxStars; ++j) {
            ASSERT_EQ(g.isLinked(i, j), g.isLinked(j, i));
            ASSERT_TRUE(!g.isLinked(i, j) || (g.layoutStars[i].active && g.layoutStars[j].active)) << i << "-" << j;
        }
    EXPECT_EQ(reachedStars(g), stars); // all of them connected
    for (const Star& s : g.gameStars) EXPECT_EQ(s.active, 0);

    // No crossing links, every star inside the board, no two images touching.
    Galaxy tidied = g;
    validateLayout(tidied);
    EXPECT_EQ(tidied.links, g.links);
    for (int i = 0; i < maxStars; ++i) EXPECT_EQ(tidied.layoutStars[i].active, g.layoutStars[i].active) << i;
}

INSTANTIATE_TEST_SUITE_P(All, StandardGalaxies, ::testing::Range(0, 6));
