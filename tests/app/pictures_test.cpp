#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/pictures/pictures.h"
#include "app/resources.h"
#include "engine/draw_text.h"

namespace {

TEST(Pictures, EveryNameHasItsSizeAndColoursSpritesHaveTransparentCornersAndBackdropsNoHoles)
{
    openFonts();
    const std::set<std::string> sprites = {"normalStar", "goldenStar", "darkStar", "incArrow",
                                           "decArrow",   "selectionArrow", "bullet"};
    const std::set<std::string> backdrops = {"title", "mainMenu", "background", "bigbar"};
    for (const BuiltinImage& b : builtinImageTable) {
        Image im;
        ASSERT_TRUE(paintBuiltinPicture(std::stoi(b.resourceId), im)) << b.name;
        EXPECT_EQ(im.width, b.width) << b.name;
        EXPECT_EQ(im.height, b.height) << b.name;
        EXPECT_GT(std::set<uint32_t>(im.pixels.begin(), im.pixels.end()).size(), 8u) << b.name;
        if (sprites.count(b.name)) {
            EXPECT_EQ(im.at(0, 0) | im.at(im.width - 1, 0) | im.at(0, im.height - 1) | im.at(im.width - 1, im.height - 1),
                      0u)
                << b.name;
            // A black pixel in the middle would be a hole in the picture.
            EXPECT_NE(im.at(im.width / 2, im.height / 2), 0u) << b.name;
        }
        if (backdrops.count(b.name)) {
            for (uint32_t p : im.pixels) ASSERT_NE(p, 0u) << b.name << " has a hole";
        }
    }
    Image unknown;
    EXPECT_FALSE(paintBuiltinPicture(152, unknown));
    EXPECT_FALSE(paintBuiltinPicture(0, unknown));
}

TEST(Pictures, PaintingIsTheSameEveryTime)
{
    openFonts();
    Image a, b;
    paintBuiltinPicture(179, a);
    paintBuiltinPicture(179, b);
    EXPECT_EQ(a.pixels, b.pixels);
    Image icon;
    paintWindowIcon(icon);
    EXPECT_EQ(icon.width, 64);
    EXPECT_EQ(icon.at(0, 0), 0u);
}

} // namespace
