#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <tuple>
#include <utility>

#include "tests/app/test_support.h"

namespace {

constexpr uint32_t red = 0xFF0000;
constexpr uint32_t green = 0x00FF00;

// Column x of the picture holds the value x + 1, so a pixel tells which
// source column was copied.
Image columnCodedImage(int width, int height)
{
    Image image;
    image.resize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.row(y)[x] = static_cast<uint32_t>(x + 1);
    return image;
}

struct DisplayTest : ::testing::Test {
    void SetUp() override
    {
        openTestDisplay();
        addTestImage("wide", columnCodedImage(100, 10));
        addTestImage("block", solidImage(31, 20, red));
    }
    void TearDown() override { closeTestDisplay(); }
};

TEST_F(DisplayTest, ImagesTintsLinesAndRectanglesClipAtTheEdgesOrStayOnTheScreenAndImagesHaveHoles)
{
    drawImage(-30, 0, "wide");
    expectPixels({{0, 0, 31}, {69, 9, 100}, {70, 0, 0}, {0, 10, 0}}); // from source column 30
    clearBackBuffer(0);
    drawImage(750, 0, "wide");
    expectPixels({{750, 0, 1}, {798, 0, 49}, {799, 0, 0}});
    EXPECT_EQ(litPixels(), 49 * 10);

    // Nothing is drawn wholly off the screen, for a name not in the catalogue, or for a part whose source is
    // empty, negative or reaches past the picture.
    clearBackBuffer(0);
    addTestImage("background", solidImage(800, 600, red));
    for (auto [x, y] : {std::pair{800, 0}, {799, 0}, {0, 599}, {-100, 0}, {INT_MIN, INT_MIN}}) drawImage(x, y, "wide");
    drawImage(0, 0, "Background"); // names are case-sensitive
    drawImageCentered(400, 300, "nothing");
    drawImagePart(0, 0, 0, 0, 10, 10, "nothing");
    for (auto [srcX, srcY, w, h] : {std::array{0, 0, 0, 5}, {-1, 0, 5, 5}, {0, -1, 5, 5}, {50, 0, 60, 5}})
        drawImagePart(0, 0, srcX, srcY, w, h, "wide");
    EXPECT_EQ(litPixels(), 0);
    EXPECT_EQ(imageWidth("Background") + imageHeight("nothing"), 0);
    drawImage(0, 595, "wide");
    expectPixels({{0, 598, 1}, {0, 599, 0}});

    drawImageCentered(100, 100, "block"); // 31 x 20 from (85, 90)
    expectPixels({{85, 90, red}, {115, 109, red}, {84, 90, 0}, {116, 109, 0}, {85, 89, 0}});

    // A part wider than the picture is cut to the picture's width; off the left edge its source moves right;
    // at the right edge its width becomes 799 - x.
    clearBackBuffer(0);
    drawImagePart(0, 0, 0, 0, 500, 5, "wide");
    drawImagePart(-10, 10, 20, 0, 30, 1, "wide");
    drawImagePart(790, 20, 0, 0, 20, 1, "wide");
    expectPixels({{99, 0, 100}, {100, 0, 0}, {0, 5, 0}, {0, 10, 31}, {19, 10, 50}, {20, 10, 0}});
    expectPixels({{798, 20, 9}, {799, 20, 0}});

    // Black or the key colour are holes in every draw.
    Image holed = solidImage(10, 10, green);
    holed.row(5)[5] = 0;
    addTestImage("holed", holed);
    clearBackBuffer(red);
    drawImage(0, 0, "holed");
    drawImagePart(20, 0, 0, 0, 10, 10, "holed");
    expectPixels({{5, 5, red}, {25, 5, red}, {4, 5, green}, {26, 5, green}});

    // A key colour comes as red | green << 8 | blue << 16.
    Image twoColours = solidImage(2, 1, red);
    twoColours.row(0)[1] = packRgb(0, 0, 255);
    addTestImage("keyed", twoColours);
    setColorKey(*imageCatalogue.images["keyed"], 0x0000FF);
    clearBackBuffer(green);
    drawImage(0, 0, "keyed");
    expectPixels({{0, 0, green}, {1, 0, packRgb(0, 0, 255)}});

    fillRect(0, 0, 799, 600, 250, 10, 0);
    tintRect(10, 10, 5, 5, 40, 40, 40);
    tintRect(0, 0, 1, 1, -300, -300, 2147483647);
    expectPixels({{14, 14, packRgb(255, 50, 40)}, {15, 14, packRgb(250, 10, 0)}, {0, 0, packRgb(0, 0, 255)}});
    // A rectangle reaching past column 799 is moved left, not cut.
    clearBackBuffer(0);
    tintRect(795, 0, 10, 1, 5, 0, 0);
    expectPixels({{789, 0, packRgb(5, 0, 0)}, {788, 0, 0}, {799, 0, 0}});
    // Negative or off-screen corners do nothing.
    clearBackBuffer(0);
    for (auto [x, w] : {std::pair{-1, 5}, {800, 5}, {0, -5}}) tintRect(x, 0, w, 5, 9, 9, 9);
    EXPECT_EQ(litPixels(), 0);

    // Lines only wholly on the screen, both ends drawn; backwards, a line of the same length.
    const std::pair<std::array<int, 4>, int> lines[] = {
        {{0, 0, 799, 599}, 800}, {{0, 0, 800, 0}, 0}, {{0, -1, 10, 10}, 0}, {{2, 4, 0, 0}, 5}, {{0, 0, 4, 2}, 5}};
    for (const auto& [l, lit] : lines) {
        clearBackBuffer(0);
        drawLine(l[0], l[1], l[2], l[3], 255, 0, 0);
        EXPECT_EQ(litPixels(), lit) << l[2] << ", " << l[3];
        if (lit) expectPixels({{l[0], l[1], red}, {l[2], l[3], red}});
    }
    expectPixels({{1, 1, red}, {2, 1, red}, {3, 2, red}}); // the y step comes as soon as the error reaches zero

    // Filled rectangles cover width + 1 columns; a negative height reaches up.
    const std::pair<std::array<int, 4>, int> rects[] = {
        {{10, 20, 5, 3}, 6 * 3}, {{-5, 0, 10, 1}, 6}, {{790, 598, 100, 100}, 10 * 2}, {{900, 0, 5, 5}, 0},
        {{0, 10, 2, -2}, 3 * 2}};
    for (const auto& [r, lit] : rects) {
        clearBackBuffer(0);
        fillRect(r[0], r[1], r[2], r[3], 255, 0, 0);
        EXPECT_EQ(litPixels(), lit) << r[0] << ", " << r[1];
    }
    expectPixels({{0, 8, red}, {0, 9, red}, {0, 10, 0}}); // the last: rows 8 and 9
}

// Lit pixels of a rectangle of the back buffer.
int litIn(int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += pixelAt(x, y) != 0;
    return n;
}

// The first and last columns holding a lit pixel.
std::pair<int, int> litColumns()
{
    int first = 800, last = -1;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            if (pixelAt(x, y)) first = std::min(first, x), last = std::max(last, x);
    return {first, last};
}

TEST_F(DisplayTest, TextIsUtf8InItsCellsOpaqueTextFillsThemBlackAndBoxTextTakesTheLargestFontThatFitsOrIsCut)
{
    ASSERT_TRUE(openFonts()) << "the DejaVu Sans Mono Bold font must be installed";
    int previousW = 0, w, h;
    for (int size : fontHeights) {
        measureText("Zentory", size, w, h);
        EXPECT_TRUE(h <= size && w >= previousW) << size;
        previousW = w;
    }
    measureText("Star", 20, w, h);
    drawText(100, 100, 255, 255, 255, "Star", 20, false);
    EXPECT_GT(litPixels(), 20);
    auto [first, last] = litColumns();
    EXPECT_TRUE(first >= 100 && last < 100 + w) << first << " to " << last;

    fillRect(0, 0, 799, 600, 0, 0, 255);
    measureText("ab", 14, w, h);
    drawText(50, 50, 255, 255, 255, "ab", 14, true);
    EXPECT_GT(countPixels(0), w * h / 3);
    EXPECT_EQ(pixelAt(50 + w, 50), packRgb(0, 0, 255));

    int w22, h22, w24, h24;
    measureText("PLAY", 22, w22, h22);
    measureText("PLAY", 24, w24, h24);
    ASSERT_LT(w22, w24);
    clearBackBuffer(0);
    // A box as large as the 22 font's text, 100 wider: 22 fits, centred; 24 does not.
    drawTextInBox(200, 200, w22 + 100, h22, 255, 255, 255, "PLAY", false);
    Image withBox = drawnFrame();
    clearBackBuffer(0);
    drawText(250, 200, 255, 255, 255, "PLAY", 22, false);
    EXPECT_EQ(withBox.pixels, drawnFrame().pixels);

    clearBackBuffer(0);
    // No font fits: the smallest, centred, overhangs the box.
    drawTextInBox(400, 300, 10, 2, 255, 255, 255, "WWWWWWWWWW", false);
    ASSERT_GT(litPixels(), 0);
    measureText("WWWWWWWWWW", 8, w, h);
    std::tie(first, last) = litColumns();
    EXPECT_NEAR(first, 400 + (10 - w) / 2, 2);
    EXPECT_GT(last, 410);

    // Characters, not bytes, take cells; a byte outside a well-formed sequence
    // is the Latin-1 character of its value.
    int cell;
    measureText("M", 14, cell, h);
    for (auto [text, cells] : {std::pair{"\xC3\xBCn\xC3\xAF" "c\xC3\xB6" "d\xC3\xA9\xE2\x98\x85", 8}, {"\xC3", 1},
                               {"\xC0\xAF", 2}, {"\xED\xA0\x80", 3}, {"\xF0\x9F\x98\x80!", 2}, {"a\xE2\x98", 3}}) {
        SCOPED_TRACE(text);
        measureText(text, 14, w, h);
        EXPECT_EQ(w, cells * cell);
    }
    // U+00FC from its two bytes is the glyph of the one Latin-1 byte 0xFC, and the star is drawn.
    drawText(0, 0, 255, 255, 255, "\xFC", 14, false);
    const Image latin = drawnFrame();
    clearBackBuffer(0);
    drawText(0, 0, 255, 255, 255, "\xC3\xBC\xE2\x98\x85", 14, false);
    EXPECT_GT(litIn(0, 0, cell, h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < cell; ++x) ASSERT_EQ(pixelAt(x, y), latin.at(x, y)) << x << ", " << y;
    EXPECT_GT(litIn(cell, 0, 2 * cell, h), 0);

    // A name far too long for its box: cut at the box, where the plain box text overhangs it.
    const char* name = "A_GALAXY_NAME_FAR_TOO_LONG_FOR_THE_ROW_OF_THE_LIST_IT_IS_SHOWN_IN";
    for (bool leftAligned : {false, true}) {
        SCOPED_TRACE(leftAligned);
        clearBackBuffer(0);
        drawTextCutToBox(300, 200, 120, 20, 255, 255, 255, name, leftAligned);
        EXPECT_GT(litIn(300, 200, 420, 220), 100);
        EXPECT_EQ(litPixels(), litIn(300, 200, 420, 220));
        clearBackBuffer(0);
        drawTextInBox(300, 200, 120, 20, 255, 255, 255, name, leftAligned);
        EXPECT_GT(litPixels(), litIn(300, 200, 420, 220));
    }
}

// An idle screen makes the same calls every frame; only a frame that can
// differ from the one on the screen may be drawn and uploaded again.
TEST_F(DisplayTest, OnlyAFrameWhoseCallsDifferFromTheShownOnesIsDrawnAndUploaded)
{
    auto frame = [](int tintX, bool clear = true) {
        if (clear) clearBackBuffer(0);
        drawImage(10, 10, "block");
        tintRect(tintX, 0, 5, 5, 40, 40, 40);
        drawTextInBox(100, 100, 200, 30, 255, 255, 255, "PLAY", false);
    };
    auto shown = [](int x, int y) { return headlessLastFrame().at(x, y); };
    frame(0);
    ASSERT_EQ(present(), 0);
    EXPECT_TRUE(headlessLastPresentChanged());
    const Image first = headlessLastFrame();
    frame(0);
    ASSERT_EQ(present(), 0);
    EXPECT_FALSE(headlessLastPresentChanged());
    EXPECT_EQ(headlessLastFrame().pixels, first.pixels);

    frame(1); // one call differs
    ASSERT_EQ(present(), 0);
    EXPECT_TRUE(headlessLastPresentChanged());
    EXPECT_EQ(std::tuple(shown(0, 0), shown(1, 0)), std::tuple(0u, packRgb(40, 40, 40)));

    // The same calls without a clear tint the shown frame once more.
    frame(1, false);
    ASSERT_EQ(present(), 0);
    EXPECT_TRUE(headlessLastPresentChanged());
    EXPECT_EQ(shown(1, 0), packRgb(80, 80, 80));

    // A surface changed under the same calls: red is now its key colour.
    frame(1);
    ASSERT_EQ(present(), 0);
    setColorKey(*findImage("block"), 0x0000FF);
    frame(1);
    ASSERT_EQ(present(), 0);
    EXPECT_TRUE(headlessLastPresentChanged());
    EXPECT_EQ(shown(10, 10), 0u);

    // A frame whose present failed is uploaded again.
    frame(1);
    headlessFailPresents(1);
    ASSERT_NE(present(), 0);
    frame(1);
    ASSERT_EQ(present(), 0);
    EXPECT_TRUE(headlessLastPresentChanged());

    // Pixels read before the present are the frame's so far; the frame still shows whole.
    clearBackBuffer(0);
    drawImage(10, 10, "wide");
    EXPECT_EQ(pixelAt(10, 10), 1u);
    tintRect(10, 10, 1, 1, 40, 0, 0);
    ASSERT_EQ(present(), 0);
    EXPECT_EQ(std::tuple(headlessLastPresentChanged(), shown(10, 10)), std::tuple(true, packRgb(40, 0, 1)));

    // The clear leaves out what a picture drawn next covers whole, and only that:
    // not its key-coloured holes, not the columns beside it.
    Image holed = solidImage(800, 600, green);
    holed.row(5)[7] = 0;
    addTestImage("holed", holed);
    for (int x : {0, 3}) {
        SCOPED_TRACE(x);
        clearBackBuffer(red);
        ASSERT_EQ(present(), 0);
        clearBackBuffer(0);
        drawImage(x, 0, "holed");
        ASSERT_EQ(present(), 0);
        EXPECT_EQ(std::tuple(shown(x + 7, 5), shown(x + 8, 5), shown(799, 0), shown(0, 599), shown(x, 598)),
                  std::tuple(0u, green, 0u, 0u, green));
        EXPECT_EQ(shown(0, 0), x ? 0u : green);
    }
}

} // namespace
