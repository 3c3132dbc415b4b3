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

TEST_F(GalaxyDraw, OwnerBoxUnderTheStarImage)
{
    Star s = testStar(100, 100);
    s.owner = 3;
    s.drawOnBoard();
    EXPECT_EQ(pixelAt(100, 100), white);
    EXPECT_EQ(pixelAt(89, 88), rgb(playerColours[3])); // box from x - 11, y - 12
    EXPECT_EQ(pixelAt(88, 100), 0u);
    EXPECT_EQ(pixelAt(111, 111), rgb(playerColours[3]));
    EXPECT_EQ(pixelAt(100, 113), 0u);

    clearBackBuffer(0);
    s.owner = noOwner;
    s.drawOnBoard();
    EXPECT_EQ(countPixels(0), 800 * 600 - 1);
    s.owner = 8;
    s.drawOnBoard();
    EXPECT_EQ(countPixels(0), 800 * 600 - 1);
}

TEST_F(GalaxyDraw, PreviewIsScaledAndDrawsEachLinkOnce)
{
    Galaxy g;
    g.layoutStars[0] = testStar(100, 100);
    g.layoutStars[1] = testStar(500, 100);
    g.setLink(0, 1, 1);
    g.drawPreview(0.5);
    EXPECT_EQ(pixelAt(50, 50), white);
    EXPECT_EQ(pixelAt(250, 50), white);
    EXPECT_EQ(pixelAt(150, 50), linkColour);
    EXPECT_EQ(pixelAt(150, 100), 0u);
}

TEST_F(GalaxyDraw, SelectedStarIsTinted)
{
    Galaxy g;
    g.layoutStars[2] = testStar(300, 300, darkStarKind);
    g.selectedStar = 2;
    g.drawPreview(1.0);
    EXPECT_EQ(pixelAt(280, 280), packRgb(0, 100, 0));
    clearBackBuffer(0);
    g.highlightStar(99, 50, 50, 50); // a free slot
    g.highlightStar(100, 50, 50, 50);
    g.highlightStar(-5, 50, 50, 50);
    EXPECT_EQ(countPixels(0), 800 * 600);
}

TEST_F(GalaxyDraw, BoardDrawsTheGameStarsWithOwnersAndLabels)
{
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
    EXPECT_EQ(pixelAt(200, 100), linkColour);
    EXPECT_EQ(pixelAt(95, 95), rgb(playerColours[0]));
    EXPECT_EQ(pixelAt(295, 95), rgb(playerColours[1]));
    // Text lies right of each star: white army count, green label, white turn line.
    int countPixelsRight = 0, labelPixels = 0, turnPixels = 0;
    for (int y = 80; y < 130; ++y)
        for (int x = 113; x < 160; ++x) countPixelsRight += pixelAt(x, y) == white;
    for (int y = 80; y < 130; ++y)
        for (int x = 313; x < 380; ++x) labelPixels += pixelAt(x, y) == packRgb(55, 255, 25);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) turnPixels += pixelAt(x, y) == white;
    EXPECT_GT(countPixelsRight, 0);
    EXPECT_GT(labelPixels, 0);
    EXPECT_GT(turnPixels, 0);
}

TEST_F(GalaxyDraw, FarAwayStarsAndLinksAreSafe)
{
    Galaxy g;
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
