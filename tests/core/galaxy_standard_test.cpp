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
    bool load(Galaxy& g)
    {
        const int index = GetParam();
        if (index == 0) {
            g.reset();
            return g.loadBuiltIn("");
        }
        return g.loadFile(standardGalaxyNames[index]);
    }
};

bool connected(const Galaxy& g)
{
    const int n = g.slotCount();
    std::vector<int> seen(n, 0), stack;
    int total = 0;
    for (int i = 0; i < n; ++i)
        if (g.layoutStars[i].active) {
            ++total;
            if (stack.empty() && !seen[i]) stack.push_back(i), seen[i] = 1;
        }
    int reached = 0;
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        ++reached;
        for (int j = 0; j < n; ++j)
            if (!seen[j] && g.layoutStars[j].active && g.isLinked(i, j)) seen[j] = 1, stack.push_back(j);
    }
    return total > 0 && reached == total;
}

} // namespace

TEST_P(StandardGalaxies, AreSoundEditorGalaxies)
{
    Galaxy g;
    ASSERT_TRUE(load(g)) << standardGalaxyNames[GetParam()];
    ASSERT_EQ(g.slotCount(), maxStars);
    ASSERT_EQ(g.links.size(), static_cast<size_t>(maxStars) * maxStars);
    EXPECT_GE(g.playerCount, 2);
    EXPECT_LE(g.playerCount, 8);

    std::set<std::string> kinds;
    int stars = 0;
    for (const Star& s : g.layoutStars)
        if (s.active) ++stars, kinds.insert(s.kind);
    EXPECT_GE(stars, 15);
    EXPECT_LE(stars, 60);
    if (GetParam() != 0) {
        EXPECT_EQ(kinds.size(), 3u); // our own designs mix all three kinds
    }
    for (const std::string& k : kinds) EXPECT_GT(starImageWidth(k), 0) << k;

    for (int i = 0; i < maxStars; ++i)
        for (int j = 0; j < maxStars; ++j) {
            ASSERT_EQ(g.isLinked(i, j), g.isLinked(j, i));
            if (g.isLinked(i, j)) {
                ASSERT_TRUE(g.layoutStars[i].active && g.layoutStars[j].active);
            }
        }
    EXPECT_TRUE(connected(g));
    for (const Star& s : g.gameStars) EXPECT_EQ(s.active, 0);

    // No crossing links, every star inside the board, no two images touching.
    Galaxy tidied = g;
    validateLayout(tidied);
    EXPECT_EQ(tidied.links, g.links);
    for (int i = 0; i < maxStars; ++i) EXPECT_EQ(tidied.layoutStars[i].active, g.layoutStars[i].active) << i;
}

INSTANTIATE_TEST_SUITE_P(All, StandardGalaxies, ::testing::Range(0, 6));
