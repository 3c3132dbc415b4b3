#include <gtest/gtest.h>

#include "game/galaxy.h"
#include "tests/support/test_star.h"

namespace {

int linkEntries(const Galaxy& g)
{
    int count = 0;
    for (int v : g.links) count += v != 0;
    return count;
}

} // namespace

TEST(GalaxyReset, IsAnEmptyHundredSlotMap)
{
    Galaxy g;
    g.playerCount = 7;
    g.name = "X";
    g.selectedStar = 3;
    g.minimumIncome = 4.5;
    g.reset();
    EXPECT_EQ(g.slotCount(), 100);
    EXPECT_EQ(g.gameStars.size(), 100u);
    EXPECT_EQ(g.links.size(), 10000u);
    EXPECT_EQ(linkEntries(g), 0);
    EXPECT_EQ(g.playerCount, 2);
    EXPECT_EQ(g.name, "TEST");
    EXPECT_EQ(g.selectedStar, noOwner);
    EXPECT_EQ(g.minimumIncome, 4.5); // left as it was
    for (const Star& s : g.layoutStars) EXPECT_EQ(s.active, 0);
}

TEST(GalaxyStarAt, PointAndRectangleProbes)
{
    Galaxy g;
    g.addStar(testStar(100, 100));                // box 89..111 x 88..112
    g.addStar(testStar(200, 200, darkStarKind)); // box 175..225 x 176..224
    g.addStar(testStar(400, 100, goldenStarKind)); // box 384..416 x 84..116
    EXPECT_EQ(g.starAt(100, 100, 0, 0), 0);
    EXPECT_EQ(g.starAt(111, 112, 0, 0), 0); // edges are inclusive
    EXPECT_EQ(g.starAt(112, 100, 0, 0), noOwner);
    EXPECT_EQ(g.starAt(114, 100, 3, 0), 0);
    EXPECT_EQ(g.starAt(225, 224, 0, 0), 1);
    EXPECT_EQ(g.starAt(384, 116, 0, 0), 2);
    EXPECT_EQ(g.starAt(400, 117, 0, 0), noOwner);
    EXPECT_EQ(g.starAt(300, 300, 0, 0), noOwner);
}

TEST(GalaxyStarAt, ControlStripReturnsTheSelection)
{
    Galaxy g;
    g.addStar(testStar(100, 480));
    g.selectedStar = 42;
    EXPECT_EQ(g.starAt(100, 499.5, 0, 0), 42);
    EXPECT_EQ(g.starAt(100, 600, 50, 50), 42);
    g.layoutStars[0].y = 490; // box reaches y 502
    EXPECT_EQ(g.starAt(100, 499.0, 0, 0), 0);
}

TEST(GalaxyStarAt, LowestIndexWinsAndFreeSlotsAreSkipped)
{
    Galaxy g;
    g.layoutStars[5] = testStar(100, 100);
    g.layoutStars[2] = testStar(105, 100);
    g.layoutStars[1] = testStar(100, 100);
    g.layoutStars[1].active = 0;
    EXPECT_EQ(g.starAt(102, 100, 0, 0), 2);
}

TEST(GalaxyPlacement, BoardBoundsOfANormalStar)
{
    Galaxy g;
    EXPECT_TRUE(g.canPlaceStar(testStar(11, 12)));
    EXPECT_TRUE(g.canPlaceStar(testStar(788, 482)));
    EXPECT_FALSE(g.canPlaceStar(testStar(10, 100)));
    EXPECT_FALSE(g.canPlaceStar(testStar(789, 100))); // would reach x = 800
    EXPECT_FALSE(g.canPlaceStar(testStar(100, 11)));
    EXPECT_FALSE(g.canPlaceStar(testStar(100, 483))); // would reach y = 495
    EXPECT_FALSE(g.canPlaceStar(testStar(2147483600, 100)));
    EXPECT_FALSE(g.canPlaceStar(testStar(-2147483600, 100)));
}

TEST(GalaxyPlacement, TouchingBoxesAreRefused)
{
    Galaxy g;
    g.addStar(testStar(100, 100));
    EXPECT_FALSE(g.canPlaceStar(testStar(122, 100))); // boxes share the column x = 111
    EXPECT_TRUE(g.canPlaceStar(testStar(123, 100)));
    g.addStar(testStar(122, 100));
    EXPECT_EQ(g.layoutStars[1].active, 0);
}

TEST(GalaxyPlacement, LowestFreeSlotIsReused)
{
    Galaxy g;
    for (int i = 0; i < 10; ++i) g.addStar(testStar(30 + 40 * i, 100));
    g.setLink(3, 4, 1);
    g.selectedStar = 3;
    g.removeStar(3);
    EXPECT_EQ(g.layoutStars[3].active, 0);
    EXPECT_EQ(g.isLinked(3, 4), 0);
    EXPECT_EQ(g.isLinked(4, 3), 0);
    EXPECT_EQ(g.selectedStar, noOwner);
    g.addStar(testStar(300, 300, goldenStarKind));
    EXPECT_EQ(g.layoutStars[3].active, 1);
    EXPECT_EQ(g.layoutStars[3].kind, goldenStarKind);
    EXPECT_EQ(g.layoutStars[10].active, 0);
}

TEST(GalaxyPlacement, FullGalaxyAndBadIndicesChangeNothing)
{
    Galaxy g;
    for (Star& s : g.layoutStars) s.active = 1; // all slots taken, each a point at 0, 0
    g.addStar(testStar(400, 300));
    for (const Star& s : g.layoutStars) EXPECT_EQ(s.x, 0);
    const Galaxy before = g;
    g.removeStar(-1);
    g.removeStar(100);
    g.unlinkAll(100);
    g.setLink(-1, 2, 1);
    g.setLink(2, 100, 1);
    EXPECT_EQ(g.links, before.links);
    EXPECT_EQ(g.isLinked(100, 0), 0);
    EXPECT_EQ(g.isLinked(0, -1), 0);
}

TEST(GalaxyLinks, CrossingRules)
{
    Galaxy g;
    g.layoutStars[0] = testStar(100, 100);
    g.layoutStars[1] = testStar(300, 100);
    g.layoutStars[2] = testStar(200, 50);
    g.layoutStars[3] = testStar(200, 150);
    g.layoutStars[4] = testStar(200, 100); // on the segment 0-1
    g.layoutStars[5] = testStar(400, 100); // collinear with 0-1
    g.layoutStars[6] = testStar(500, 300);

    g.setLink(0, 1, 1);
    EXPECT_EQ(g.isLinked(0, 1), 1);
    EXPECT_EQ(g.isLinked(1, 0), 1);

    const std::vector<int> before = g.links;
    g.setLink(2, 3, 1); // crosses 0-1 in its interior
    EXPECT_EQ(g.links, before);

    g.setLink(0, 2, 1); // shares the end star 0
    EXPECT_EQ(g.isLinked(0, 2), 1);
    g.setLink(2, 4, 1); // ends on the other link
    EXPECT_EQ(g.isLinked(2, 4), 1);
    g.setLink(1, 5, 1); // collinear, touching at star 1
    EXPECT_EQ(g.isLinked(5, 1), 1);
    g.setLink(0, 5, 1); // collinear and overlapping: not a proper crossing
    EXPECT_EQ(g.isLinked(0, 5), 1);
    g.setLink(6, 6, 1); // a point crosses nothing
    EXPECT_EQ(g.isLinked(6, 6), 1);
    EXPECT_EQ(linkEntries(g), 11);

    g.setLink(0, 1, 0);
    EXPECT_EQ(g.isLinked(0, 1) | g.isLinked(1, 0), 0);
    g.setLink(2, 3, 1); // no longer crosses anything but 0-5
    EXPECT_EQ(g.isLinked(2, 3), 0);
    g.setLink(0, 5, 0);
    g.setLink(2, 3, 1);
    EXPECT_EQ(g.isLinked(2, 3), 1);
}

TEST(GalaxyLinks, FreeSlotsCannotBeLinkedAndUnlinkAllClearsRowAndColumn)
{
    Galaxy g;
    g.layoutStars[0] = testStar(100, 100);
    g.layoutStars[1] = testStar(300, 100);
    g.layoutStars[2] = testStar(200, 300);
    g.setLink(0, 7, 1);
    EXPECT_EQ(linkEntries(g), 0);
    g.setLink(0, 1, 1);
    g.setLink(1, 2, 1);
    g.setLink(2, 0, 1);
    g.unlinkAll(1);
    EXPECT_EQ(linkEntries(g), 2);
    EXPECT_EQ(g.isLinked(0, 2), 1);
}

TEST(GalaxyLinks, HugeCoordinatesDoNotBreakTheCrossingTest)
{
    Galaxy g;
    g.layoutStars[0] = testStar(2147483647, 2147483647);
    g.layoutStars[1] = testStar(-2147483647 - 1, -2147483647 - 1);
    g.layoutStars[2] = testStar(-2147483647 - 1, 2147483647);
    g.layoutStars[3] = testStar(2147483647, -2147483647 - 1);
    g.setLink(0, 1, 1);
    g.setLink(2, 3, 1); // the two diagonals cross
    EXPECT_EQ(g.isLinked(0, 1), 1);
    EXPECT_EQ(g.isLinked(2, 3), 0);
}
