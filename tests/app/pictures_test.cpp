#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/pictures/pictures.h"
#include "app/resources.h"
#include "engine/draw_text.h"

namespace {

Image paint(const BuiltinImage& b)
{
    Image im;
    EXPECT_TRUE(paintBuiltinPicture(std::stoi(b.resourceId), im)) << b.name;
    return im;
}

TEST(Pictures, EveryNameHasItsSizeAndIsNoFlatColour)
{
    openFonts();
    for (const BuiltinImage& b : builtinImageTable) {
        Image im = paint(b);
        EXPECT_EQ(im.width, b.width) << b.name;
        EXPECT_EQ(im.height, b.height) << b.name;
        std::set<uint32_t> colours(im.pixels.begin(), im.pixels.end());
        EXPECT_GT(colours.size(), 8u) << b.name;
    }
    Image unknown;
    EXPECT_FALSE(paintBuiltinPicture(152, unknown));
    EXPECT_FALSE(paintBuiltinPicture(0, unknown));
}

TEST(Pictures, SpritesHaveTransparentCornersAndSolidCentres)
{
    for (const char* name : {"normalStar", "goldenStar", "darkStar", "incArrow", "decArrow", "selectionArrow", "bullet"}) {
        for (const BuiltinImage& b : builtinImageTable) {
            if (std::string(b.name) != name) continue;
            Image im = paint(b);
            EXPECT_EQ(im.at(0, 0), 0u) << name;
            EXPECT_EQ(im.at(im.width - 1, 0), 0u) << name;
            EXPECT_EQ(im.at(0, im.height - 1), 0u) << name;
            EXPECT_EQ(im.at(im.width - 1, im.height - 1), 0u) << name;
            // A black pixel in the middle would be a hole in the picture.
            EXPECT_NE(im.at(im.width / 2, im.height / 2), 0u) << name;
        }
    }
}

TEST(Pictures, FullScreenPicturesHaveNoHoles)
{
    openFonts();
    for (const char* name : {"title", "mainMenu", "background", "bigbar"}) {
        for (const BuiltinImage& b : builtinImageTable) {
            if (std::string(b.name) != name) continue;
            Image im = paint(b);
            size_t holes = 0;
            for (uint32_t p : im.pixels) holes += p == 0;
            EXPECT_EQ(holes, 0u) << name;
        }
    }
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
