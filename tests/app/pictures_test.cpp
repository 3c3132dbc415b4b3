#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "app/pictures/pictures.h"
#include "app/resources.h"
#include "engine/draw_text.h"

namespace {

TEST(Pictures, EveryNameHasItsSizeAndColoursTheSameEachTimeSpritesHaveTransparentCornersAndBackdropsNoHoles)
{
    openFonts();
    const std::set<std::string> sprites = {"normalStar", "goldenStar", "darkStar", "incArrow",
                                           "decArrow",   "selectionArrow", "bullet"};
    const std::set<std::string> backdrops = {"title", "mainMenu", "background", "bigbar"};
    for (const BuiltinImage& b : builtinImageTable) {
        Image im, again;
        ASSERT_TRUE(paintBuiltinPicture(std::stoi(b.resourceId), im)) << b.name;
        paintBuiltinPicture(std::stoi(b.resourceId), again);
        EXPECT_EQ(im.pixels, again.pixels) << b.name;
        EXPECT_EQ(im.width, b.width) << b.name;
        EXPECT_EQ(im.height, b.height) << b.name;
        EXPECT_GT(std::set<uint32_t>(im.pixels.begin(), im.pixels.end()).size(), 8u) << b.name;
        const uint32_t corners = im.at(0, 0) | im.at(im.width - 1, 0) | im.at(0, im.height - 1) |
                                 im.at(im.width - 1, im.height - 1);
        // A black pixel in the middle would be a hole in the picture.
        const bool holed = sprites.count(b.name) ? corners != 0 || im.at(im.width / 2, im.height / 2) == 0
                                                 : backdrops.count(b.name) && std::count(im.pixels.begin(), im.pixels.end(), 0u);
        EXPECT_FALSE(holed) << b.name;
    }
    Image unknown, icon;
    EXPECT_FALSE(paintBuiltinPicture(152, unknown) || paintBuiltinPicture(0, unknown));
    paintWindowIcon(icon);
    EXPECT_EQ(icon.at(0, 0), 0u);
}

} // namespace
