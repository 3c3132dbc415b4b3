#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "game/galaxy.h"
#include "tests/support/test_star.h"

namespace {

int linkEntries(const Galaxy& g) { return static_cast<int>(std::ranges::count_if(g.links, [](int v) { return v != 0; })); }

} // namespace

TEST(GalaxyStarAt, ProbesTheControlStripAndTheLowestIndex)
{
    Galaxy g;
    g.addStar(testStar(100, 100));                 // box 89..111 x 88..112
    g.addStar(testStar(200, 200, darkStarKind));   // box 175..225 x 176..224
    g.addStar(testStar(400, 100, goldenStarKind)); // box 384..416 x 84..116
    const struct {
        double x, y, rx;
        int star;
    } probes[] = {{100, 100, 0, 0}, {111, 112, 0, 0}, {112, 100, 0, noOwner}, {114, 100, 3, 0},
                  {225, 224, 0, 1}, {384, 116, 0, 2}, {400, 117, 0, noOwner}, {300, 300, 0, noOwner}};
    for (const auto& p : probes) EXPECT_EQ(g.starAt(p.x, p.y, p.rx, 0), p.star) << p.x << ", " << p.y;

    // Below the board no star is found, but a star reaching y 499 is found above it.
    g.addStar(testStar(100, 480));
    EXPECT_EQ(std::pair(g.starAt(100, 499.5, 0, 0), g.starAt(100, 600, 50, 50)), std::pair(noOwner, noOwner));
    g.layoutStars[3].y = 490; // box reaches y 502
    EXPECT_EQ(g.starAt(100, 499.0, 0, 0), 3);

    Galaxy overlapping;
    overlapping.layoutStars[5] = testStar(100, 100);
    overlapping.layoutStars[2] = testStar(105, 100);
    overlapping.layoutStars[1] = testStar(100, 100);
    overlapping.layoutStars[1].active = 0;
    EXPECT_EQ(overlapping.starAt(102, 100, 0, 0), 2);
}

TEST(GalaxyPlacement, BoardBoundsAndTouchingBoxesOfANormalStar)
{
    Galaxy g;
    // At x 789 the image would reach x = 800, at y 483 it would reach y = 495.
    const std::tuple<int, int, bool> places[] = {{11, 12, true},          {788, 482, true},          {10, 100, false},
                                                 {789, 100, false},       {100, 11, false},          {100, 483, false},
                                                 {2147483600, 100, false}, {-2147483600, 100, false}};
    for (auto [x, y, fits] : places) EXPECT_EQ(g.canPlaceStar(testStar(x, y)), fits) << x << ", " << y;
    g.addStar(testStar(100, 100));
    // Boxes sharing the column x = 111 touch.
    EXPECT_EQ(std::pair(g.canPlaceStar(testStar(122, 100)), g.canPlaceStar(testStar(123, 100))), std::pair(false, true));
    g.addStar(testStar(122, 100));
    EXPECT_EQ(g.layoutStars[1].active, 0);
}

TEST(GalaxyPlacement, LowestFreeSlotIsReusedAndAFullGalaxyOrBadIndicesChangeNothing)
{
    Galaxy g;
    for (int i = 0; i < 10; ++i) g.addStar(testStar(30 + 40 * i, 100));
    g.setLink(3, 4, 1);
    g.removeStar(3);
    EXPECT_EQ(std::tuple(g.layoutStars[3].active, g.isLinked(3, 4), g.isLinked(4, 3)), std::tuple(0, 0, 0));
    g.addStar(testStar(300, 300, goldenStarKind));
    EXPECT_EQ(std::tuple(g.layoutStars[3].active, g.layoutStars[3].kind, g.layoutStars[10].active),
              std::tuple(1, std::string(goldenStarKind), 0));

    // A full galaxy takes no star, and bad indices change nothing.
    for (Star& s : g.layoutStars) s = Star{}, s.active = 1; // each a point at 0, 0
    g.addStar(testStar(400, 300));
    for (const Star& s : g.layoutStars) EXPECT_EQ(s.x, 0);
    const Galaxy before = g;
    g.removeStar(-1);
    g.removeStar(100);
    g.unlinkAll(100);
    g.setLink(-1, 2, 1);
    g.setLink(2, 100, 1);
    EXPECT_EQ(g.links, before.links);
    EXPECT_EQ(std::pair(g.isLinked(100, 0), g.isLinked(0, -1)), std::pair(0, 0));

    // A reset gives an empty hundred-slot map; the minimum income is left as it was.
    g.playerCount = 7, g.name = "X", g.minimumIncome = 4.5;
    g.layoutStars.resize(3);
    g.links.assign(9, 1);
    g.reset();
    EXPECT_EQ(std::tuple(g.slotCount(), g.gameStars.size(), g.links.size(), linkEntries(g), g.playerCount, g.name),
              std::tuple(100, size_t{100}, size_t{10000}, 0, 2, std::string("TEST")));
    EXPECT_TRUE(g.minimumIncome == 4.5 && std::ranges::none_of(g.layoutStars, [](const Star& s) { return s.active; }));
}

TEST(GalaxyLinks, CrossingRulesFreeSlotsUnlinkAllAndHugeCoordinates)
{
    Galaxy g;
    // Star 4 lies on the segment 0-1, star 5 is collinear with it.
    const std::pair<int, int> places[] = {{100, 100}, {300, 100}, {200, 50},  {200, 150},
                                          {200, 100}, {400, 100}, {500, 300}};
    for (int i = 0; i < 7; ++i) g.layoutStars[i] = testStar(places[i].first, places[i].second);
    // Each step sets v on i-j; then i-j is linked both ways or not at all.
    const struct {
        int i, j, v, linked;
    } steps[] = {
        {0, 1, 1, 1},
        {2, 3, 1, 0}, // crosses 0-1 in its interior
        {0, 2, 1, 1}, // shares the end star 0
        {2, 4, 1, 1}, // ends on the other link
        {1, 5, 1, 1}, // collinear, touching at star 1
        {0, 5, 1, 1}, // collinear and overlapping: not a proper crossing
        {6, 6, 1, 1}, // a point crosses nothing
        {0, 7, 1, 0}, // slot 7 is free
        {0, 1, 0, 0},
        {2, 3, 1, 0}, // still crosses 0-5
        {0, 5, 0, 0},
        {2, 3, 1, 1},
    };
    for (const auto& s : steps) {
        g.setLink(s.i, s.j, s.v);
        EXPECT_EQ(std::pair(g.isLinked(s.i, s.j), g.isLinked(s.j, s.i)), std::pair(s.linked, s.linked))
            << s.i << "-" << s.j;
    }
    const int before = linkEntries(g); // 0-2, 2-3, 2-4, 1-5 both ways, and 6-6
    g.unlinkAll(2);
    EXPECT_EQ(std::tuple(before, linkEntries(g), g.isLinked(1, 5)), std::tuple(9, 3, 1));

    // Huge coordinates do not break the crossing test: the two diagonals cross.
    Galaxy huge;
    const int top = 2147483647, bottom = -top - 1;
    const std::pair<int, int> corners[] = {{top, top}, {bottom, bottom}, {bottom, top}, {top, bottom}};
    for (int i = 0; i < 4; ++i) huge.layoutStars[i] = testStar(corners[i].first, corners[i].second);
    huge.setLink(0, 1, 1);
    huge.setLink(2, 3, 1);
    EXPECT_EQ(std::pair(huge.isLinked(0, 1), huge.isLinked(2, 3)), std::pair(1, 0));
}
