#include <gtest/gtest.h>

#include "game/galaxy.h"
#include "tests/app/test_support.h"
#include "tests/support/test_star.h"

namespace {

constexpr uint32_t white = 0xFFFFFF;
constexpr uint32_t linkColour = 0xBD0D0D; // 189, 13, 13

// A star picture: a white dot in the middle, the rest black (transparent).
Image dotImage(int width, int height)
{
    Image image;
    image.resize(width, height, 0);
    image.row(height / 2)[width / 2] = white;
    return image;
}

struct GalaxyDraw : ::testing::Test {
    void SetUp() override
    {
        openTestDisplay();
        addTestImage(normalStarKind, dotImage(23, 24));
        addTestImage(darkStarKind, dotImage(50, 49));
        demoMode = 1;
    }
    void TearDown() override { closeTestDisplay(); }
};

uint32_t rgb(const Rgb& c) { return packRgb(c.r, c.g, c.b); }

} // namespace

TEST_F(GalaxyDraw, PreviewIsScaledDrawsEachLinkOnceTintsTheSelectedStarAndFarAwayStarsAreSafe)
{
    Galaxy g;
    g.layoutStars[0] = testStar(100, 100);
    g.layoutStars[1] = testStar(500, 100);
    g.layoutStars[2] = testStar(300, 300, darkStarKind);
    g.setLink(0, 1, 1);
    g.drawPreview(0.5);
    expectPixels({{50, 50, white}, {250, 50, white}, {150, 50, linkColour}, {150, 100, 0}});
    g.selectedStar = 2;
    g.drawPreview(1.0);
    EXPECT_EQ(pixelAt(280, 280), packRgb(0, 100, 0));
    clearBackBuffer(0);
    g.highlightStar(99, 50, 50, 50); // a free slot
    g.highlightStar(100, 50, 50, 50);
    g.highlightStar(-5, 50, 50, 50);
    EXPECT_EQ(litPixels(), 0);

    g.layoutStars[0] = testStar(2147483647, -2147483647 - 1);
    g.layoutStars[1] = testStar(400, 300);
    g.layoutStars[2] = testStar(-2147483647 - 1, 2147483647);
    g.links[0 * 100 + 2] = 1; // as a file may hold them
    g.links[0 * 100 + 1] = 1;
    g.gameStars = g.layoutStars;
    for (Star& s : g.gameStars) s.owner = 2, s.armies = -2147483647 - 1;
    g.selectedStar = 0;
    g.drawPreview(1.0);
    g.drawPreview(0.5);
    g.drawBoard();
    // Links to a star off the screen are left out, as drawLine leaves out any
    // line with an end off the screen; the star near the middle is drawn.
    EXPECT_EQ(countPixels(linkColour), 0);
    EXPECT_EQ(pixelAt(400, 300), white);
}

TEST_F(GalaxyDraw, BoardDrawsTheGameStarsWithOwnerBoxesAndLabels)
{
    // The owner's box lies under the star picture, only for a player.
    Star s = testStar(100, 100);
    s.owner = 3;
    s.drawOnBoard();
    const uint32_t box = rgb(playerColours[3]); // from x - 11, y - 12
    expectPixels({{100, 100, white}, {89, 88, box}, {88, 100, 0}, {111, 111, box}, {100, 113, 0}});
    for (int owner : {noOwner, 8}) {
        clearBackBuffer(0);
        s.owner = owner;
        s.drawOnBoard();
        EXPECT_EQ(litPixels(), 1);
    }

    Galaxy g;
    g.gameStars[0] = testStar(100, 100);
    g.gameStars[0].owner = 0;
    g.gameStars[0].armies = 12;
    g.gameStars[1] = testStar(300, 100);
    g.gameStars[1].owner = 1;
    g.gameStars[1].label = "+3";
    g.layoutStars = g.gameStars;
    g.setLink(0, 1, 1);
    g.layoutStars[1].x = 700; // the board draws the game copy's positions
    g.drawBoard();
    expectPixels({{200, 100, linkColour}, {95, 95, rgb(playerColours[0])}, {295, 95, rgb(playerColours[1])}});
    // Text lies right of each star: white army count, green label, white turn line.
    auto count = [](int x0, int y0, int x1, int y1, uint32_t colour) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += pixelAt(x, y) == colour;
        return n;
    };
    EXPECT_GT(count(113, 80, 160, 130, white), 0);
    EXPECT_GT(count(313, 80, 380, 130, packRgb(55, 255, 25)), 0);
    EXPECT_GT(count(0, 0, 200, 40, white), 0);
}
