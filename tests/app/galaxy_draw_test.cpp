#include <gtest/gtest.h>

#include "game/galaxy.h"
#include "screens/galaxy_draw.h"
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
    }
    void TearDown() override { closeTestDisplay(); }
};

uint32_t rgb(const Rgb& c) { return packRgb(c.r, c.g, c.b); }

} // namespace

TEST_F(GalaxyDraw, PreviewAndBoardDrawEachLinkOnceTheBoardWithOwnerBoxesAndLabelsAndFarAwayStarsAreSafe)
{
    Galaxy g;
    g.layoutStars[0] = testStar(100, 100);
    g.layoutStars[1] = testStar(500, 100);
    g.layoutStars[2] = testStar(300, 300, darkStarKind);
    g.setLink(0, 1, 1);
    drawPreview(g, 0.5, noOwner);
    expectPixels({{50, 50, white}, {250, 50, white}, {150, 50, linkColour}, {150, 100, 0}});
    drawPreview(g, 1.0, 2);
    EXPECT_EQ(pixelAt(280, 280), packRgb(0, 100, 0));
    clearBackBuffer(0);
    for (int index : {99, 100, -5}) highlightStar(g, index, 50, 50, 50); // a free slot, none
    EXPECT_EQ(litPixels(), 0);

    g.layoutStars[0] = testStar(2147483647, -2147483647 - 1);
    g.layoutStars[1] = testStar(400, 300);
    g.layoutStars[2] = testStar(-2147483647 - 1, 2147483647);
    g.links[0 * 100 + 2] = 1; // as a file may hold them
    g.links[0 * 100 + 1] = 1;
    g.gameStars = g.layoutStars;
    for (Star& s : g.gameStars) s.owner = 2, s.armies = -2147483647 - 1;
    drawPreview(g, 1.0, 0);
    drawPreview(g, 0.5, 0);
    GameState state;
    state.galaxy = g;
    drawBoard(state, BoardView{0, 0, "far"});
    // Links to a star off the screen are left out, as drawLine leaves out any
    // line with an end off the screen; the star near the middle is drawn.
    EXPECT_EQ(std::pair(countPixels(linkColour), pixelAt(400, 300)), std::pair(0, white));

    // The owner's box lies under the star picture, only for a player.
    clearBackBuffer(0);
    Star s = testStar(100, 100);
    s.owner = 3;
    drawStarOnBoard(s);
    const uint32_t box = rgb(playerColours[3]); // from x - 11, y - 12
    expectPixels({{100, 100, white}, {89, 88, box}, {88, 100, 0}, {111, 111, box}, {100, 113, 0}});
    for (int owner : {noOwner, 8}) {
        clearBackBuffer(0);
        s.owner = owner;
        drawStarOnBoard(s);
        EXPECT_EQ(litPixels(), 1);
    }

    state = GameState{};
    Galaxy& board = state.galaxy;
    board.gameStars[0] = testStar(100, 100);
    board.gameStars[0].owner = 0;
    board.gameStars[0].armies = 12;
    board.gameStars[1] = testStar(300, 100);
    board.gameStars[1].owner = 1;
    state.computerTurns.labels = {"", "+3"};
    board.layoutStars = board.gameStars;
    board.setLink(0, 1, 1);
    board.layoutStars[1].x = 700; // the board draws the game copy's positions
    drawBoard(state, BoardView{});
    expectPixels({{200, 100, linkColour}, {95, 95, rgb(playerColours[0])}, {295, 95, rgb(playerColours[1])}});
    // Text lies right of each star: white army count, green label, white turn line.
    auto count = [](int x0, int y0, int x1, int y1, uint32_t colour) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += pixelAt(x, y) == colour;
        return n;
    };
    EXPECT_TRUE(count(113, 80, 160, 130, white) && count(313, 80, 380, 130, packRgb(55, 255, 25)) && count(0, 0, 200, 40, white));
    clearBackBuffer(0); // the screen's battle label stands in for the army count
    drawBoard(state, BoardView{noOwner, 0, "3 v 24"});
    EXPECT_TRUE(count(113, 80, 160, 130, white) == 0 && count(113, 80, 160, 130, packRgb(55, 255, 25)) > 0);
}
